import QtQuick 2.15
import QtQuick.Controls 2.15

// The information menu of a bar: the cell's details as one block of text.
Menu {
    id: menu
    objectName: "barInfoMenu"
    width: 300

    property string text: ""

    MenuItem {
        id: infoItem
        width: menu.width
        height: infoText.implicitHeight + 16
        contentItem: Text {
            id: infoText
            objectName: "barInfoText"
            text: menu.text
            font.family: "Microsoft YaHei"
            font.pointSize: 11
            wrapMode: Text.WrapAnywhere
        }
    }
}
