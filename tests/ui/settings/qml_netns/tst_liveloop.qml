import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The settings page closing the live loop with simulated hubs inside a
// private network namespace: its display command makes the hubs report as
// connected, their cells appear by themselves, recording writes the main
// table to files, and the settings survive a restart.
TestCase {
    id: testCase
    name: "LiveLoop"

    WindowProgram {
        id: program
        testCase: testCase
    }

    function initTestCase() {
        testFiles.setSetting("setting.ini", "fileFolder", testFiles.url() + "/projects")
        // Five datagrams a second per hub stay ahead of the display command's
        // two, so the hubs hold their connection, at half the default's load.
        verify(hubSimulator.start(["--hubs", "2", "--first-page", "1", "--cells", "4", "--rate", "5"]))
    }

    function cleanupTestCase() {
        program.stop()
        hubSimulator.stop()
    }

    function page() { return program.page() }
    function workspace() { return program.workspace() }
    function settings() { return workspace().systemSetting }
    function weighing() { return program.weighing() }
    function mainRows() { return findChild(workspace(), "myTableParent").mainTable.rows }
    function control(name) { return findChild(settings().contentItem, name) }

    // Display frames the hubs received since `from` output characters.
    function displayFlags(from) {
        var flags = []
        var lines = hubSimulator.output().substring(from).split("\n")
        for (var i = 0; i < lines.length; ++i) {
            if (lines[i].indexOf("{") !== 0)
                continue
            var frame = JSON.parse(lines[i])
            if (frame.event === "frame" && frame.kind === "display" && frame.length === 36)
                flags.push(frame.flag)
        }
        return flags
    }

    function test_1_liveLoop() {
        program.start()
        var info = workspace().testPage
        tryVerify(function() {
            var one = findChild(info, "hubCircle1")
            var two = findChild(info, "hubCircle2")
            return one.connected && two.connected
        }, 10000, "both hubs connected")
        tryVerify(function() {
            var rows = mainRows()
            return rows.rowOf(1, 1) >= 0 && rows.rowOf(1, 4) >= 0 && rows.rowOf(2, 1) >= 0 && rows.rowOf(2, 4) >= 0
        }, 10000, "cells appeared by themselves")
        tryVerify(function() { return displayFlags(0).indexOf(2) >= 0 }, 5000, "display command with weights shown")

        workspace().settingsVisible = true
        tryVerify(function() { return settings().opened }, 2000)
        var mark = hubSimulator.output().length
        mouseClick(control("digitDisplaySwitch"))
        tryVerify(function() { return displayFlags(mark).indexOf(3) >= 0 }, 5000, "display switched off")

        mouseClick(control("recordingBox"))
        var data = page().projectControl.projectPath + "/Data"
        tryVerify(function() {
            var files = testFiles.recordings(data)
            return files.length === 1 && testFiles.read(files[0]).split("\n").length >= 4
        }, 8000, "recorded lines")
        mouseClick(control("recordingBox"))
        var lines = testFiles.read(testFiles.recordings(data)[0]).split("\n")
        verify(lines[0].indexOf("timer,ID:1.0/") === 0, lines[0])
        verify(lines[0].indexOf(",ID:1.1/") > 0 && lines[0].indexOf(",ID:2.4/") > 0, lines[0])
        compare(lines[1].split(",").length, lines[0].split(",").length)

        var unit = control("unitBox")
        unit.currentIndex = 1
        unit.activated(1)
        program.stop()
    }

    function test_2_settingsSurviveARestart() {
        compare(String(testFiles.setting("setting.ini", "m_sendData")), "false")
        compare(String(testFiles.setting("setting.ini", "m_comboBox_unit")), "LB")
        program.start()
        verify(!control("digitDisplaySwitch").checked)
        compare(control("unitBox").currentText, "LB")
        compare(weighing().conFactor, 2.20462262185)
        var mark = hubSimulator.output().length
        tryVerify(function() { return displayFlags(mark).indexOf(3) >= 0 }, 5000, "display stays off")
        program.stop()
    }
}
