import QtQuick 2.15

// Widths of a table's columns. ID and state are 60 pixels; the name takes a
// share and a half, every other shown column one share. A hidden column has
// width 0 and is not shown.
QtObject {
    property real width: 0
    property bool underAlarm: true
    property bool overAlarm: true
    property bool underWarn: true
    property bool overWarn: true
    property bool weighingType: false
    property bool minimum: true
    property bool maximum: true

    readonly property int shownValues: 1 + underAlarm + overAlarm + underWarn + overWarn
                                       + weighingType + minimum + maximum
    readonly property real share: Math.max(40, (width - 120) / (shownValues + 1.5))
    readonly property real id: 60
    readonly property real state: 60
    readonly property real name: share * 1.5
    readonly property real value: share
}
