import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import MyWeightingConTrol 1.0
import VornUi 1.0

// The settings panel of one table: order and selection of its rows (its bar
// chart twin follows), the visible columns, tare, creation and deletion of
// cells, thresholds and names. Modal over a dimmed view; Escape or "关闭"
// closes it and stores the column switches.
Popup {
    id: panel
    objectName: "tableSettingPanel"

    property TableRowModel rows: null
    property TwinRowOrder twin: null
    property WeightingConTrol controller: null
    // The main table's percentage pass; null on a part table.
    property PercentageThresholds thresholds: null
    // Keeps the column switches.
    property var workspace: null
    // Keeps the percentages, the percentage switch and the language.
    property var projectPage: null
    // The project file the column switches are stored in.
    property var json: null
    readonly property bool chinese: projectPage ? projectPage.lanuage : false
    readonly property alias actions: actions
    readonly property alias notice: shortNotice
    readonly property alias deleteDialog: deleteDialog
    readonly property alias orderRows: orderRows
    readonly property alias columnRow: columnRow
    readonly property alias deviceRow: deviceRow
    readonly property alias thresholdRows: thresholdRows

    width: 600
    height: 410
    anchors.centerIn: Overlay.overlay
    modal: true
    closePolicy: Popup.CloseOnEscape
    padding: 8
    font.pixelSize: 12
    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.5) }
    enter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 300 } }
    exit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 300 } }

    TableSettingActions {
        id: actions
        controller: panel.controller
        rows: panel.rows
    }

    Connections {
        target: panel.projectPage
        function onLanguageChangeSignal() { deviceRow.rebuildTypes() }
    }

    onAboutToShow: {
        columnRow.tareField.text = actions.currentValue("peel001")
        thresholdRows.prefill()
    }
    onClosed: {
        if (!json || !workspace)
            return
        json.saveTableSetParts(workspace.rect3_d, workspace.rect4_d, workspace.rect7_d, workspace.rect8_d,
                               workspace.rect10_d, workspace.rect5_d, workspace.rect6_d)
        json.getTableSetPart()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            Label {
                Layout.fillWidth: true
                text: qsTranslate("MyTableSettingTopMenu", "数据表页面设置")
                font.pixelSize: 16
                font.bold: true
            }
            PanelButton {
                objectName: "closeButton"
                text: qsTranslate("MyTableSettingTopMenu", "关闭")
                onClicked: panel.close()
            }
        }
        TableSetOrderRows {
            id: orderRows
            twin: panel.twin
            rows: panel.rows
            actions: actions
            onNoticeRequested: shortNotice.show(text)
        }
        TableSetColumnRow {
            id: columnRow
            workspace: panel.workspace
            controller: panel.controller
            actions: actions
            onNoticeRequested: shortNotice.show(text)
        }
        TableSetDeviceRow {
            id: deviceRow
            controller: panel.controller
            actions: actions
            onNoticeRequested: shortNotice.show(text)
            onDeleteRequested: deleteDialog.open()
        }
        TableSetThresholdRows {
            id: thresholdRows
            actions: actions
            thresholds: panel.thresholds
            projectPage: panel.projectPage
            chinese: panel.chinese
            onNoticeRequested: shortNotice.show(text)
        }
        Item { Layout.fillHeight: true }
    }

    ShortNotice { id: shortNotice }

    Dialog {
        id: deleteDialog
        objectName: "deleteDeviceDialog"
        anchors.centerIn: parent
        modal: true
        title: qsTranslate("MyTableSettingTopMenu", "删除设备")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTranslate("MyTableSettingTopMenu", "请确认是否删除该设备") }
        onAccepted: actions.deleteSelectedCells()
    }
}
