import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The project page's start sequence and its recent-projects list, with the real
// project controller, in a temporary working directory.
TestCase {
    id: testCase
    name: "ProjectPage"

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

    function test_startCreatesOpensAndShowsTheWorkspace() {
        var page = program.page()
        var file = program.control().projectFile
        verify(file.endsWith("/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"), file)
        verify(workingFolder.exists(file), "project file written")
        verify(!page.visible)
        verify(program.recApp().visible)
        compare(page.lanuage, false)
        compare(page.recentProjects.get(0), file)
        verify(page.messages.text.indexOf("Project opened successfully;") >= 0, page.messages.text)
        // The settings files appear in the working directory.
        tryVerify(function() { return workingFolder.exists("setting.ini") }, 3000)
        tryVerify(function() { return workingFolder.exists("setting_mainWindow.ini") }, 3000)
        tryVerify(function() { return workingFolder.setting("setting.ini", "saveFile") === file }, 3000)
    }

    function test_recentListKeepsTwentyAcrossARestart() {
        var page = program.page()
        var current = program.control().projectFile
        var listed = page.recentProjects.count
        for (var i = 0; i < 24; ++i)
            page.recentProjects.moveToTop(workingFolder.path() + "/other" + i + "/other" + i + ".VORNPRO")
        compare(page.recentProjects.count, listed + 24)
        page.chooseRecent(24)
        compare(page.recentProjects.get(0), current)

        program.stop()
        compare(Number(workingFolder.setting("setting.ini", "projectSelect/count")), 20)
        program.start()
        page = program.page()
        compare(page.recentProjects.count, 20)
        compare(page.recentProjects.get(0), current)
    }

    function test_entryChosenFromTheMiddleIsOpened() {
        var page = program.page()
        var first = program.control().projectFile
        page.returnToProjectPage(false)
        wait(50)
        verify(page.visible)
        verify(page.projectNameRowShown && !page.projectRowShown)
        findChild(page, "projectNameField").text = "second"
        page.createProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        var second = program.control().projectFile
        verify(second.endsWith("/second/second.VORNPRO"), second)
        compare(page.recentProjects.get(0), second)
        compare(findChild(page, "recentProjectBox").currentText, second)

        page.returnToProjectPage(true)
        wait(50)
        var row = -1
        for (var i = 0; i < page.recentProjects.count; ++i) {
            if (page.recentProjects.get(i) === first)
                row = i
        }
        verify(row > 0)
        page.chooseRecent(row)
        compare(page.recentProjects.get(0), first)
        // The drop-down shows the entry that "打开" opens.
        compare(findChild(page, "recentProjectBox").currentText, first)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        compare(program.control().projectFile, first)
        compare(findChild(page, "projectNameField").text, "VornView_Temp_Project")
    }

    function test_messageAreaDropsItsOldestThousand() {
        var page = program.page()
        var text = ""
        while (text.length < 2001)
            text += "0123456789"
        text = text.substring(0, 2001)
        page.messages.text = text
        compare(findChild(page, "messageArea").text.length, 1001)
        compare(findChild(page, "messageArea").text, text.substring(1000))
    }
}
