import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// The line plot view: the main plot and up to 19 parts, each behind a tab,
// with the part menu and the settings popup of the plot on screen. On the
// save broadcast it registers every tab with the project file, then lets
// each plot store its curves and settings.
Item {
    id: linePlotParent
    objectName: "linePlotParent"

    // The workspace, for its header switch and "页面设置" signal.
    property var workspace: null
    // The information page, whose saveProjectSignal starts the save.
    property var savePage: null
    property var weightingControl1: null
    // The project file's display-part operations.
    property var json: null
    // The main table's rows, the live source of every curve.
    property var mainTableRows: null
    // The recorder whose readback feeds the history mode.
    property var recorder: null
    property bool chinese: true
    property int currentPart: 0
    readonly property var currentPlot: plotOf(currentPart)
    readonly property alias mainPlot: mainPlot
    readonly property alias partNumbers: pool
    readonly property alias parts: partList
    readonly property alias partMenu: partMenu
    readonly property alias partTabs: partTabs
    readonly property alias partDeleteDialog: deletePartDialog
    readonly property alias settingsPopup: settingsPopup

    // Every plot stores its curves and settings.
    signal saveProjectSignal()

    PartNumberPool { id: pool }

    // Tab order of the parts: { number, name }.
    ListModel { id: partList }

    Connections {
        target: linePlotParent.json
        function onUpLoadLinePlotPartSignal(index, name) { linePlotParent.createPart(name, index) }
    }

    Connections {
        target: linePlotParent.savePage
        function onSaveProjectSignal() { linePlotParent.saveParts() }
    }

    Connections {
        target: linePlotParent.workspace
        function onLinePlotSetSignal() { settingsPopup.open() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "linePlotContainerHeader"
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            visible: linePlotParent.workspace ? linePlotParent.workspace.display : true
            color: "#eef1f6"

            Row {
                anchors.fill: parent
                spacing: 4

                HeaderButton {
                    id: zoneButton
                    objectName: "lineZoneButton"
                    width: 70
                    height: parent.height
                    picture: "qrc:/pic/addpic.png"
                    text: qsTr("分区管理")
                    onClicked: partMenu.m_menu.popup(zoneButton, 0, zoneButton.height)

                    LinePartMenu {
                        id: partMenu
                        visible: false
                        language_ch: linePlotParent.chinese
                        tabBar: partTabs
                        onCreatePartSignal: linePlotParent.createPart(name)
                    }
                }

                TabBar {
                    id: partTabs
                    objectName: "linePlotPartTabs"
                    height: parent.height
                    width: parent.width - zoneButton.width - 4
                    background: null
                    onCurrentIndexChanged: {
                        linePlotParent.currentPart = currentIndex <= 0 ? 0 : partList.get(currentIndex - 1).number
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
                    onTriggered: linePlotParent.askDeletePart(number)
                }
                onObjectAdded: partMenu.deleteMenu.insertItem(index, object)
                onObjectRemoved: partMenu.deleteMenu.removeItem(object)
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            LinePlot {
                id: mainPlot
                anchors.fill: parent
                visible: linePlotParent.currentPart === 0
                m_partIndex: 0
                container: linePlotParent
            }
            Repeater {
                id: partPlots
                model: partList
                LinePlot {
                    required property int number
                    anchors.fill: parent
                    visible: linePlotParent.currentPart === number
                    m_partIndex: number
                    container: linePlotParent
                }
            }
        }
    }

    LinePlotSetting {
        id: settingsPopup
        plot: linePlotParent.currentPlot
        recorder: linePlotParent.recorder
    }

    Dialog {
        id: deletePartDialog
        objectName: "lineDeletePartDialog"
        property int partNumber: 0
        anchors.centerIn: parent
        modal: true
        title: qsTr("删除分区")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTr("请确认是否删除该分区") }
        onAccepted: linePlotParent.deletePart(partNumber)
    }

    function plotOf(number) {
        if (number === 0)
            return mainPlot
        for (var i = 0; i < partPlots.count; ++i) {
            var plot = partPlots.itemAt(i)
            if (plot && plot.m_partIndex === number)
                return plot
        }
        return null
    }

    // A new part takes the lowest free number; a part from the project file
    // keeps its stored one. Nothing happens when all 19 are used.
    function createPart(name, storedNumber) {
        var number = storedNumber === undefined ? pool.take() : storedNumber
        if (number === 0 || (storedNumber !== undefined && !pool.reserve(storedNumber)))
            return 0
        partList.append({ "number": number, "name": name })
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

    // Every tab is registered, the main tab first, before the plots store
    // anything under their numbers.
    function saveParts() {
        if (!json)
            return
        json.saveLinePlotParts(0, qsTr("主区"))
        for (var i = 0; i < partList.count; ++i)
            json.saveLinePlotParts(partList.get(i).number, partList.get(i).name)
        saveProjectSignal()
    }

    Component.onCompleted: {
        if (json)
            json.readLinePlotParts()
    }
}
