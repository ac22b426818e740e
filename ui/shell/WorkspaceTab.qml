import QtQuick 2.15
import QtQuick.Controls 2.15

// One tab of the workspace header: a dark blue block, white caption, a
// gradient towards white when selected, and an optional red/blue flashing that
// calls the operator to the information page after an alarm.
TabButton {
    id: tab
    property bool flashing: false
    property color flashColor: "red"

    width: 80
    height: parent ? parent.height : 50
    font.family: "Microsoft YaHei"
    font.pointSize: 12

    contentItem: Text {
        text: tab.text
        font: tab.font
        color: "white"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        color: tab.flashing ? tab.flashColor : "#334177"
        gradient: tab.checked && !tab.flashing ? selectedGradient : null
        Gradient {
            id: selectedGradient
            GradientStop { position: 0.4; color: "#334177" }
            GradientStop { position: 1.0; color: "white" }
        }
    }

    SequentialAnimation on flashColor {
        running: tab.flashing
        loops: Animation.Infinite
        ColorAnimation { from: "red"; to: "blue"; duration: 1000 }
    }
}
