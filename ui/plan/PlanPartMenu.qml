import QtQuick 2.15
import QtQuick.Controls 2.15

// The part menu of the plan view, with an import submenu that the container
// fills with the table parts a plan part can copy.
PartMenuBase {
    id: planPartMenu
    menuTitle: qsTr("分区")
    createTitle: qsTr("新建分区")
    createCaption: qsTr("新建")
    deleteTitle: qsTr("删除分区")

    property Menu importMenu: Menu {
        title: qsTr("导入分区")
    }

    Component.onCompleted: m_menu.addMenu(importMenu)
}
