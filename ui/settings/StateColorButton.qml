import QtQuick 2.15
import QtQuick.Controls 2.15

// A button of the settings page that shows a state colour as its background.
Button {
    id: control
    property color stateColor: "white"

    implicitHeight: 34
    topInset: 0
    bottomInset: 0
    font.family: "Microsoft YaHei"
    font.pixelSize: 13
    background: Rectangle {
        color: control.stateColor
        border.color: control.hovered ? "#05033f" : "#c3ccda"
        radius: 3
    }
}
