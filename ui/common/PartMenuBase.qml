import QtQuick 2.15
import QtQuick.Controls 2.15

// The menu bar through which a view container creates and deletes its parts.
// The variants give the captions (each in its own translation context) and the
// container fills the delete submenu with one entry per part.
MenuBar {
    id: partMenuBar

    property int part_count: 1
    property bool language_ch: true
    // Handles to the container's page stack, tab bar and part components.
    property var stackView: null
    property var tabBar: null
    property var components: null
    property bool focusNameField: false

    property string menuTitle
    property string createTitle
    property string createCaption
    property string deleteTitle

    readonly property alias m_menu: partMenu
    readonly property alias deleteMenu: deletePartMenu
    readonly property alias createMenu: createPartMenu
    readonly property alias partNameField: nameField

    signal createPartSignal(string name, int part_count)

    Menu {
        id: partMenu
        title: partMenuBar.menuTitle
        modal: true

        Menu {
            id: createPartMenu
            title: partMenuBar.createTitle
            font.family: "Microsoft YaHei"
            font.pixelSize: 13
            onOpened: {
                if (partMenuBar.focusNameField)
                    nameField.forceActiveFocus()
            }

            Row {
                width: 200
                height: 40
                spacing: 4
                padding: 2

                TextField {
                    id: nameField
                    objectName: "partNameField"
                    width: 130
                    height: 36
                    selectByMouse: true
                    font: createPartMenu.font
                    maximumLength: partMenuBar.language_ch ? 20 : 40
                    onAccepted: partMenuBar.createPart()
                }
                Button {
                    width: 60
                    height: 36
                    text: partMenuBar.createCaption
                    font.family: createPartMenu.font.family
                    font.pixelSize: createPartMenu.font.pixelSize
                    onClicked: partMenuBar.createPart()
                }
            }
        }

        Menu {
            id: deletePartMenu
            title: partMenuBar.deleteTitle
        }
    }

    function createPart() {
        if (nameField.text === "")
            return
        createPartSignal(nameField.text, part_count)
        qmlLanguage.setLanguage(language_ch ? 1 : 0)
        partMenu.close()
        nameField.text = ""
    }
}
