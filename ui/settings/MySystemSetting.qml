import QtQuick 2.15
import QtQuick.Controls 2.15
import QtMultimedia 5.15
import Qt.labs.platform 1.1 as Platform
import VornUi 1.0

// The system settings popup of the workspace. Besides its rows it keeps the
// program's background duties: the hubs' display command every 500 ms, the
// recording timer, and the two players of the alarm sounds.
Popup {
    id: mySystemSetting
    objectName: "mySystemSetting"

    property Item workspace: null
    // The project page: the shared settings this popup edits, its controller
    // and the way back to it.
    required property Item projectPage
    readonly property var projectControl: projectPage.projectControl
    property var weightingControl1: null
    // The main table's rows: the recording line is taken from them.
    property TableRowModel mainTableRows: null

    property alias mediaOpen: playback.mediaOpen
    property bool language_ch: true
    property alias load_show_tag: displayCommand.weightShown
    property alias m_sounds: playback.m_sounds
    property alias m_saveCreat: sampler.m_saveCreat
    property bool button_clearLog_l: false
    property alias m_unit: displayUnit.unit
    // Taken at build: the page's outer names are gone while it is destroyed,
    // and it still stores its settings then.
    property var projectJson: null

    readonly property alias displayCommand: displayCommand
    readonly property alias sampler: sampler
    readonly property alias playback: playback
    readonly property alias alarmPlayer: alarmPlayer
    readonly property alias soundPlayer: soundPlayer
    readonly property alias colorDialog: colorDialog
    readonly property alias portValidator: receivePortValidator

    signal systemccolorSignal()
    // The hub link was given a new receive port.
    signal receivePortApplied(int port)
    // The display command went to the weighing controller.
    signal displayCommandSent(string command)

    width: 600
    height: 370
    anchors.centerIn: Overlay.overlay
    padding: 0
    modal: true
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape
    font.family: "Microsoft YaHei"
    background: Rectangle { color: "white" }

    onClosed: {
        if (workspace)
            workspace.settingsVisible = false
    }

    Connections {
        target: mySystemSetting.workspace
        function onSettingsVisibleChanged() {
            if (mySystemSetting.workspace.settingsVisible)
                mySystemSetting.open()
            else
                mySystemSetting.close()
        }
    }

    DisplayCommand {
        id: displayCommand
        digitDisplay: mySystemSetting.projectPage.sendData
        onCommandChanged: mySystemSetting.sendDisplayCommand()
    }

    Timer {
        interval: 500
        repeat: true
        running: mySystemSetting.weightingControl1 !== null
        onTriggered: mySystemSetting.sendDisplayCommand()
    }

    DisplayUnit {
        id: displayUnit
    }

    RecordingSampler {
        id: sampler
        rows: mySystemSetting.mainTableRows
        recorder: mySystemSetting.weightingControl1 ? mySystemSetting.weightingControl1.Comm.dataSave : null
        conFactor: mySystemSetting.projectPage.conFactor
    }

    AlarmSoundPlayback {
        id: playback
        onPlayAlarm: alarmPlayer.play()
        onPlaySound: soundPlayer.play()
        onStopAll: {
            alarmPlayer.stop()
            soundPlayer.stop()
        }
        onTipSound: {
            if (mySystemSetting.workspace)
                mySystemSetting.workspace.tip_sound = true
        }
    }

    MediaPlayer {
        id: alarmPlayer
        source: "qrc:/media/alarm.mp3"
    }

    MediaPlayer {
        id: soundPlayer
        source: "qrc:/media/sound.wav"
    }

    ManualFile {
        id: manualFile
    }

    Platform.ColorDialog {
        id: colorDialog
        // The project page's colour this dialog edits.
        property string target: ""
        onAccepted: mySystemSetting.setStateColor(target, color)
    }

    Connections {
        target: mySystemSetting.weightingControl1
        function onPlayAlarmMusicSignal(sound) { playback.alarm(sound) }
    }

    Connections {
        target: mySystemSetting.projectControl.Json
        function onUpLoadSetPartSetSignal(saveStartBool, saveTimeIndex, mediaOpen) {
            mySystemSetting.applyStoredSettings(saveStartBool, saveTimeIndex, mediaOpen)
        }
    }

    Connections {
        target: mySystemSetting.workspace ? mySystemSetting.workspace.testPage : null
        function onSaveProjectSignal() { mySystemSetting.saveSettings() }
    }

    contentItem: SystemSettingForm {
        page: mySystemSetting
        projectPage: mySystemSetting.projectPage
    }

    function sendDisplayCommand() {
        if (!weightingControl1)
            return
        weightingControl1.sendData(displayCommand.command)
        displayCommandSent(displayCommand.command)
    }

    function setDigitDisplay(on) {
        projectPage.sendData = on
    }

    function toggleShownValue() {
        displayCommand.weightShown = !displayCommand.weightShown
    }

    function setRateIndex(index) {
        sampler.rateIndex = index
    }

    function setRecording(on) {
        sampler.recording = on
    }

    function changeLanguage(chinese) {
        playback.pauseForLanguageChange()
        language_ch = chinese
        projectPage.applyLanguage(chinese)
        projectPage.languageChangeSignal(chinese)
        button_clearLog_l = !button_clearLog_l
    }

    function applyLanguage() {
        language_ch = projectPage.lanuage
        projectPage.applyLanguage(language_ch)
    }

    function chooseUnit(unit) {
        displayUnit.unit = unit
        projectPage.uint = displayUnit.unit
        applyConFactor(displayUnit.conFactor)
    }

    function applyConFactor(factor) {
        projectPage.conFactor = factor
        projectControl.conFactor = factor
    }

    // Every edit of the field that leaves a port from 1 to 65535 goes to
    // the hub link; it takes effect when a project is opened next.
    function editReceivePort(text) {
        var port = receivePortValidator.port(text)
        if (port === 0)
            return
        projectPage.m_rPort = port
        weightingControl1.Comm.setUdpSetting(projectPage.m_ipAddr, port, projectPage.m_tPort)
        receivePortApplied(port)
    }

    function openColorDialog(target) {
        colorDialog.target = target
        colorDialog.currentColor = projectPage[target]
        colorDialog.open()
    }

    function setStateColor(target, color) {
        projectPage[target] = color.toString()
        systemccolorSignal()
    }

    function openManual() {
        var url = manualFile.extract(language_ch)
        if (url !== "")
            Qt.openUrlExternally(url)
    }

    function chooseProjectFolder() {
        projectControl.checkPermissions()
        projectPage.openFolderDialog()
    }

    function saveAndBroadcast() {
        saveSettings()
        workspace.saveProject()
    }

    function saveSettings() {
        if (projectJson)
            projectJson.saveSetParts(sampler.recording, sampler.rateIndex, playback.mediaOpen)
    }

    // "重选项目" shows the current-project row, "新建项目" the project-name row.
    function leaveWorkspace(showProjectRow) {
        sampler.m_saveCreat = true
        projectPage.returnToProjectPage(showProjectRow)
    }

    // Values the project stores are applied; a project that stores none keeps
    // the page's initial ones (sound on, 1 s, not recording).
    function applyStoredSettings(saveStartBool, saveTimeIndex, mediaOpen) {
        var stored = projectControl.Json.setPartKeys()
        if (stored.indexOf("saveTimeIndex") >= 0)
            sampler.restoreRateIndex(saveTimeIndex)
        if (stored.indexOf("mediaOpen") >= 0)
            playback.mediaOpen = mediaOpen
        if (stored.indexOf("saveStartBool") >= 0)
            sampler.recording = saveStartBool
    }

    ReceivePortValidator {
        id: receivePortValidator
    }

    Component.onCompleted: {
        projectJson = projectControl.Json
        applyLanguage()
        // An empty or unknown stored unit reads as the default unit, on the
        // page, in the unit label of every view and in the factor alike.
        chooseUnit(projectPage.uint)
        projectControl.Json.getSetPart()
    }

    Component.onDestruction: saveSettings()
}
