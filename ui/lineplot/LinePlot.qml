import QtQuick 2.15
import QtQuick.Controls 2.15
import VornUi 1.0

// One line plot: its curves in a C++ model sampled once a second, the live
// chart and the paused copy, the tooltip and the busy box of a history load.
Item {
    id: linePlot
    objectName: "linePlot"

    property int m_partIndex: 0
    // The container: the sources every plot shares and its save relay.
    property var container: null
    readonly property alias model: plotModel
    readonly property alias liveChart: liveChart
    readonly property alias frozenChart: frozenChart
    readonly property alias tooltip: tooltip
    readonly property alias busyBox: busyBox
    readonly property var shownChart: plotModel.linerunset ? liveChart : frozenChart

    LinePlotModel {
        id: plotModel
        m_partIndex: linePlot.m_partIndex
        controller: linePlot.container ? linePlot.container.weightingControl1 : null
        sourceRows: linePlot.container ? linePlot.container.mainTableRows : null
        recorder: linePlot.container ? linePlot.container.recorder : null
    }

    // Live: one point per curve; history: the pending curve action.
    Timer {
        interval: 1000
        repeat: true
        running: true
        onTriggered: {
            plotModel.sample()
            if (plotModel.linerunset && !plotModel.dataSourceErr_tag)
                tooltip.refresh()
        }
    }

    LinePlotItem {
        id: liveChart
        objectName: "liveChart"
        anchors.fill: parent
        model: plotModel
        visible: plotModel.linerunset
    }
    LinePlotItem {
        id: frozenChart
        objectName: "frozenChart"
        anchors.fill: parent
        model: plotModel
        frozen: true
        visible: !plotModel.linerunset
    }

    LinePlotTooltip {
        id: tooltip
        chart: linePlot.shownChart
        model: plotModel
    }

    Rectangle {
        id: busyBox
        objectName: "lineBusyBox"
        anchors.centerIn: parent
        width: 320
        height: 60
        visible: plotModel.read_recordDate
        color: "white"
        border.color: "grey"
        z: 10

        Row {
            anchors.centerIn: parent
            spacing: 8
            BusyIndicator {
                width: 40
                height: 40
                running: busyBox.visible
            }
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("正在读取数据,请稍后...")
                font.family: "Microsoft YaHei"
            }
        }
    }

    Connections {
        target: linePlot.container
        function onSaveProjectSignal() { plotModel.saveTo(linePlot.container.json) }
    }

    Component.onCompleted: {
        if (container)
            plotModel.loadFrom(container.json)
    }
}
