import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// Simulated hubs in a private network namespace: the display command keeps them
// connected, their cells appear, recording writes files, settings survive a restart.
TestCase {
    id: testCase
    name: "LiveLoop"

    WindowProgram { id: program; testCase: testCase }

    function initTestCase() {
        testFiles.setSetting("setting.ini", "fileFolder", testFiles.url() + "/projects")
        // Five datagrams a second per hub stay ahead of the display command's two.
        verify(hubSimulator.start(["--hubs", "2", "--first-page", "1", "--cells", "4", "--rate", "5"]))
    }

    function cleanupTestCase() { program.stop() }
    function control(name) { return findChild(program.workspace().systemSetting.contentItem, name) }
    // Whether a display frame with `flag` reached the hubs after `from` output characters.
    function displayed(flag, from) {
        return hubSimulator.output().substring(from).split("\n").some(function(line) {
            var frame = line[0] === "{" ? JSON.parse(line) : {}
            return frame.kind === "display" && frame.length === 36 && frame.flag === flag
        })
    }

    function test_1_liveLoop() {
        program.start()
        var info = program.workspace().testPage
        tryVerify(function() { return findChild(info, "hubCircle1").connected && findChild(info, "hubCircle2").connected },
                  10000, "both hubs connected")
        var rows = findChild(program.workspace(), "myTableParent").mainTable.rows
        tryVerify(function() { return rows.rowOf(1, 1) >= 0 && rows.rowOf(2, 4) >= 0 }, 10000, "cells appeared")
        tryVerify(function() { return displayed(2, 0) }, 5000, "display command with weights shown")

        program.workspace().settingsVisible = true
        tryVerify(function() { return program.workspace().systemSetting.opened }, 2000)
        var mark = hubSimulator.output().length
        mouseClick(control("digitDisplaySwitch"))
        tryVerify(function() { return displayed(3, mark) }, 5000, "display switched off")

        mouseClick(control("recordingBox"))
        var recorder = program.weighing().Comm.dataSave
        tryVerify(function() { return testFiles.read(recorder.savePath).split("\n").length >= 4 }, 8000, "recorded lines")
        mouseClick(control("recordingBox"))
        var lines = testFiles.read(recorder.savePath).split("\n")
        verify(lines[0].indexOf("timer,ID:1.0/") === 0 && lines[0].indexOf(",ID:2.4/") > 0, lines[0])
        compare(lines[1].split(",").length, lines[0].split(",").length)
        control("unitBox").currentIndex = 1
        control("unitBox").activated(1)
        program.stop()
    }

    function test_2_settingsSurviveARestart() {
        compare(String(testFiles.setting("setting.ini", "m_sendData")), "false")
        compare(String(testFiles.setting("setting.ini", "m_comboBox_unit")), "LB")
        program.start()
        verify(!control("digitDisplaySwitch").checked)
        compare(program.weighing().conFactor, 2.20462262185)
        var mark = hubSimulator.output().length
        tryVerify(function() { return displayed(3, mark) }, 5000, "display stays off")
        program.stop()
    }
}
