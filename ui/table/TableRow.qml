import QtQuick 2.15

// One row of a table. Every value, colour and text comes from the row model
// (the required properties are its roles); the delegate only binds and passes
// clicks on.
Item {
    id: tableRow
    objectName: "tableRow"
    width: cells.width
    height: 60

    property var columns

    required property int index
    required property string name001
    required property int width1
    required property int maxWidth001
    required property int minWidth001
    required property int maxWarn001
    required property int minWarn001
    required property int maxErr001
    required property int minErr001
    required property string widthColor
    required property string minColor
    required property string maxColor
    required property string stateText
    required property string stateColor
    required property string idText
    required property string idColor
    required property string nameColor
    required property string typeText

    signal rowClicked(int row, int modifiers)

    MouseArea {
        anchors.fill: parent
        onClicked: tableRow.rowClicked(tableRow.index, mouse.modifiers)
    }

    Row {
        id: cells
        height: parent.height
        TableCell {
            objectName: "idCell"
            width: tableRow.columns.id
            text: tableRow.idText
            color: tableRow.idColor
        }
        TableCell {
            objectName: "stateCell"
            width: tableRow.columns.state
            text: tableRow.stateText
            color: tableRow.stateColor
            pointSize: tableRow.stateText.indexOf("\n") >= 0 ? 8 : 11
            wrapMode: Text.NoWrap
        }
        TableCell {
            objectName: "nameCell"
            width: tableRow.columns.name
            text: tableRow.name001
            color: tableRow.nameColor
        }
        TableCell {
            objectName: "weightCell"
            width: tableRow.columns.value
            text: tableRow.width1
            color: tableRow.widthColor
        }
        TableCell {
            visible: tableRow.columns.underAlarm
            width: visible ? tableRow.columns.value : 0
            text: tableRow.minErr001
            color: "white"
        }
        TableCell {
            visible: tableRow.columns.overAlarm
            width: visible ? tableRow.columns.value : 0
            text: tableRow.maxErr001
            color: "white"
        }
        TableCell {
            visible: tableRow.columns.underWarn
            width: visible ? tableRow.columns.value : 0
            text: tableRow.minWarn001
            color: "white"
        }
        TableCell {
            visible: tableRow.columns.overWarn
            width: visible ? tableRow.columns.value : 0
            text: tableRow.maxWarn001
            color: "white"
        }
        TableCell {
            objectName: "typeCell"
            visible: tableRow.columns.weighingType
            width: visible ? tableRow.columns.value : 0
            text: tableRow.typeText
            color: "white"
            pointSize: 9
        }
        TableCell {
            objectName: "minCell"
            visible: tableRow.columns.minimum
            width: visible ? tableRow.columns.value : 0
            text: tableRow.minWidth001
            color: tableRow.minColor
        }
        TableCell {
            objectName: "maxCell"
            visible: tableRow.columns.maximum
            width: visible ? tableRow.columns.value : 0
            text: tableRow.maxWidth001
            color: tableRow.maxColor
        }
    }
}
