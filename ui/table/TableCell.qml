import QtQuick 2.15

// One cell of a table row or header: a framed, centred text.
Rectangle {
    property alias text: label.text
    property alias textColor: label.color
    property alias pointSize: label.font.pointSize
    property alias wrapMode: label.wrapMode

    height: parent ? parent.height : 60
    border.color: "#c8c8c8"
    border.width: 1

    Text {
        id: label
        anchors.fill: parent
        anchors.margins: 2
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.family: "Microsoft YaHei"
        font.pointSize: 11
        elide: Text.ElideRight
    }
}
