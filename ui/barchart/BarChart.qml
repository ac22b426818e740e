import QtQuick 2.15
import QtQuick.Controls 2.15
import VornUi 1.0

// One bar chart part: every row of its table twin as a bar, painted by one
// item that draws only the rows in view. The rows connect themselves to the
// weighing controller with the table's matching rules.
Item {
    id: barChart
    objectName: "barChart"

    property int m_partIndex: 0
    property var workspace: null
    property var weightingControl1: null
    // The project file the bars and the settings are loaded from and stored in.
    required property var projectFile
    // The alarm and warning colours of the bars.
    property string underload_name3: "Purple"
    property string overload_name4: "red"
    property string underwarn_name7: "LightBlue"
    property string overwarn_name8: "Orange"

    // The container whose save relay this chart follows.
    property var container: null
    property string unit: workspace ? workspace.m_uint : "KG"
    property int horizontalSlider_value: 50
    property alias gt1_checked: painter.showNames
    property alias mmb1_checked: painter.showMinMax
    property alias oua1_checked: painter.showAlarmMarkers
    property alias wm1_checked: painter.showWarnMarkers
    readonly property alias rows: rowModel
    readonly property alias painter: painter
    readonly property alias flickable: flick
    readonly property alias infoMenu: infoMenu

    BarRowModel {
        id: rowModel
        m_partIndex: barChart.m_partIndex
        controller: barChart.weightingControl1
        chartWidth: painter.width
        underload_name3: barChart.underload_name3
        overload_name4: barChart.overload_name4
        underwarn_name7: barChart.underwarn_name7
        overwarn_name8: barChart.overwarn_name8
        rect3_d: barChart.workspace ? barChart.workspace.rect3_d : 85
        rect4_d: barChart.workspace ? barChart.workspace.rect4_d : 85
        rect7_d: barChart.workspace ? barChart.workspace.rect7_d : 85
        rect8_d: barChart.workspace ? barChart.workspace.rect8_d : 85
    }

    BarChartItem {
        id: painter
        objectName: "barChartPainter"
        anchors.fill: parent
        anchors.rightMargin: scrollBar.width
        model: rowModel
        rowHeight: barChart.horizontalSlider_value / 2
        contentY: flick.contentY
        unit: barChart.unit
    }

    // Scrolling and the long press; the painter draws what is in view.
    Flickable {
        id: flick
        anchors.fill: painter
        anchors.topMargin: painter.rulerHeight
        anchors.bottomMargin: painter.rulerHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentWidth: width
        contentHeight: rowModel.count * painter.rowHeight
        ScrollBar.vertical: scrollBar

        MouseArea {
            width: flick.contentWidth
            height: Math.max(flick.contentHeight, flick.height)
            onPressAndHold: barChart.showInfo(mouse.x, mouse.y - flick.contentY + painter.rulerHeight)
        }
    }

    ScrollBar {
        id: scrollBar
        anchors.top: flick.top
        anchors.bottom: flick.bottom
        anchors.right: barChart.right
        policy: ScrollBar.AlwaysOn
    }

    MyMenuInfShowBarChart { id: infoMenu }

    Connections {
        target: barChart.projectFile
        function onUpLoadBarChartPartSetSignal(Partindex, allTotalData, cellMaxData, gt1_checked, mmb1_checked,
                                               oua1_checked, wm1_checked, checkBox_axisAdap_checked,
                                               horizontalSlider_value) {
            if (Partindex !== barChart.m_partIndex)
                return
            rowModel.allTotalData = allTotalData
            rowModel.cellMaxData = cellMaxData
            barChart.gt1_checked = gt1_checked
            barChart.mmb1_checked = mmb1_checked
            barChart.oua1_checked = oua1_checked
            barChart.wm1_checked = wm1_checked
            rowModel.axisAdaptive = checkBox_axisAdap_checked
            barChart.horizontalSlider_value = Math.max(30, Math.min(100, horizontalSlider_value))
        }
    }

    Connections {
        target: barChart.container
        function onSaveProjectSignal() { barChart.saveSettings() }
    }

    // The information menu of the bar under the press point (y in the
    // painter's coordinates).
    function showInfo(x, y) {
        var row = painter.rowAt(y)
        if (row < 0)
            return
        infoMenu.text = rowModel.infoText(row, unit)
        infoMenu.popup(painter, x, y)
    }

    function saveSettings() {
        projectFile.saveBarChartPartSet(m_partIndex, rowModel.allTotalData, rowModel.cellMaxData,
                                        gt1_checked, mmb1_checked, oua1_checked, wm1_checked,
                                        rowModel.axisAdaptive, horizontalSlider_value)
    }

    Component.onCompleted: {
        // A part starts with the total row, which its data replace.
        if (m_partIndex !== 0)
            rowModel.appendPlaceholder(1, 0, 0, "name")
        rowModel.loadPlaceholders(projectFile)
        projectFile.getBarChartPartSet(m_partIndex)
    }
}
