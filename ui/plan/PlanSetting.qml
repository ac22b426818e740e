import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import VornUi 1.0

// The settings popup of the visible plan: the background picture, names on
// the figures, and placing or removing figures one by one or by range.
Popup {
    id: setting
    objectName: "planSetting"

    property var plan: null
    readonly property var figures: plan ? plan.figures : null
    readonly property var picture: plan ? plan.picture : null
    // The main table's rows not yet on the plan, as the drop-down lists them.
    property var addable: []

    width: 600
    height: 400
    anchors.centerIn: Overlay.overlay
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape
    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.5) }

    onOpened: refreshAddable()

    Connections {
        target: setting.figures
        function onCountChanged() { setting.refreshAddable() }
    }

    Platform.FileDialog {
        id: pictureDialog
        objectName: "pictureDialog"
        nameFilters: ["picture (*.jpeg *.png *.jpg)"]
        onAccepted: setting.picture.source = file
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        Label {
            text: qsTr("布局图页面设置")
            font.pointSize: 14
            font.bold: true
        }

        RowLayout {
            Button {
                objectName: "choosePicture"
                text: qsTr("选择背景图片")
                onClicked: pictureDialog.open()
            }
            Button {
                objectName: "clearPicture"
                text: qsTr("清除背景图片")
                onClicked: setting.picture.clear()
            }
            Button {
                objectName: "resetPicture"
                text: qsTr("图片复位")
                onClicked: setting.picture.reset()
            }
            CheckBox {
                objectName: "showNames"
                text: qsTr("显示名称")
                checked: setting.picture ? setting.picture.narrow : true
                onToggled: setting.picture.narrow = checked
            }
        }

        RowLayout {
            ComboBox {
                id: singleAdd
                objectName: "singleAdd"
                Layout.preferredWidth: 260
                model: setting.addable
                textRole: "text"
                displayText: qsTr("单项添加")
                onActivated: setting.figures.addCell(setting.addable[index].pageId, setting.addable[index].index)
            }
            ComboBox {
                id: singleDelete
                objectName: "singleDelete"
                Layout.preferredWidth: 260
                model: setting.figures
                textRole: "label"
                displayText: qsTr("单项删除")
                onActivated: setting.figures.removeAt(index)
            }
        }

        RowLayout {
            TextField {
                id: addRange
                objectName: "bulkAddField"
                Layout.preferredWidth: 160
                selectByMouse: true
                placeholderText: qsTr("1.01-1.99")
                validator: CellIdRangeValidator {}
            }
            Button {
                objectName: "bulkAdd"
                text: qsTr("批量添加")
                onClicked: setting.figures.addRange(addRange.text)
            }
            TextField {
                id: removeRange
                objectName: "bulkDeleteField"
                Layout.preferredWidth: 160
                selectByMouse: true
                placeholderText: qsTr("1.01-1.99")
                validator: CellIdRangeValidator {}
            }
            Button {
                objectName: "bulkDelete"
                text: qsTr("批量删除")
                onClicked: setting.figures.removeRange(removeRange.text)
            }
        }

        Item { Layout.fillHeight: true }

        Button {
            objectName: "planSettingClose"
            Layout.alignment: Qt.AlignRight
            text: qsTr("关闭")
            onClicked: setting.close()
        }
    }

    function refreshAddable() {
        addable = figures ? figures.addableCells() : []
    }
}
