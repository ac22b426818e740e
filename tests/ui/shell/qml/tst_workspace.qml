import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The workspace and its information page with the real controllers: hub
// circles, the log, the language switch, the auto-scan and the tab flashing.
TestCase {
    id: testCase
    name: "Workspace"

    WindowProgram {
        id: program
        testCase: testCase
        releaseOnStop: true
    }

    SignalSpy {
        id: singleScan
        signalName: "scannewCZSignal"
    }

    SignalSpy {
        id: fullScan
        signalName: "scannewAllCZSignal"
    }

    function init() {
        program.start(workingFolder)
        singleScan.clear()
        fullScan.clear()
        singleScan.target = program.workspace()
        fullScan.target = program.workspace()
    }

    function cleanup() {
        program.stop()
    }

    function test_hubCirclesFollowTheMask() {
        var page = program.testPage()
        program.weighing().udpConnectl = 0x30001
        compare(page.udpConnectl_H, 3)
        compare(page.udpConnectl_L, 1)
        var one = findChild(page, "hubCircle1")
        var two = findChild(page, "hubCircle2")
        var three = findChild(page, "hubCircle3")
        // The page is not the current tab, so the circles' own flags are read.
        verify(one.known && one.connected)
        verify(Qt.colorEqual(one.color, "green"))
        verify(two.known && !two.connected)
        verify(Qt.colorEqual(two.color, "grey"))
        verify(!three.known)

        findChild(program.workspace(), "workspaceTabBar").currentIndex = 0
        verify(one.visible && two.visible && !three.visible)
    }

    function test_logDropsItsOldestFourThousand() {
        var page = program.testPage()
        var text = ""
        while (text.length < 8001)
            text += "abcdefghij"
        page.logText = text.substring(0, 8001)
        compare(page.log.text.length, 4001)
    }

    function test_storedLogIsShownOnReopening() {
        program.weighing().qmlLogShowSignal("INF", "marker before saving")
        verify(program.testPage().log.text.indexOf("marker before saving") >= 0)
        program.workspace().saveProject()

        var page = program.page()
        page.returnToProjectPage(true)
        wait(50)
        compare(program.workspace(), null)
        // The collector must find nothing of the controller's to delete.
        gc()
        wait(50)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        verify(program.testPage().log.text.indexOf("marker before saving") >= 0, program.testPage().log.text)
    }

    function test_languageSwitchAndBack() {
        var page = program.page()
        var info = program.testPage()
        var tabs = findChild(program.workspace(), "workspaceTabBar")
        var caption = findChild(info, "hubStatusCaption")
        compare(tabs.itemAt(1).text, "Table")
        compare(caption.text, "Master Control Connection Status:")
        program.weighing().qmlLogShowSignal("INF", "a line before the switch")
        verify(info.log.text.length > 0)

        var settings = program.workspace().systemSetting
        settings.changeLanguage(true)
        compare(page.lanuage, true)
        compare(tabs.itemAt(1).text, "数据表")
        compare(tabs.itemAt(0).text, "提示信息")
        compare(caption.text, "主控连接状态:")
        compare(findChild(program.workspace(), "zoneButton").text, "隐藏分区")
        compare(info.log.text, "")

        program.weighing().qmlLogShowSignal("INF", "a line in Chinese mode")
        settings.changeLanguage(false)
        compare(page.lanuage, false)
        compare(tabs.itemAt(1).text, "Table")
        compare(tabs.itemAt(0).text, "InfoTip")
        compare(caption.text, "Master Control Connection Status:")
        compare(findChild(program.workspace(), "zoneButton").text, "Hide Zone")
        compare(info.log.text, "")

        // Choosing the language shown already clears the log all the same.
        program.weighing().qmlLogShowSignal("INF", "a line before choosing English again")
        settings.changeLanguage(false)
        compare(tabs.itemAt(1).text, "Table")
        compare(info.log.text, "")
    }

    // The Material style would write captions and part names in capitals.
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
        exitDialog.close()
    }

    function test_singleCreatedCellIsScannedAfterHalfASecond() {
        var workspace = program.workspace()
        program.weighing().qmlLogShowSignal("INF", "Create device ID:1.12")
        compare(workspace.scanpageid, 1)
        compare(workspace.scanindex, 12)
        compare(singleScan.count, 0)
        singleScan.wait(2000)
        compare(singleScan.signalArguments[0][0], 1)
        compare(singleScan.signalArguments[0][1], 12)
        compare(fullScan.count, 0)
        var status = findChild(workspace, "statusLine")
        verify(status.text.indexOf("Create device ID:1.12") > 0)
        verify(Qt.colorEqual(status.color, "green"))
    }

    function test_hubConnectionThenCreationsGiveOneFullScan() {
        program.weighing().cellLogShowSignal("INF", "Master control 3 connection normal")
        program.weighing().qmlLogShowSignal("INF", "Create device ID:3.1")
        program.weighing().qmlLogShowSignal("INF", "Create device ID:3.2")
        fullScan.wait(2000)
        wait(600)
        compare(fullScan.count, 1)
        compare(singleScan.count, 0)
    }

    function test_malformedCellKeyStartsNoScan() {
        var workspace = program.workspace()
        program.weighing().qmlLogShowSignal("INF", "Create device ID:123.456")
        compare(workspace.scanpageid, 0)
        wait(700)
        compare(singleScan.count, 0)
        compare(fullScan.count, 0)
    }

    function test_flashingStopsOnceTheInformationPageIsSeen() {
        var workspace = program.workspace()
        var infoTab = findChild(workspace, "workspaceTabBar").itemAt(0)
        compare(workspace.currentView, 1)
        workspace.tip_sound = true
        verify(infoTab.flashing)
        wait(2500)
        verify(workspace.tip_sound)
        workspace.currentView = 0
        verify(!infoTab.flashing)
        tryVerify(function() { return !workspace.tip_sound }, 3000)
    }

    function test_alarmSeenOnTheInformationPageDoesNotFlashLater() {
        var workspace = program.workspace()
        var infoTab = findChild(workspace, "workspaceTabBar").itemAt(0)
        workspace.currentView = 0
        workspace.tip_sound = true
        workspace.currentView = 1
        verify(!infoTab.flashing)

        // The next alarm comes while the table is shown.
        workspace.tip_sound = false
        workspace.tip_sound = true
        verify(infoTab.flashing)
    }
}
