import QtQuick 2.15
import QtQuick.Controls 2.15

// A compact button of the table settings panel, so every row fits its width.
Button {
    implicitHeight: 32
    topInset: 0
    bottomInset: 0
    leftPadding: 8
    rightPadding: 8
    font.pixelSize: 12
    font.capitalization: Font.MixedCase
}
