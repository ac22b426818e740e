import QtQuick 2.15
import QtTest 1.15

// The part menus: name length by language, and creation.
TestCase {
    id: testCase
    name: "PartMenu"
    when: windowShown
    width: 400
    height: 300

    SignalSpy {
        id: created
        signalName: "createPartSignal"
    }

    function test_nameLength_data() {
        return [
            { tag: "Chinese mode refuses 21", file: "MyPartMenu.qml", chinese: true, typed: 21, kept: 20 },
            { tag: "English mode refuses 41", file: "LinePartMenu.qml", chinese: false, typed: 41, kept: 40 },
        ]
    }

    function test_nameLength(data) {
        var menu = Qt.createComponent("qrc:/" + data.file).createObject(testCase, { "language_ch": data.chinese })
        menu.m_menu.open()
        menu.createMenu.open()
        menu.partNameField.forceActiveFocus()
        tryVerify(function() { return menu.partNameField.activeFocus })
        for (var i = 0; i < data.typed; ++i)
            keyClick(String.fromCharCode(97 + i % 26))
        compare(menu.partNameField.text.length, data.kept)
        menu.destroy()
    }

    function test_namedPartIsAnnouncedAndTheFieldEmptied() {
        var menu = Qt.createComponent("qrc:/PlanPartMenu.qml").createObject(testCase, { "language_ch": false })
        compare(menu.m_menu.menuAt(2), menu.importMenu) // the plan's menu carries the import submenu
        created.target = menu
        menu.part_count = 3
        menu.createPart() // "新建" with an empty name does nothing
        compare(created.count, 0)
        menu.partNameField.text = "Crane A"
        menu.createPart()
        compare(created.count, 1)
        compare(created.signalArguments[0][0] + "/" + created.signalArguments[0][1], "Crane A/3")
        compare(menu.partNameField.text, "")
        verify(!menu.m_menu.visible)
        menu.destroy()
    }
}
