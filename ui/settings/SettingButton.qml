import QtQuick 2.15
import QtQuick.Controls 2.15

// A plain button of the settings page, optionally with a picture before its caption.
Button {
    id: control
    property url picture: ""

    implicitHeight: 34
    topInset: 0
    bottomInset: 0
    font.family: "Microsoft YaHei"
    font.pixelSize: 13
    leftPadding: 6
    rightPadding: 6
    icon.source: picture
    icon.color: "transparent"
    icon.width: 18
    icon.height: 18
    background: Rectangle {
        color: !control.enabled ? "#eeeeee" : (control.down ? "#dde3ec" : "white")
        border.color: control.hovered ? "#334177" : "#c3ccda"
        radius: 3
    }
}
