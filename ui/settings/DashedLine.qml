import QtQuick 2.15

// A horizontal dashed rule: 5 pixels on, 5 off.
Item {
    id: line
    property color color: "#05033f"
    height: 1

    Row {
        Repeater {
            model: Math.ceil(line.width / 10)
            Item {
                width: 10
                height: 1
                Rectangle {
                    width: 5
                    height: 1
                    color: line.color
                }
            }
        }
    }
}
