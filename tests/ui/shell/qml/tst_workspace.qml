import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The project page and the workspace with its information page, with the real controllers in a
// temporary working directory.
TestCase {
    id: testCase
    name: "Workspace"

    WindowProgram {
        id: program
        testCase: testCase
        releaseOnStop: true
    }

    function init() {
        program.start(workingFolder)
    }

    function cleanup() {
        program.stop()
    }

    // The project page reads the controller through its property: the collector finds nothing of it
    // to delete while no workspace is open.
    function test_projectReopenedFromTheRecentListShowsItsStoredLog() {
        var page = program.page()
        var first = program.control().projectFile
        verify(first.endsWith("/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"), first)
        program.weighing().qmlLogShowSignal("INF", "marker before saving")
        program.workspace().saveProject()
        page.returnToProjectPage(false)
        findChild(page, "projectNameField").text = "second"
        page.createProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        verify(program.control().projectFile.endsWith("/second/second.VORNPRO"))
        page.returnToProjectPage(true)
        compare(program.workspace(), null)
        gc()
        wait(50)
        page.chooseRecent(1)
        compare(findChild(page, "recentProjectBox").currentText, first) // the entry that "打开" opens
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        compare(program.control().projectFile, first)
        compare(findChild(page, "projectNameField").text, "VornView_Temp_Project")
        verify(program.testPage().log.text.indexOf("marker before saving") >= 0, program.testPage().log.text)
        tryVerify(function() { return workingFolder.setting("setting.ini", "saveFile") === first }, 3000)
    }

    function test_areasDropTheirOldestHalf() {
        var text = new Array(801).join("0123456789") + "x"
        program.page().messages.text = text.substring(6000)
        compare(findChild(program.page(), "messageArea").text, text.substring(7000))
        program.testPage().logText = text
        compare(program.testPage().log.text, text.substring(4000))
    }

    function test_hubCirclesFollowTheMask() {
        program.weighing().udpConnectl = 0x30001
        var one = findChild(program.testPage(), "hubCircle1")
        var two = findChild(program.testPage(), "hubCircle2")
        verify(one.known && one.connected && Qt.colorEqual(one.color, "green"))
        verify(two.known && !two.connected && Qt.colorEqual(two.color, "grey"))
        verify(!findChild(program.testPage(), "hubCircle3").known)
    }

    // Choosing a language, even the one shown, clears the log.
    function test_languageSwitchAndBack() {
        var tabs = findChild(program.workspace(), "workspaceTabBar")
        var settings = program.workspace().systemSetting
        for (var chinese of [true, false, false]) {
            program.weighing().qmlLogShowSignal("INF", "a line before the switch")
            settings.changeLanguage(chinese)
            compare(program.page().lanuage, chinese)
            compare(tabs.itemAt(1).text, chinese ? "数据表" : "Table")
            compare(findChild(program.testPage(), "hubStatusCaption").text,
                    chinese ? "主控连接状态:" : "Master Control Connection Status:")
            compare(program.testPage().log.text, "")
        }
    }

    // The Material style would write captions in capitals.
    function test_buttonCaptionsShowAsWritten() {
        var exitDialog = findChild(program.workspace(), "exitDialog")
        exitDialog.open()
        tryVerify(function() { return exitDialog.opened }, 2000)
        var buttons = 0
        var items = [program.window.contentItem, program.window.overlay]
        while (items.length > 0) {
            var item = items.pop()
            if (item.checkable !== undefined && item.autoRepeat !== undefined && item.font !== undefined) {
                ++buttons
                compare(item.font.capitalization, Font.MixedCase, "caption " + item.text)
            }
            for (var i = 0; i < item.children.length; ++i)
                items.push(item.children[i])
        }
        verify(buttons > 20, buttons + " buttons")
    }

    function test_createdCellIsScannedAfterHalfASecond() {
        var workspace = program.workspace()
        program.weighing().qmlLogShowSignal("INF", "Create device ID:1.12")
        compare(workspace.scanpageid * 100 + workspace.scanindex, 112)
        tryVerify(function() { return workspace.scanpageid === 0 }, 2000) // the scan went out
        verify(findChild(workspace, "statusLine").text.indexOf("Create device ID:1.12") > 0)
    }

    // An alarm flashes the information tab until that page is seen, and an alarm seen there does not
    // flash later.
    function test_flashingStopsOnceTheInformationPageIsSeen() {
        var workspace = program.workspace()
        var infoTab = findChild(workspace, "workspaceTabBar").itemAt(0)
        workspace.tip_sound = true
        verify(infoTab.flashing)
        workspace.currentView = 0
        verify(!infoTab.flashing)
        tryVerify(function() { return !workspace.tip_sound }, 3000)
        workspace.tip_sound = true
        workspace.currentView = 1
        verify(!infoTab.flashing)
        workspace.tip_sound = false
        workspace.tip_sound = true
        verify(infoTab.flashing)
    }
}
