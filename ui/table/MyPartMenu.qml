import QtQuick 2.15

// The part menu of the table view.
PartMenuBase {
    menuTitle: qsTr("分区")
    createTitle: qsTr("新建分区")
    createCaption: qsTr("新建")
    deleteTitle: qsTr("删除分区")
}
