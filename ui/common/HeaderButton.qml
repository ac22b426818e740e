import QtQuick 2.15
import QtQuick.Controls 2.15

// A workspace header button: a picture above a short white caption.
AbstractButton {
    id: button
    property url picture
    property real captionPointSize: 9

    height: parent ? parent.height : 50
    hoverEnabled: true

    background: Rectangle {
        color: button.down ? "#25305a" : (button.hovered ? "#3d4d8c" : "#334177")
    }

    contentItem: Column {
        spacing: 1
        topPadding: 4
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 24
            height: 24
            sourceSize: Qt.size(48, 48)
            source: button.picture
            fillMode: Image.PreserveAspectFit
        }
        Text {
            width: button.width
            text: button.text
            color: "white"
            font.family: "Microsoft YaHei"
            font.pointSize: button.captionPointSize
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
        }
    }
}
