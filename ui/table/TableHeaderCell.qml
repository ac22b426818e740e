import QtQuick 2.15

// A header cell: caption in white on "#334177", with an optional strip at the
// bottom showing a figure in a state colour.
Rectangle {
    id: headerCell
    height: parent ? parent.height : 50
    color: "#334177"
    border.color: "#5d5d8a"

    property alias text: caption.text
    property string stripText: ""
    property color stripColor: "#3399ff"
    property bool stripShown: false

    Text {
        id: caption
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: headerCell.stripShown ? parent.height / 2 : parent.height
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: "white"
        font.family: "Microsoft YaHei"
        font.pointSize: 11
        elide: Text.ElideRight
    }

    Rectangle {
        objectName: "headerStrip"
        visible: headerCell.stripShown
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 2
        height: parent.height / 2 - 2
        color: headerCell.stripColor

        Text {
            anchors.fill: parent
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: headerCell.stripText
            color: "white"
            font.family: "Microsoft YaHei"
            font.pointSize: 10
            elide: Text.ElideRight
        }
    }
}
