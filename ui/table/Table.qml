import QtQuick 2.15
import QtQuick.Controls 2.15
import VornUi 1.0

// One table part: the header with its counters and the rows of its row model.
// The model connects itself to the weighing controller; the main part takes
// in every new cell and group, the other parts follow the rows they hold.
Item {
    id: table
    objectName: "table"

    property int m_partIndex: 0
    property var workspace: null
    property var weightingControl1: null
    // The project file the rows are loaded from and stored in.
    required property var projectFile
    // The alarm and warning colours of the rows.
    property string underload_name3: "Purple"
    property string overload_name4: "red"
    property string underwarn_name7: "LightBlue"
    property string overwarn_name8: "Orange"
    property bool multiSelect: false
    property string unit: workspace ? workspace.m_uint : "KG"
    // The rows of the twin bar chart part; both follow one order.
    property CellRowModel chartRows: null
    // The main table's percentage pass, for its settings panel.
    property PercentageThresholds thresholds: null
    // Keeps the percentages and the language the settings panel uses.
    property var projectPage: null
    readonly property alias rows: rowModel
    readonly property alias twin: twinOrder
    readonly property alias settingPanel: settingPanel
    readonly property alias notice: shortNotice
    readonly property alias groupDeleteDialog: deleteGroupDialog
    readonly property alias listView: list

    // The settings panel opened or closed.
    signal settingsShown(bool open)

    TableRowModel {
        id: rowModel
        m_partIndex: table.m_partIndex
        controller: table.weightingControl1
        underload_name3: table.underload_name3
        overload_name4: table.overload_name4
        underwarn_name7: table.underwarn_name7
        overwarn_name8: table.overwarn_name8
        rect3_d: table.workspace ? table.workspace.rect3_d : 85
        rect4_d: table.workspace ? table.workspace.rect4_d : 85
        rect7_d: table.workspace ? table.workspace.rect7_d : 85
        rect8_d: table.workspace ? table.workspace.rect8_d : 85
    }

    TwinRowOrder {
        id: twinOrder
        table: rowModel
        chart: table.chartRows
    }

    TableColumns {
        id: tableColumns
        width: table.width
        underAlarm: rowModel.rect3_d === 85
        overAlarm: rowModel.rect4_d === 85
        underWarn: rowModel.rect7_d === 85
        overWarn: rowModel.rect8_d === 85
        weighingType: table.workspace ? table.workspace.rect10_d === 85 : false
        minimum: table.workspace ? table.workspace.rect5_d === 85 : true
        maximum: table.workspace ? table.workspace.rect6_d === 85 : true
    }

    // The counters of the part on screen follow once a second, on the beat
    // of the refresh.
    ScreenBeat {
        periodMs: 1000
        running: table.visible
        onCountChanged: rowModel.updateCounters()
    }

    TableHeader {
        id: header
        columns: tableColumns
        rows: rowModel
        unit: table.unit
    }

    ListView {
        id: list
        objectName: "tableRows"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        clip: true
        model: rowModel
        reuseItems: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AlwaysOn }
        delegate: TableRow {
            columns: tableColumns
            onRowClicked: table.rowClicked(row, modifiers)
        }
    }

    ShortNotice { id: shortNotice }

    MyTableSettingTopMenu {
        id: settingPanel
        rows: rowModel
        twin: twinOrder
        controller: table.weightingControl1
        thresholds: table.thresholds
        workspace: table.workspace
        projectPage: table.projectPage
        json: table.projectFile
        onOpened: table.settingsShown(true)
        onClosed: table.settingsShown(false)
    }

    Dialog {
        id: deleteGroupDialog
        objectName: "deleteGroupDialog"
        anchors.centerIn: parent
        modal: true
        title: qsTr("删除组")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTr("请确认是否删除该组") }
        onAccepted: rowModel.removeSelectedGroups()
    }

    function rowClicked(row, modifiers) {
        if (modifiers & Qt.ShiftModifier)
            rowModel.shiftClickRow(row)
        else if (modifiers & Qt.ControlModifier)
            rowModel.ctrlClickRow(row)
        else
            rowModel.clickRow(row, multiSelect)
    }

    // Puts the selected rows into group g (0 takes them out of their group);
    // false when nothing is selected.
    function setGroup(g) {
        if (rowModel.assignGroupToSelected(g) === 0) {
            shortNotice.show(qsTr("请选择设备"))
            return false
        }
        return true
    }

    function deleteGroup() {
        if (rowModel.selectedGroupCount() === 0)
            shortNotice.show(qsTr("请选择需删除的组"))
        else
            deleteGroupDialog.open()
    }

    function saveRows() {
        rowModel.saveRows(projectFile)
    }

    Component.onCompleted: {
        // A part starts with the total row, which its data replace.
        if (m_partIndex !== 0)
            rowModel.appendPlaceholder(1, 0, 0, "name")
        rowModel.loadPlaceholders(projectFile)
    }
}
