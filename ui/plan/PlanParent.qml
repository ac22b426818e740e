import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// The plan view: the main plan and up to 19 parts, each behind a tab, with
// the part menu whose import submenu follows the table view's parts. Plans
// read the main table's rows; on the save broadcast every plan is registered
// and stores its figures and settings.
Item {
    id: planParent
    objectName: "planParent"

    property QtObject json: null
    property var weightingControl1: null
    // The table view: its main rows feed the plans, its parts can be imported.
    property Item tableView: null
    // The object whose saveProjectSignal() is the save broadcast.
    property QtObject saveBroadcast: null
    property string unit: "KG"
    property bool language_ch: true
    // The zone strip (part menu and tabs) is shown.
    property bool display: true
    property int currentPart: 0
    readonly property var mainRows: tableView ? tableView.mainTable.rows : null
    readonly property var currentPlan: planOf(currentPart)
    readonly property alias mainPlan: mainPlan
    readonly property alias parts: partList
    readonly property alias partNumbers: pool
    readonly property alias partMenu: partMenu
    readonly property alias partTabs: partTabs
    readonly property alias partDeleteDialog: deletePartDialog
    readonly property alias settingsPopup: settingsPopup

    // Log lines for the information page.
    signal qmlLogShowSignal(string st, string str)

    PartNumberPool { id: pool }

    // Tab order of the parts: { number, name, fromFile }.
    ListModel { id: partList }

    Connections {
        target: planParent.json
        function onUpLoadPlanPartSignal(index, name) { planParent.createPart(name, index) }
    }

    Connections {
        target: planParent.saveBroadcast
        function onSaveProjectSignal() { planParent.saveParts() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "planContainerHeader"
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            visible: planParent.display
            color: "#eef1f6"

            Row {
                anchors.fill: parent
                spacing: 4

                HeaderButton {
                    id: zoneButton
                    objectName: "planZoneButton"
                    width: 70
                    height: parent.height
                    picture: "qrc:/pic/addpic.png"
                    text: qsTr("分区管理")
                    onClicked: partMenu.m_menu.popup(zoneButton, 0, zoneButton.height)

                    PlanPartMenu {
                        id: partMenu
                        visible: false
                        language_ch: planParent.language_ch
                        onCreatePartSignal: planParent.createPart(name)
                    }
                }

                TabBar {
                    id: partTabs
                    objectName: "planPartTabs"
                    height: parent.height
                    width: parent.width - zoneButton.width - 4
                    background: null
                    onCurrentIndexChanged: {
                        planParent.currentPart = currentIndex <= 0 ? 0 : partList.get(currentIndex - 1).number
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

            // One delete entry per part in the part menu.
            Instantiator {
                model: partList
                delegate: MenuItem {
                    required property int number
                    required property string name
                    text: name
                    onTriggered: planParent.askDeletePart(number)
                }
                onObjectAdded: partMenu.deleteMenu.insertItem(index, object)
                onObjectRemoved: partMenu.deleteMenu.removeItem(object)
            }

            // One import entry per table part, for as long as that part exists.
            Instantiator {
                model: planParent.tableView ? planParent.tableView.parts : null
                delegate: MenuItem {
                    required property int number
                    required property string name
                    text: name
                    onTriggered: planParent.importTablePart(number)
                }
                onObjectAdded: partMenu.importMenu.insertItem(index, object)
                onObjectRemoved: partMenu.importMenu.removeItem(object)
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Plan {
                id: mainPlan
                anchors.fill: parent
                visible: planParent.currentPart === 0
                m_partIndex: 0
                json: planParent.json
                weightingControl1: planParent.weightingControl1
                mainRows: planParent.mainRows
                unit: planParent.unit
                onQmlLogShowSignal: planParent.qmlLogShowSignal(st, str)
            }
            Repeater {
                id: partPlans
                model: partList
                Plan {
                    required property int number
                    required property bool fromFile
                    anchors.fill: parent
                    visible: planParent.currentPart === number
                    m_partIndex: number
                    stored: fromFile
                    json: planParent.json
                    weightingControl1: planParent.weightingControl1
                    mainRows: planParent.mainRows
                    unit: planParent.unit
                    onQmlLogShowSignal: planParent.qmlLogShowSignal(st, str)
                }
            }
        }
    }

    PlanSetting {
        id: settingsPopup
        plan: planParent.currentPlan
    }

    Dialog {
        id: deletePartDialog
        objectName: "planDeletePartDialog"
        property int partNumber: 0
        anchors.centerIn: parent
        modal: true
        title: qsTr("删除分区")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTr("请确认是否删除该分区") }
        onAccepted: planParent.deletePart(partNumber)
    }

    function planOf(number) {
        if (number === 0)
            return mainPlan
        for (var i = 0; i < partPlans.count; ++i) {
            var plan = partPlans.itemAt(i)
            if (plan && plan.m_partIndex === number)
                return plan
        }
        return null
    }

    function openSettings() {
        settingsPopup.open()
    }

    // A new part takes the lowest free number and starts empty; a part from
    // the project file keeps its stored number and reads its figures back.
    // Nothing happens when all 19 are used.
    function createPart(name, storedNumber) {
        var fromFile = storedNumber !== undefined
        var number = fromFile ? storedNumber : pool.take()
        if (number === 0 || (fromFile && !pool.reserve(storedNumber)))
            return 0
        partList.append({ "number": number, "name": name, "fromFile": fromFile })
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
            return
        }
    }

    // The cells of a table part that the main table holds join the plan on screen.
    function importTablePart(number) {
        var table = tableView ? tableView.tableOf(number) : null
        if (table && currentPlan)
            currentPlan.figures.importPart(table.rows)
    }

    // Plans are registered in tab order, the main plan first, before any
    // stores its figures under its number.
    function saveParts() {
        json.savePlanParts(0, qsTr("主区"))
        for (var i = 0; i < partList.count; ++i)
            json.savePlanParts(partList.get(i).number, partList.get(i).name)
        mainPlan.save()
        for (var j = 0; j < partPlans.count; ++j)
            partPlans.itemAt(j).save()
    }

    Component.onCompleted: {
        if (json)
            json.readPlanParts()
    }
}
