import QtQuick 2.15
import QtTest 1.15
import QtMultimedia 5.15
import "../../common/qml"

// The settings page's controls wired to the real window's controllers.
TestCase {
    id: testCase
    name: "SystemSetting"
    property int projectNumber: 0

    WindowProgram { id: program; testCase: testCase }
    SignalSpy { id: sent; signalName: "displayCommandSent" }

    function init() {
        testFiles.setSetting("setting.ini", "fileProjectName", "SettingsTest" + (++projectNumber))
        program.start(testFiles)
        sent.target = settings()
        sent.clear()
        workspace().settingsVisible = true
        tryVerify(function() { return settings().opened }, 2000)
    }
    function cleanup() { program.stop() }

    function page() { return program.page() }
    function workspace() { return program.workspace() }
    function settings() { return workspace().systemSetting }
    function weighing() { return program.weighing() }
    function rows() { return findChild(workspace(), "myTableParent").mainTable.rows }
    function control(name) { return findChild(settings().contentItem, name) }
    function choose(name, index) { control(name).currentIndex = index; control(name).activated(index) }

    // Cell 2.1 weighing `weight` in the main table.
    function feed(weight) {
        weighing().createCell(2, 1)
        hubFeed.send(weighing(), 2, [[0, 0, 0, 0], [1, weight, 1, 1]])
        weighing().qmlRequestReflsh()
        tryVerify(function() { return rows().rowOf(2, 1) >= 0 }, 3000)
    }

    function test_controlsReachTheControllers() {
        mouseClick(control("digitDisplaySwitch"))
        compare([page().sendData, sent.signalArguments[0][0].charCodeAt(4)], [false, 3])
        verify(!control("shownValueButton").enabled)
        mouseClick(control("digitDisplaySwitch"))
        mouseClick(control("shownValueButton"))
        compare(sent.signalArguments[2][0].charCodeAt(4), 0)

        var recorder = weighing().Comm.dataSave
        choose("rateBox", 2)
        compare(recorder.saveTick, 250)
        choose("unitBox", 1)
        feed(100)
        compare(rows().get(rows().rowOf(2, 1)).width1, 220)
        mouseClick(control("recordingBox"))
        tryVerify(function() { return recorder.savePath !== "" && control("savePathLabel").text === recorder.savePath }, 3000)
        mouseClick(control("recordingBox"))
        verify(!recorder.saveStart)

        control("receivePortField").forceActiveFocus()
        control("receivePortField").selectAll()
        keyClick(Qt.Key_7)
        keyClick(Qt.Key_A)
        compare([control("receivePortField").text, page().m_rPort], ["7", 7])
    }

    function test_languagePauseSilencesAlarms() {
        var s = settings()
        s.playback.pauseMs = 100
        choose("languageBox", 1)
        compare(control("saveSettingsButton").text, "Save setup")
        weighing().playAlarmMusicSignal(1)
        verify(!workspace().tip_sound)
        choose("languageBox", 0)
        tryVerify(function() { return s.m_sounds }, 2000)
        weighing().playAlarmMusicSignal(1)
        tryVerify(function() { return s.alarmPlayer.playbackState === MediaPlayer.PlayingState }, 3000)
        mouseClick(control("soundButton"))
        compare([s.mediaOpen, s.alarmPlayer.playbackState], [false, MediaPlayer.StoppedState])
    }

    function test_colourButtonRecoloursRowsAndBars() {
        feed(5)
        weighing().setMinErrData(2, 1, 10) // under its lower alarm
        mouseClick(control("underAlarmColorButton"))
        settings().colorDialog.currentColor = "#00ff00"
        settings().colorDialog.accept()
        weighing().qmlRequestReflsh()
        var bars = findChild(workspace(), "myBarChartParent").mainChart.rows
        tryVerify(function() { return Qt.colorEqual(rows().get(rows().rowOf(2, 1)).widthColor, "#00ff00")
                                      && Qt.colorEqual(bars.get(bars.rowOf(2, 1)).barColor, "#00ff00") }, 2000)
    }

    function test_leavingStoresTheSettingsAndClosesTheProject_data() {
        return [{ tag: "reselect", button: "reselectProjectButton", projectRow: true },
                { tag: "new project", button: "newProjectButton", projectRow: false }]
    }
    function test_leavingStoresTheSettingsAndClosesTheProject(data) {
        feed(10)
        settings().playback.toggleMedia()
        settings().setRateIndex(2)
        weighing().qmlLogShowSignal("INF", "marker before leaving")
        mouseClick(control(data.button))
        compare([page().projectRowShown, workspace()], [data.projectRow, null])
        wait(50)
        // The project is closed: a refresh publishes none of its cells.
        var published = 0
        var count = function(pageid) { published += pageid === 2 }
        weighing().readCellDataSignal.connect(count)
        weighing().qmlRequestReflsh()
        weighing().readCellDataSignal.disconnect(count)
        compare(published, 0)

        page().projectControl.saveProject()
        var file = JSON.parse(testFiles.read(page().projectControl.projectFile))
        compare([file.Setting.mediaOpen, file.Setting.saveTimeIndex, file.Setting.saveStartBool], [false, 2, false])
        verify(file.Setting.log.indexOf("marker before leaving") > 0, file.Setting.log)
        page().openProject()
        tryVerify(function() { return workspace() !== null }, 5000)
        compare([settings().mediaOpen, weighing().Comm.dataSave.saveTick], [false, 250])
    }
}
