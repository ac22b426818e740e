import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// The information page: version box, hub connection circles and the running
// log. Building it starts the project's link activity; destroying it stores
// the log and the table switches and closes the project.
Item {
    id: testPage
    objectName: "testPage"

    property Item workspace: null
    // The project page: its version texts, its language and its controller.
    required property Item projectPage
    readonly property var projectControl: projectPage.projectControl
    property var weightingControl1: null
    readonly property alias log: logView.textArea
    property alias logText: logBuffer.text
    property bool language_ch: projectPage.lanuage
    readonly property int udpConnectl_H: hubMask.high
    readonly property int udpConnectl_L: hubMask.low
    property bool projectLeft: false

    signal saveProjectSignal()
    // Every log message shown here, for the workspace's status line.
    signal logShown(string st, string str)

    MessageLog {
        id: logBuffer
        limit: 8000
        cut: 4000
    }

    HubConnectionMask {
        id: hubMask
        mask: testPage.weightingControl1 ? testPage.weightingControl1.udpConnectl : 0
    }

    Connections {
        target: testPage.weightingControl1
        function onQmlLogShowSignal(st, str) { testPage.showLog(st, str) }
        function onCellLogShowSignal(st, str) { testPage.showLog(st, str) }
    }

    Connections {
        target: testPage.weightingControl1 ? testPage.weightingControl1.bleComm : null
        function onQmlLogShowSignal(st, str) { testPage.showLog(st, str) }
    }

    Connections {
        target: testPage.projectControl.Json
        function onUpLoadSetPart2SetSignal(log) {
            if (log !== "")
                logBuffer.text = log
        }
    }

    // The log and the switches go into the project with every save, so the
    // file written by the save holds them.
    onSaveProjectSignal: storeLogAndSwitches()

    // Every language choice on the settings page empties the log, the
    // current language chosen again included.
    Connections {
        target: testPage.workspace ? testPage.workspace.systemSetting : null
        function onButton_clearLog_lChanged() { logBuffer.clear() }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        TextArea {
            objectName: "versionBox"
            Layout.fillWidth: true
            Layout.preferredHeight: 105
            visible: testPage.workspace ? testPage.workspace.display : true
            readOnly: true
            font.family: "Microsoft YaHei"
            font.pixelSize: 20
            background: Rectangle { color: "#f6f8fb"; border.color: "#c3ccda" }
            text: qsTr("软件:") + testPage.projectPage.versionNumber + "\n"
                  + qsTr("日期:") + testPage.projectPage.developmentDate + "\n"
                  + qsTr("公司:") + testPage.projectPage.companyName
        }

        Label {
            objectName: "hubStatusCaption"
            text: qsTr("主控连接状态:")
            font.family: "Microsoft YaHei"
            font.pixelSize: 20
        }

        Rectangle {
            id: hubRow
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            border.color: "#302a2a"
            color: "transparent"

            Repeater {
                model: 9
                Rectangle {
                    objectName: "hubCircle" + (index + 1)
                    property bool known: hubMask.hubBit(testPage.udpConnectl_H, index + 1)
                    property bool connected: hubMask.hubBit(testPage.udpConnectl_L, index + 1)
                    width: 40
                    height: 40
                    radius: 20
                    x: hubRow.width / 2 / 8 * index
                    anchors.verticalCenter: parent.verticalCenter
                    visible: known
                    color: connected ? "green" : "grey"
                    Text {
                        anchors.centerIn: parent
                        text: index + 1
                        color: "white"
                        font.pixelSize: 12
                    }
                }
            }
        }

        RowLayout {
            spacing: 12
            Button {
                objectName: "clearLogButton"
                text: qsTr("清理提示信息")
                font.family: "Microsoft YaHei"
                font.pixelSize: 14
                icon.source: "qrc:/pic/clearpic.png"
                icon.color: "transparent"
                icon.width: 20
                icon.height: 20
                palette.buttonText: "black"
                background: Rectangle { color: "white"; border.color: "#c3ccda"; radius: 3 }
                onClicked: logBuffer.clear()
            }
            Label {
                text: qsTr("提示信息：")
                font.family: "Microsoft YaHei"
                font.pixelSize: 16
            }
        }

        LogView {
            id: logView
            Layout.fillWidth: true
            Layout.fillHeight: true
            textArea.objectName: "logArea"
            text: logBuffer.text
        }
    }

    function showLog(st, str) {
        logBuffer.record(st, str)
        logShown(st, str)
    }

    function clearLog() {
        logBuffer.clear()
    }

    function storeLogAndSwitches() {
        projectControl.Json.saveSetParts2(logBuffer.text)
        if (workspace)
            projectControl.Json.saveTableSetParts(workspace.rect3_d, workspace.rect4_d, workspace.rect7_d,
                                                  workspace.rect8_d, workspace.rect10_d, workspace.rect5_d,
                                                  workspace.rect6_d)
    }

    Component.onCompleted: {
        projectControl.Json.getSetPart()
        projectPage.applyLanguage(language_ch)
        if (workspace && workspace.clearLog)
            logBuffer.clear()
        weightingControl1.scanOnlineDevice()
        weightingControl1.bleComm.startProjectToBle()
    }

    // Leaving the workspace: the log and the switches go into the project, the
    // project is closed and the Bluetooth intake stops. The project page calls
    // this before it destroys the workspace or the program quits, while every
    // view is still intact; destruction is the fallback.
    function leaveProject() {
        if (projectLeft)
            return
        projectLeft = true
        storeLogAndSwitches()
        projectControl.closeProject()
        weightingControl1.bleComm.closeProjectToBle()
    }

    Component.onDestruction: leaveProject()
}
