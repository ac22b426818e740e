import QtQuick 2.15
import QtQuick.Controls 2.15

// The information menu of a plan figure: the cell's details as one block of
// text, then moving the figure up or down the stacking order.
Menu {
    id: menu
    objectName: "planInfoMenu"
    width: 300
    font.family: "Microsoft YaHei"
    font.pointSize: 11

    property string text: ""
    property int row: -1
    property bool canRaise: false
    property bool canLower: false

    signal raiseRequested(int row)
    signal lowerRequested(int row)

    MenuItem {
        width: menu.width
        height: infoText.implicitHeight + 16
        contentItem: Text {
            id: infoText
            objectName: "planInfoText"
            text: menu.text
            font: menu.font
            wrapMode: Text.WrapAnywhere
        }
    }
    MenuItem {
        objectName: "raiseItem"
        text: qsTr("上移")
        enabled: menu.canRaise
        onTriggered: menu.raiseRequested(menu.row)
    }
    MenuItem {
        objectName: "lowerItem"
        text: qsTr("下移")
        enabled: menu.canLower
        onTriggered: menu.lowerRequested(menu.row)
    }
}
