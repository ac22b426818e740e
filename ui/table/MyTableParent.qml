import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// The table view: the main table and up to 19 parts, each behind a tab, with
// the part menu, group assignment and deletion, selection mode and the
// 1-second refresh that drives the whole program's publication.
Item {
    id: myTableParent
    objectName: "myTableParent"

    property var workspace: null
    property var weightingControl1: null
    // The project controller: the parts are read from and registered with
    // its project file.
    required property var projectControl
    property bool language_ch: true
    // The alarm and warning colours of the rows.
    property string underload_name3: "Purple"
    property string overload_name4: "red"
    property string underwarn_name7: "LightBlue"
    property string overwarn_name8: "Orange"
    // The bar chart container; its twins follow the table parts.
    property MyBarChartParent barChartParent: null
    // The project page: percentages, the percentage switch, the language.
    property var projectPage: null
    // A settings panel is open: tabs are locked.
    property bool tableSetVisible: workspace ? workspace.tableSetVisible : false
    property int currentPart: 0
    readonly property var currentTable: tableOf(currentPart)
    readonly property alias mainTable: mainTable
    readonly property alias partNumbers: pool
    readonly property alias parts: partList
    readonly property alias partMenu: partMenu
    readonly property alias partDeleteDialog: deletePartDialog
    readonly property alias multiSelect: controls.multiSelect

    signal tablegropSetSignal(int group)
    signal tablegropremoveSignal()
    signal tablepartSetSignal()
    signal tablepartRemoveSignal()
    signal tablepartCreatSignal(int index)

    PartNumberPool { id: pool }

    // Percentage thresholds over the main table: the full pass, the step for
    // a new cell, and the group step after a group assignment.
    PercentageThresholds {
        id: percentThresholds
        controller: myTableParent.weightingControl1
        rows: mainTable.rows
        percentMode: myTableParent.projectPage ? myTableParent.projectPage.checkBox_setl : true
        m_text_MinWarnData: myTableParent.projectPage ? myTableParent.projectPage.text_MinWarn : "0"
        m_text_MaxWarnData: myTableParent.projectPage ? myTableParent.projectPage.text_MaxWarn : "80"
        m_text_MinErrData: myTableParent.projectPage ? myTableParent.projectPage.text_MinErr : "0"
        m_text_MaxErrData: myTableParent.projectPage ? myTableParent.projectPage.text_MaxErr : "100"
    }

    onTablegropSetSignal: percentThresholds.scheduleGroupStep()

    Connections {
        target: myTableParent.workspace
        function onTableSetSignal() { myTableParent.currentTable.settingPanel.open() }
        function onScannewCZSignal(pageid, index) { percentThresholds.cellStep(pageid, index) }
        function onScannewAllCZSignal() { percentThresholds.fullPass() }
    }

    // Tab order of the parts: { number, name }.
    ListModel { id: partList }

    // The refresh of the weighing controller: intake, totals, groups and the
    // publication every view lives on. Once a second on the whole second, so
    // the table update shares its frame with the log and status line.
    ScreenBeat {
        periodMs: 1000
        running: myTableParent.weightingControl1 !== null
        onCountChanged: myTableParent.weightingControl1.qmlRequestReflsh()
    }

    Connections {
        target: myTableParent.projectControl.Json
        function onUpLoadTablePartSignal(index, name) { myTableParent.createPart(name, index) }
    }

    // The bar chart container registers the parts with the project first.
    Connections {
        target: myTableParent.barChartParent
        function onSaveProjectSignal() { myTableParent.saveParts() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "tableContainerHeader"
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            visible: myTableParent.workspace ? myTableParent.workspace.display : true
            color: "#eef1f6"

            Row {
                anchors.left: parent.left
                anchors.right: controls.left
                height: parent.height
                spacing: 4

                HeaderButton {
                    id: zoneButton
                    objectName: "zoneManagementButton"
                    width: 70
                    height: parent.height
                    picture: "qrc:/pic/addpic.png"
                    text: qsTr("分区管理")
                    onClicked: {
                        if (!myTableParent.tableSetVisible)
                            partMenu.m_menu.popup(zoneButton, 0, zoneButton.height)
                    }

                    MyPartMenu {
                        id: partMenu
                        visible: false
                        language_ch: myTableParent.language_ch
                        onCreatePartSignal: myTableParent.createPart(name)
                    }
                }

                TabBar {
                    id: partTabs
                    objectName: "partTabs"
                    height: parent.height
                    width: parent.width - zoneButton.width - 4
                    enabled: !myTableParent.tableSetVisible
                    background: null
                    onCurrentIndexChanged: {
                        myTableParent.currentPart = currentIndex <= 0 ? 0 : partList.get(currentIndex - 1).number
                    }

                    PartTab {
                        width: 80
                        text: qsTr("主区")
                        picture: "qrc:/pic/mainpic.png"
                    }
                    Repeater {
                        model: partList
                        PartTab {
                            required property string name
                            text: name
                        }
                    }
                }
            }

            TableContainerControls {
                id: controls
                anchors.right: parent.right
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                container: myTableParent
                parts: partList
            }

            // One delete entry per part in the part menu.
            Instantiator {
                model: partList
                delegate: MenuItem {
                    required property int number
                    required property string name
                    text: name
                    onTriggered: myTableParent.askDeletePart(number)
                }
                onObjectAdded: partMenu.deleteMenu.insertItem(index, object)
                onObjectRemoved: partMenu.deleteMenu.removeItem(object)
            }
        }

        Item {
            id: tables
            Layout.fillWidth: true
            Layout.fillHeight: true

            Table {
                id: mainTable
                anchors.fill: parent
                visible: myTableParent.currentPart === 0
                m_partIndex: 0
                workspace: myTableParent.workspace
                weightingControl1: myTableParent.weightingControl1
                projectFile: myTableParent.projectControl.Json
                underload_name3: myTableParent.underload_name3
                overload_name4: myTableParent.overload_name4
                underwarn_name7: myTableParent.underwarn_name7
                overwarn_name8: myTableParent.overwarn_name8
                multiSelect: controls.multiSelect
                chartRows: myTableParent.barChartParent ? myTableParent.barChartParent.mainChart.rows : null
                thresholds: percentThresholds
                projectPage: myTableParent.projectPage
                onSettingsShown: myTableParent.setConfiguring(open)
            }
            Repeater {
                id: partTables
                model: partList
                Table {
                    required property int number
                    anchors.fill: parent
                    visible: myTableParent.currentPart === number
                    m_partIndex: number
                    workspace: myTableParent.workspace
                    weightingControl1: myTableParent.weightingControl1
                    projectFile: myTableParent.projectControl.Json
                    underload_name3: myTableParent.underload_name3
                    overload_name4: myTableParent.overload_name4
                    underwarn_name7: myTableParent.underwarn_name7
                    overwarn_name8: myTableParent.overwarn_name8
                    multiSelect: controls.multiSelect
                    projectPage: myTableParent.projectPage
                    onSettingsShown: myTableParent.setConfiguring(open)
                }
            }
        }
    }

    Dialog {
        id: deletePartDialog
        objectName: "deletePartDialog"
        property int partNumber: 0
        anchors.centerIn: parent
        modal: true
        title: qsTr("删除分区")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTr("请确认是否删除该分区") }
        onAccepted: myTableParent.deletePart(partNumber)
    }

    function tableOf(number) {
        if (number === 0)
            return mainTable
        for (var i = 0; i < partTables.count; ++i) {
            var table = partTables.itemAt(i)
            if (table && table.m_partIndex === number)
                return table
        }
        return null
    }

    // A new part takes the lowest free number; a part from the project file
    // keeps its stored one. Nothing happens when all 19 are used. The table
    // part and its bar chart twin share one row order.
    function createPart(name, storedNumber) {
        var number = storedNumber === undefined ? pool.take() : storedNumber
        if (number === 0 || (storedNumber !== undefined && !pool.reserve(storedNumber)))
            return 0
        partList.append({ "number": number, "name": name })
        if (barChartParent) {
            barChartParent.createPart(number, name)
            tableOf(number).chartRows = barChartParent.partModel(number)
        }
        return number
    }

    function askDeletePart(number) {
        deletePartDialog.partNumber = number
        deletePartDialog.open()
    }

    function deletePart(number) {
        for (var i = 0; i < partList.count; ++i) {
            if (partList.get(i).number !== number)
                continue
            if (currentPart === number)
                partTabs.currentIndex = 0
            partList.remove(i)
            pool.release(number)
            if (barChartParent)
                barChartParent.deletePart(number)
            projectControl.Json.removeTablePart(number)
            tablepartCreatSignal(number)
            return
        }
    }

    // Appends a placeholder row for a cell to a part's table and its twin,
    // unless the part holds the cell already.
    function addCellToPart(partIndex, pageId, index) {
        var table = tableOf(partIndex)
        if (table)
            table.twin.addCell(pageId, index)
    }

    // The settings panel of a table opened or closed: the tab bars lock.
    function setConfiguring(open) {
        if (workspace)
            workspace.tableSetVisible = open
    }

    function setGroup(g) {
        if (currentTable.setGroup(g))
            tablegropSetSignal(g)
    }

    function deleteGroup() {
        currentTable.deleteGroup()
        tablegropremoveSignal()
    }

    function addSelectedToPart(number) {
        var target = tableOf(number)
        if (!target)
            return
        if (target.twin.addSelectedFrom(currentTable.rows) === 0) {
            currentTable.notice.show(qsTr("请选择需添加的设备"))
            return
        }
        tablepartSetSignal()
    }

    function removeSelectedFromPart() {
        if (currentPart === 0)
            return
        currentTable.twin.removeSelected()
        tablepartRemoveSignal()
    }

    // Every table stores its rows under its registered part number.
    function saveParts() {
        mainTable.saveRows()
        for (var j = 0; j < partTables.count; ++j)
            partTables.itemAt(j).saveRows()
    }

    Component.onCompleted: projectControl.readTableParts()
}
