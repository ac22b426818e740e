import QtQuick 2.15
import QtQuick.Controls 2.15

// The right-hand controls of the table container: group deletion, group
// choice and removal; multi-select, adding to a part and removing from the
// part on screen. The container does the work.
Column {
    id: controls
    spacing: 2

    property var container
    property var parts
    readonly property alias multiSelect: multiBox.checked

    Row {
        spacing: 4
        Button {
            objectName: "deleteGroupButton"
            height: 28
            text: qsTranslate("MyTableParent", "删除分组")
            onClicked: controls.container.deleteGroup()
        }
        Label {
            height: 28
            verticalAlignment: Text.AlignVCenter
            text: qsTranslate("MyTableParent", "分组:")
        }
        ComboBox {
            id: groupBox
            objectName: "groupBox"
            width: 70
            height: 28
            model: 19
            displayText: currentIndex + 1
            delegate: ItemDelegate {
                required property int index
                width: groupBox.width
                text: index + 1
            }
            onActivated: controls.container.setGroup(index + 1)
        }
        Button {
            objectName: "removeFromGroupButton"
            height: 28
            text: qsTranslate("MyTableParent", "从分组移除")
            onClicked: controls.container.setGroup(0)
        }
    }
    Row {
        spacing: 4
        CheckBox {
            id: multiBox
            objectName: "multiSelectBox"
            height: 28
            text: qsTranslate("MyTableParent", "多选")
        }
        Button {
            id: addButton
            objectName: "addToPartButton"
            height: 28
            text: qsTranslate("MyTableParent", "添加到分区")
            onClicked: addMenu.popup(addButton, 0, addButton.height)

            // One entry per part, rebuilt with the parts.
            Menu {
                id: addMenu
                objectName: "addToPartMenu"
                Instantiator {
                    model: controls.parts
                    delegate: MenuItem {
                        required property int number
                        required property string name
                        text: name
                        onTriggered: controls.container.addSelectedToPart(number)
                    }
                    onObjectAdded: addMenu.insertItem(index, object)
                    onObjectRemoved: addMenu.removeItem(object)
                }
            }
        }
        Button {
            objectName: "removeFromPartButton"
            height: 28
            enabled: controls.container.currentPart !== 0
            text: qsTranslate("MyTableParent", "从分区移除")
            onClicked: controls.container.removeSelectedFromPart()
        }
    }
}
