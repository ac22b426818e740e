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

    function makeMenu(file, chinese) {
        var component = Qt.createComponent("qrc:/" + file)
        verify(component.status === Component.Ready, component.errorString())
        var menu = component.createObject(testCase, { "language_ch": chinese })
        verify(menu)
        created.clear()
        created.target = menu
        return menu
    }

    function typeName(menu, text) {
        menu.m_menu.open()
        menu.createMenu.open()
        menu.partNameField.forceActiveFocus()
        tryVerify(function() { return menu.partNameField.activeFocus })
        for (var i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
    }

    function test_nameLength_data() {
        return [
            { tag: "Chinese mode refuses 21", file: "MyPartMenu.qml", chinese: true, typed: 21, kept: 20 },
            { tag: "English mode takes 40", file: "MyPartMenu.qml", chinese: false, typed: 40, kept: 40 },
            { tag: "English mode refuses 41", file: "LinePartMenu.qml", chinese: false, typed: 41, kept: 40 },
            { tag: "plan menu, Chinese mode", file: "PlanPartMenu.qml", chinese: true, typed: 21, kept: 20 }
        ]
    }

    function test_nameLength(data) {
        var menu = makeMenu(data.file, data.chinese)
        typeName(menu, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz".substring(0, data.typed))
        compare(menu.partNameField.text.length, data.kept)
        menu.destroy()
    }

    function test_namedPartIsAnnouncedAndTheFieldEmptied() {
        var menu = makeMenu("PlanPartMenu.qml", false)
        menu.part_count = 3
        // "新建" with an empty name does nothing.
        menu.createPart()
        compare(created.count, 0)
        menu.partNameField.text = "Crane A"
        menu.createPart()
        compare(created.count, 1)
        compare(created.signalArguments[0][0], "Crane A")
        compare(created.signalArguments[0][1], 3)
        compare(menu.partNameField.text, "")
        verify(!menu.m_menu.visible)
        menu.destroy()
    }

    function test_planMenuCarriesTheImportSubmenu() {
        var menu = makeMenu("PlanPartMenu.qml", true)
        compare(menu.m_menu.count, 3)
        compare(menu.m_menu.menuAt(2), menu.importMenu)
        var tableMenu = makeMenu("MyPartMenu.qml", true)
        compare(tableMenu.m_menu.count, 2)
        menu.destroy()
        tableMenu.destroy()
    }
}
