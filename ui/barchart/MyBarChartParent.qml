import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The bar chart view: the main chart and one chart per table part, created,
// ordered and deleted by the table view together with its own parts. On the
// workspace's save broadcast it registers every table part with the project
// and then lets the table parts store their rows and the charts their
// settings.
Item {
    id: myBarChartParent
    objectName: "myBarChartParent"

    property var workspace: null
    property var weightingControl1: null
    // The project controller the table parts are registered with.
    required property var projectControl
    // The alarm and warning colours of the bars.
    property string underload_name3: "Purple"
    property string overload_name4: "red"
    property string underwarn_name7: "LightBlue"
    property string overwarn_name8: "Orange"

    property int currentPart: 0
    readonly property var currentChart: chartOf(currentPart)
    readonly property alias mainChart: mainChart
    readonly property alias parts: partList
    readonly property alias partTabs: partTabs
    readonly property alias settingsPopup: settingsPopup

    // Every table part stores its rows and every chart its settings.
    signal saveProjectSignal()

    // Tab order of the parts: { number, name }.
    ListModel { id: partList }

    Connections {
        target: myBarChartParent.workspace ? myBarChartParent.workspace.testPage : null
        function onSaveProjectSignal() { myBarChartParent.saveParts() }
    }

    Connections {
        target: myBarChartParent.workspace
        function onBarChartSetSignal() { settingsPopup.open() }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            objectName: "barChartContainerHeader"
            Layout.fillWidth: true
            Layout.preferredHeight: 60
            visible: myBarChartParent.workspace ? myBarChartParent.workspace.display : true
            color: "#eef1f6"

            TabBar {
                id: partTabs
                objectName: "barChartPartTabs"
                height: parent.height
                width: parent.width
                background: null
                onCurrentIndexChanged: {
                    myBarChartParent.currentPart = currentIndex <= 0 ? 0 : partList.get(currentIndex - 1).number
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

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            BarChart {
                id: mainChart
                anchors.fill: parent
                visible: myBarChartParent.currentPart === 0
                m_partIndex: 0
                workspace: myBarChartParent.workspace
                weightingControl1: myBarChartParent.weightingControl1
                projectFile: myBarChartParent.projectControl.Json
                underload_name3: myBarChartParent.underload_name3
                overload_name4: myBarChartParent.overload_name4
                underwarn_name7: myBarChartParent.underwarn_name7
                overwarn_name8: myBarChartParent.overwarn_name8
                container: myBarChartParent
            }
            Repeater {
                id: partCharts
                model: partList
                BarChart {
                    required property int number
                    anchors.fill: parent
                    visible: myBarChartParent.currentPart === number
                    m_partIndex: number
                    workspace: myBarChartParent.workspace
                    weightingControl1: myBarChartParent.weightingControl1
                    projectFile: myBarChartParent.projectControl.Json
                    underload_name3: myBarChartParent.underload_name3
                    overload_name4: myBarChartParent.overload_name4
                    underwarn_name7: myBarChartParent.underwarn_name7
                    overwarn_name8: myBarChartParent.overwarn_name8
                    container: myBarChartParent
                }
            }
        }
    }

    BarChartSetting {
        id: settingsPopup
        chart: myBarChartParent.currentChart
    }

    function chartOf(number) {
        if (number === 0)
            return mainChart
        for (var i = 0; i < partCharts.count; ++i) {
            var chart = partCharts.itemAt(i)
            if (chart && chart.m_partIndex === number)
                return chart
        }
        return null
    }

    // The twin of a new table part, at the end of the tabs.
    function createPart(number, name) {
        if (number <= 0 || chartOf(number))
            return
        partList.append({ "number": number, "name": name })
    }

    function deletePart(number) {
        for (var i = 0; i < partList.count; ++i) {
            if (partList.get(i).number !== number)
                continue
            if (currentPart === number)
                partTabs.currentIndex = 0
            partList.remove(i)
            return
        }
    }

    // The bar rows of a part: the twin of the table part with that number.
    function partModel(number) {
        var chart = chartOf(number)
        return chart ? chart.rows : null
    }

    // Table parts are registered in tab order, the main part first, before
    // anything is stored under their numbers.
    function saveParts() {
        projectControl.saveTableParts(0, qsTr("主区"))
        for (var i = 0; i < partList.count; ++i)
            projectControl.saveTableParts(partList.get(i).number, partList.get(i).name)
        saveProjectSignal()
    }
}
