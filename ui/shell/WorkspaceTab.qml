import QtQuick 2.15
import QtQuick.Controls 2.15

// One tab of the workspace header: a dark blue block, white caption, a
// gradient towards white when selected, and an optional red/blue flashing that
// calls the operator to the information page after an alarm.
TabButton {
    id: tab
    property bool flashing: false
    // Beats of the workspace's ScreenBeat. The flashing goes red, then blue, a
    // beat each, repeating, in the frames the log and status line use anyway:
    // a running colour animation would render the whole window at the
    // display's frame rate for as long as an alarm waits to be seen.
    property int beat: 0
    property int flashStart: 0
    readonly property color flashColor: (beat - flashStart) % 2 === 0 ? "red" : "blue"
    onFlashingChanged: flashStart = beat

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
}
