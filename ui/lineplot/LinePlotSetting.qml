import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform

// "折线图页面设置": pause and run, adding and deleting curves, the history
// mode with its file and dials, the observation window and the line width of
// the plot on screen.
Popup {
    id: setting
    objectName: "linePlotSetting"

    // The plot on screen.
    property var plot: null
    // The recorder, whose folder the file dialog opens on.
    property var recorder: null
    readonly property var model: plot ? plot.model : null
    readonly property bool idle: model !== null && model.linerunset && !model.read_recordDate
    readonly property alias addBox: addBox
    readonly property alias deleteBox: deleteBox
    readonly property alias windowField: windowField
    readonly property alias fileDialog: fileDialog

    anchors.centerIn: parent
    width: 620
    modal: true
    font.family: "Microsoft YaHei"
    onOpened: addBox.model = model ? model.addCandidates() : []

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        Label {
            text: qsTr("折线图页面设置")
            font.pixelSize: 16
            font.bold: true
        }

        RowLayout {
            Button {
                objectName: "pauseButton"
                enabled: setting.model !== null && !setting.model.dataSourceErr_tag
                text: setting.model && !setting.model.linerunset ? qsTr("运行实时曲线") : qsTr("暂停实时曲线")
                onClicked: setting.model.linerunset = !setting.model.linerunset
            }
            Button {
                objectName: "loadHistoryButton"
                enabled: setting.idle
                text: qsTr("加载历史曲线")
                onClicked: {
                    setting.model.beginHistory()
                    fileDialog.open()
                }
            }
            Button {
                objectName: "loadLiveButton"
                enabled: setting.model !== null && setting.model.dataSourceErr_tag
                text: qsTr("加载实时曲线")
                onClicked: setting.model.endHistory()
            }
        }

        RowLayout {
            ComboBox {
                id: addBox
                objectName: "addCurveBox"
                Layout.preferredWidth: 300
                textRole: "text"
                onPressedChanged: {
                    if (pressed)
                        model = setting.model ? setting.model.addCandidates() : []
                }
            }
            Button {
                objectName: "addCurveButton"
                enabled: setting.idle && addBox.currentIndex >= 0
                text: qsTr("添加曲线")
                onClicked: {
                    var chosen = addBox.model[addBox.currentIndex]
                    setting.model.addCurve(chosen.pageId, chosen.index)
                    addBox.model = setting.model.addCandidates()
                }
            }
        }

        RowLayout {
            ComboBox {
                id: deleteBox
                objectName: "deleteCurveBox"
                Layout.preferredWidth: 300
                model: setting.model ? setting.model.curveTexts : []
            }
            Button {
                objectName: "deleteCurveButton"
                enabled: setting.idle && deleteBox.currentIndex >= 0
                text: qsTr("删除曲线")
                onClicked: setting.model.deleteCurve(deleteBox.currentIndex)
            }
        }

        RowLayout {
            Label { text: qsTr("设置观测时间:") }
            TextField {
                id: windowField
                objectName: "observationWindowField"
                Layout.preferredWidth: 80
                enabled: setting.model !== null && !setting.model.dataSourceErr_tag
                selectByMouse: true
                validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
                text: setting.model ? setting.model.m_axis_xMin : ""
                onTextEdited: {
                    setting.model.m_axis_xMin = text
                    text = Qt.binding(function() { return setting.model ? setting.model.m_axis_xMin : "" })
                }
            }
            Label { text: qsTr("分钟") }
        }

        Label { text: qsTr("历史曲线观测时间:") }
        RowLayout {
            spacing: 16
            Repeater {
                model: [{ "caption": qsTr("起点:"), "start": true }, { "caption": qsTr("终点:"), "start": false }]
                RowLayout {
                    required property var modelData
                    Label { text: modelData.caption }
                    Dial {
                        objectName: modelData.start ? "startDial" : "endDial"
                        Layout.preferredWidth: 70
                        Layout.preferredHeight: 70
                        from: 0
                        to: 8640000
                        stepSize: 1
                        enabled: setting.model !== null && setting.model.dataSourceErr_tag
                                 && !setting.model.read_recordDate
                        value: setting.model ? (modelData.start ? setting.model.startDial : setting.model.endDial) : 0
                        onMoved: {
                            if (modelData.start)
                                setting.model.startDial = value
                            else
                                setting.model.endDial = value
                        }
                    }
                    Label {
                        color: "red"
                        text: setting.model ? setting.model.dialText(modelData.start ? setting.model.startDial
                                                                                      : setting.model.endDial) : ""
                    }
                }
            }
        }

        RowLayout {
            Label { text: qsTr("折线宽度:") + (setting.model ? setting.model.lineWidth : "") }
            Slider {
                objectName: "lineWidthSlider"
                Layout.fillWidth: true
                from: 20
                to: 100
                stepSize: 1
                value: setting.model ? setting.model.lineWidth : 50
                onMoved: setting.model.lineWidth = value
            }
        }
    }

    Platform.FileDialog {
        id: fileDialog
        folder: setting.recorder && setting.recorder.savePath !== ""
                ? "file://" + setting.recorder.savePath : ""
        nameFilters: ["CSV files (*.csv)"]
        onAccepted: setting.model.loadHistory(file)
    }
}
