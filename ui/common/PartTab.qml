import QtQuick 2.15
import QtQuick.Controls 2.15

// A tab of the table container: a picture or a name wrapped anywhere in
// 9-point black; the selected tab fades from white to dark grey.
TabButton {
    id: tab
    property url picture

    width: 130
    height: parent ? parent.height : 60
    font.family: "Microsoft YaHei"
    font.pointSize: 9

    contentItem: Column {
        spacing: 2
        Image {
            visible: tab.picture.toString() !== ""
            anchors.horizontalCenter: parent.horizontalCenter
            width: 28
            height: 28
            sourceSize: Qt.size(56, 56)
            source: tab.picture
            fillMode: Image.PreserveAspectFit
        }
        Text {
            width: tab.width - 8
            text: tab.text
            font: tab.font
            color: "black"
            wrapMode: Text.WrapAnywhere
            maximumLineCount: 3
            horizontalAlignment: Text.AlignHCenter
        }
    }

    background: Rectangle {
        color: "white"
        border.color: "#c8c8c8"
        gradient: tab.checked ? selectedGradient : null
        Gradient {
            id: selectedGradient
            GradientStop { position: 0.6; color: "white" }
            GradientStop { position: 1.0; color: "darkgrey" }
        }
    }
}
