import QtQuick 2.15
import QtQuick.Controls 2.15

// A compact text field of the table settings panel.
TextField {
    implicitHeight: 32
    topPadding: 4
    bottomPadding: 4
    font.pixelSize: 12
    selectByMouse: true
}
