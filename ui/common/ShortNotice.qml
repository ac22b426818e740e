import QtQuick 2.15
import QtQuick.Controls 2.15

// A short notice in the middle of its parent: fades in over 500 ms, stays
// 3 seconds and fades out over 500 ms.
Rectangle {
    id: notice
    objectName: "shortNotice"
    width: 300
    height: 40
    anchors.centerIn: parent
    color: "white"
    border.color: "grey"
    opacity: 0
    visible: opacity > 0
    z: 100

    property alias text: label.text

    function show(message) {
        label.text = message
        fade.restart()
    }

    Label {
        id: label
        anchors.fill: parent
        anchors.margins: 4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        font.family: "Microsoft YaHei"
    }

    SequentialAnimation {
        id: fade
        NumberAnimation { target: notice; property: "opacity"; to: 1; duration: 500 }
        PauseAnimation { duration: 3000 }
        NumberAnimation { target: notice; property: "opacity"; to: 0; duration: 500 }
    }
}
