import QtQuick 2.15
import QtQuick.Controls 2.15

// The draggable box over a chart: the time under its centre and each curve's
// value nearest in time. Released at the chart's left edge it parks, narrow
// and translucent; it never leaves the chart.
Rectangle {
    id: tooltip
    objectName: "lineTooltip"

    property var chart: null
    property var model: null
    property var lines: []
    readonly property bool parked: x <= 0 && !dragArea.drag.active
    readonly property alias text: label.text

    x: chart ? chart.plotArea.x + 10 : 0
    y: chart ? chart.plotArea.y + 10 : 0
    width: lines.length > 0 ? model.tooltipWidth(lines, parked) : 250
    height: Math.max(90, lines.length * 18 + 12)
    color: "white"
    border.color: "grey"
    opacity: parked ? 0.3 : 1
    z: 5

    Label {
        id: label
        anchors.fill: parent
        anchors.margins: 6
        clip: true
        text: tooltip.lines.join("\n")
        font.family: "Microsoft YaHei"
        font.pixelSize: 12
    }

    MouseArea {
        id: dragArea
        anchors.fill: parent
        drag.target: tooltip
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: tooltip.chart ? tooltip.chart.width - tooltip.width : 0
        drag.maximumY: tooltip.chart ? tooltip.chart.height - tooltip.height : 0
        onPositionChanged: tooltip.refresh()
        onReleased: tooltip.refresh()
    }

    function refresh() {
        if (!chart || !model)
            return
        lines = model.tooltipLines(chart.timeAt(x + width / 2), chart.frozen)
    }
}
