import QtQuick 2.15
import QtQuick.Controls 2.15

// A tab of the table container: a picture or a name wrapped anywhere in
// 9-point black; the selected tab fades from white to dark grey. The style's
// padding is kept small so a picture with its caption, or a name of three
// lines, fits the 60-pixel header whole.
TabButton {
    id: tab
    property url picture

    width: 130
    // The tab bar centres tabs on the tallest one's implicit height; the
    // header's full height keeps every tab inside it.
    implicitHeight: 60
    topPadding: 2
    bottomPadding: 2
    leftPadding: 4
    rightPadding: 4
    font.family: "Microsoft YaHei"
    font.pointSize: 9

    contentItem: Item {
        Column {
            anchors.centerIn: parent
            width: parent.width
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
                objectName: "partTabCaption"
                width: parent.width
                text: tab.text
                font: tab.font
                color: "black"
                wrapMode: Text.WrapAnywhere
                maximumLineCount: 3
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignHCenter
            }
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
