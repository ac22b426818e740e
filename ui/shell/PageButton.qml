import QtQuick 2.15
import QtQuick.Controls 2.15

// The white push button of the project page.
Button {
    id: control
    font.pixelSize: 15
    leftPadding: 8
    rightPadding: 8
    background: Rectangle {
        color: control.down ? "#dde3ec" : "white"
        border.color: control.hovered ? "#334177" : "#c3ccda"
        radius: 3
    }
}
