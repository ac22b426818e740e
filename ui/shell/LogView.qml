import QtQuick 2.15
import QtQuick.Controls 2.15

// A read-only log text that keeps its newest line in view, with the vertical
// scroll bar always shown.
ScrollView {
    id: logView

    property alias text: area.text
    property alias placeholderText: area.placeholderText
    readonly property alias textArea: area

    ScrollBar.vertical.policy: ScrollBar.AlwaysOn
    background: Rectangle { color: "white"; border.color: "#c3ccda" }

    TextArea {
        id: area
        readOnly: true
        selectByMouse: true
        wrapMode: TextEdit.Wrap
        background: null
        font.family: "Microsoft YaHei"
        onTextChanged: cursorPosition = length
    }
}
