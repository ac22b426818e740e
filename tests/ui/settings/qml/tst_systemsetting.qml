import QtQuick 2.15
import QtTest 1.15
import QtMultimedia 5.15
import "../../common/qml"

// The system settings page in the real window with the real controllers:
// display command, recording, alarm sounds, receive port, colours, unit,
// manual and the way back to the project page.
TestCase {
    id: testCase
    name: "SystemSetting"

    property int projectNumber: 0

    WindowProgram {
        id: program
        testCase: testCase
    }

    SignalSpy { id: sent; signalName: "displayCommandSent" }
    SignalSpy { id: portApplied; signalName: "receivePortApplied" }
    SignalSpy { id: recolored; signalName: "systemccolorSignal" }

    function init() {
        // Every test starts in a project of its own, with its own recordings.
        testFiles.setSetting("setting.ini", "fileProjectName", "SettingsTest" + (++projectNumber))
        program.start(testFiles)
        sent.clear()
        portApplied.clear()
        recolored.clear()
        sent.target = settings()
        portApplied.target = settings()
        recolored.target = settings()
    }

    function cleanup() {
        program.stop()
    }

    function page() { return program.page() }
    function workspace() { return program.workspace() }
    function settings() { return workspace().systemSetting }
    function weighing() { return program.weighing() }
    function mainRows() { return findChild(workspace(), "myTableParent").mainTable.rows }
    function control(name) { return findChild(settings().contentItem, name) }

    function openSettings() {
        workspace().settingsVisible = true
        tryVerify(function() { return settings().opened }, 2000)
    }

    function flagOf(command) { return command.charCodeAt(4) }

    // Cells of hub page 2 with their readings: [index, weight, boxType].
    function feed(cells) {
        var records = []
        var last = 0
        for (var i = 0; i < cells.length; ++i) {
            weighing().createCell(2, cells[i][0])
            last = Math.max(last, cells[i][0])
        }
        for (var index = 0; index <= last; ++index)
            records.push([index, 0, 0, 0])
        for (var j = 0; j < cells.length; ++j)
            records[cells[j][0]] = [cells[j][0], cells[j][1], 1, cells[j][2]]
        hubFeed.send(weighing(), 2, records)
        weighing().qmlRequestReflsh()
        var rows = mainRows()
        tryVerify(function() {
            for (var k = 0; k < cells.length; ++k) {
                var row = rows.rowOf(2, cells[k][0])
                if (row < 0 || rows.get(row).width1 !== Math.round(cells[k][1] * page().conFactor))
                    return false
            }
            return true
        }, 3000, "cells in the main table")
    }

    function test_escapeAndCloseButtonCloseThePage() {
        openSettings()
        keyClick(Qt.Key_Escape)
        tryVerify(function() { return !settings().visible }, 2000)
        verify(!workspace().settingsVisible)
        openSettings()
        mouseClick(control("closeSettingsButton"))
        tryVerify(function() { return !settings().visible }, 2000)
        verify(!workspace().settingsVisible)
    }

    function test_displayCommandFollowsTheSwitches() {
        openSettings()
        var digit = control("digitDisplaySwitch")
        var shown = control("shownValueButton")
        compare(settings().displayCommand.command.length, 36)
        compare(flagOf(settings().displayCommand.command), 2)
        verify(shown.enabled)

        mouseClick(digit)
        compare(page().sendData, false)
        compare(sent.count, 1)
        compare(flagOf(sent.signalArguments[0][0]), 3)
        verify(!shown.enabled)

        mouseClick(digit)
        verify(shown.enabled)
        mouseClick(shown)
        compare(settings().load_show_tag, false)
        compare(shown.text, "显示地址")
        compare(sent.count, 3)
        compare(flagOf(sent.signalArguments[2][0]), 0)

        // And every half second without a change.
        sent.clear()
        sent.wait(1000)
        compare(flagOf(sent.signalArguments[0][0]), 0)
        var bytes = sent.signalArguments[0][0]
        compare(bytes.charCodeAt(0), 0x24)
        compare(bytes.charCodeAt(2), 0x03)
        for (var i = 5; i < 36; ++i)
            compare(bytes.charCodeAt(i), 0)
    }

    function test_halfSecondRateRecordsInKilograms() {
        openSettings()
        var recorder = weighing().Comm.dataSave
        var rate = control("rateBox")
        compare(rate.displayText, "1s")
        rate.currentIndex = 2
        rate.activated(2)
        compare(recorder.saveTick, 250)
        compare(settings().sampler.interval, 500)

        var unit = control("unitBox")
        unit.currentIndex = 1
        unit.activated(1)
        compare(page().uint, "LB")
        compare(page().conFactor, 2.20462262185)
        compare(page().projectControl.conFactor, 2.20462262185)

        // A 100 kg cell is shown as 220 LB.
        feed([[1, 100, 1]])
        compare(mainRows().get(mainRows().rowOf(2, 1)).width1, 220)

        mouseClick(control("recordingBox"))
        verify(recorder.saveStart)
        tryVerify(function() { return recorder.savePath !== "" && !settings().m_saveCreat }, 3000)
        var data = page().projectControl.projectPath + "/Data"
        verify(recorder.savePath.indexOf(data) === 0, recorder.savePath)
        tryVerify(function() {
            var files = testFiles.recordings(data)
            return files.length === 1 && testFiles.read(files[0]).split("\n").length >= 4
        }, 3000, "lines every 500 ms")
        mouseClick(control("recordingBox"))
        verify(!recorder.saveStart)

        var lines = testFiles.read(testFiles.recordings(data)[0]).split("\n")
        compare(lines[0], "timer,ID:1.0/0,ID:2.1/1,")
        var fields = lines[1].split(",")
        compare(fields.length, 4)
        verify(Math.abs(Number(fields[2]) - 220 / 2.20462262185) < 1e-9, lines[1])
        verify(Math.abs(Number(fields[2]) - 99.79) < 0.01)
        compare(control("savePathLabel").text, recorder.savePath)
    }

    function test_alarmDuringLanguagePausePlaysNothing() {
        var s = settings()
        s.soundPlayer.play()
        tryVerify(function() { return s.soundPlayer.playbackState === MediaPlayer.PlayingState }, 3000)

        openSettings()
        var language = control("languageBox")
        language.currentIndex = 1
        language.activated(1)
        compare(page().lanuage, false)
        compare(s.language_ch, false)
        verify(!s.m_sounds)
        compare(control("soundButton").text, "Sound On")
        compare(control("shownValueButton").text, "Display Weight")
        compare(control("saveSettingsButton").text, "Save setup")

        workspace().tip_sound = false
        weighing().playAlarmMusicSignal(1)
        compare(s.soundPlayer.playbackState, MediaPlayer.StoppedState)
        compare(s.alarmPlayer.playbackState, MediaPlayer.StoppedState)
        verify(!workspace().tip_sound)

        // After the pause the alarm plays again.
        s.playback.pauseMs = 100
        language.currentIndex = 0
        language.activated(0)
        compare(page().lanuage, true)
        compare(control("saveSettingsButton").text, "保存设置")
        tryVerify(function() { return s.m_sounds }, 2000)
        weighing().playAlarmMusicSignal(1)
        verify(workspace().tip_sound)
        tryVerify(function() { return s.alarmPlayer.playbackState === MediaPlayer.PlayingState }, 3000)
        s.alarmPlayer.stop()
    }

    function test_soundOffStillFlagsTheInformationTab() {
        openSettings()
        var s = settings()
        mouseClick(control("soundButton"))
        verify(!s.mediaOpen)
        compare(control("soundButton").text, "关闭声音")
        workspace().tip_sound = false
        weighing().playAlarmMusicSignal(2)
        verify(workspace().tip_sound)
        compare(s.soundPlayer.playbackState, MediaPlayer.StoppedState)
        compare(s.alarmPlayer.playbackState, MediaPlayer.StoppedState)

        mouseClick(control("soundButton"))
        verify(s.mediaOpen)
        tryVerify(function() { return s.soundPlayer.playbackState === MediaPlayer.PlayingState }, 3000)
        s.soundPlayer.stop()
    }

    function test_receivePortField() {
        openSettings()
        var field = control("receivePortField")
        compare(field.text, "2001")
        field.forceActiveFocus()
        field.cursorPosition = field.length
        keyClick(Qt.Key_Backspace)
        keyClick(Qt.Key_2)
        compare(field.text, "2002")
        compare(portApplied.count, 2)
        compare(portApplied.signalArguments[0][0], 200)
        compare(portApplied.signalArguments[1][0], 2002)
        compare(page().m_rPort, 2002)

        field.selectAll()
        keyClick(Qt.Key_Backspace)
        compare(portApplied.count, 2)
        keyClick(Qt.Key_7)
        keyClick(Qt.Key_0)
        keyClick(Qt.Key_0)
        keyClick(Qt.Key_0)
        keyClick(Qt.Key_0)
        compare(field.text, "7000")
        compare(page().m_rPort, 7000)
        keyClick(Qt.Key_A)
        compare(field.text, "7000")
    }

    function test_colourChangeRecoloursRowsAndBars() {
        // An under-alarm cell: weight 5 below its lower alarm 10.
        feed([[1, 5, 1]])
        weighing().setMinErrData(2, 1, 10)
        weighing().qmlRequestReflsh()
        var rows = mainRows()
        var row = rows.rowOf(2, 1)
        tryVerify(function() { return Qt.colorEqual(rows.get(row).widthColor, "Purple") }, 2000)
        var bars = findChild(workspace(), "myBarChartParent").mainChart.rows
        tryVerify(function() {
            var bar = bars.rowOf(2, 1)
            return bar >= 0 && Qt.colorEqual(bars.get(bar).barColor, "Purple")
        }, 2000, "bar in the alarm colour")

        var s = settings()
        openSettings()
        mouseClick(control("underAlarmColorButton"))
        compare(s.colorDialog.target, "underload_name3")
        verify(Qt.colorEqual(s.colorDialog.currentColor, "Purple"))
        s.colorDialog.currentColor = "#00ff00"
        s.colorDialog.accept()
        compare(recolored.count, 1)
        verify(Qt.colorEqual(page().underload_name3, "#00ff00"))
        verify(Qt.colorEqual(control("underAlarmColorButton").stateColor, "#00ff00"))
        tryVerify(function() { return Qt.colorEqual(rows.get(row).widthColor, "#00ff00") }, 2000)
        // The bar of the same cell takes the new colour too.
        tryVerify(function() {
            var bar = bars.rowOf(2, 1)
            return bar >= 0 && Qt.colorEqual(bars.get(bar).barColor, "#00ff00")
        }, 2000, "bar recoloured")
    }

    function test_manualOpensInTheBrowser() {
        openSettings()
        mouseClick(control("manualButton"))
        var urls = testFiles.openedUrls()
        compare(urls.length, 1)
        verify(urls[0].indexOf("manual_zh.html") > 0, urls[0])
        verify(testFiles.read(urls[0]).indexOf("vornView 操作手册") > 0)
    }

    function test_storedSettingsComeBackWithTheProject() {
        var s = settings()
        // A project that stores no settings keeps the initial ones.
        verify(s.mediaOpen)
        compare(s.sampler.rateIndex, 1)
        verify(!s.sampler.recording)

        s.playback.toggleMedia()
        s.soundPlayer.stop()
        s.setRateIndex(2)
        openSettings()
        mouseClick(control("saveSettingsButton"))
        page().returnToProjectPage(true)
        wait(50)
        page().openProject()
        tryVerify(function() { return workspace() !== null }, 5000)
        s = settings()
        verify(!s.mediaOpen)
        compare(s.sampler.rateIndex, 2)
        compare(weighing().Comm.dataSave.saveTick, 250)
    }

    function test_reselectAndNewProjectGoBack_data() {
        return [
            { tag: "reselect", button: "reselectProjectButton", projectRow: true },
            { tag: "new project", button: "newProjectButton", projectRow: false }
        ]
    }

    function test_reselectAndNewProjectGoBack(data) {
        feed([[1, 10, 1]])
        settings().playback.toggleMedia()
        weighing().qmlLogShowSignal("INF", "marker before leaving")
        openSettings()
        mouseClick(control(data.button))
        verify(page().visible)
        compare(page().projectRowShown, data.projectRow)
        compare(page().projectNameRowShown, !data.projectRow)
        verify(!findChild(program.window.contentItem, "rec_app").visible)
        compare(workspace(), null)
        wait(50)
        compare(findChild(program.window.contentItem, "mySystemSetting"), null)
        // The project is closed: its cells are gone, a refresh publishes none.
        var published = 0
        var count = function(pageid) { if (pageid === 2) ++published }
        weighing().readCellDataSignal.connect(count)
        weighing().qmlRequestReflsh()
        weighing().readCellDataSignal.disconnect(count)
        compare(published, 0)

        // The log and the settings were stored on the way out; the next write
        // of the project file carries them.
        page().projectControl.saveProject()
        var file = JSON.parse(testFiles.read(page().projectControl.projectFile))
        compare(file.Setting.mediaOpen, false)
        compare(file.Setting.saveTimeIndex, 1)
        compare(file.Setting.saveStartBool, false)
        verify(file.Setting.log.indexOf("marker before leaving") > 0, file.Setting.log)
    }
}
