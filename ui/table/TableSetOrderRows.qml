import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// Rows 1 and 2 of the table settings panel: moves and sorts of the selected
// rows (table and bar chart twin alike), and the selection by ID range.
ColumnLayout {
    id: orderRows
    spacing: 4

    property TwinRowOrder twin: null
    property CellRowModel rows: null
    property TableSettingActions actions: null

    signal noticeRequested(string text)

    function moved(done) {
        if (!done)
            noticeRequested(qsTranslate("MyTableSettingTopMenu", "请选择需修改的设备"))
    }

    RowLayout {
        spacing: 4
        PanelButton {
            objectName: "moveTopButton"
            text: qsTranslate("MyTableSettingTopMenu", "置顶")
            onClicked: orderRows.moved(orderRows.twin.moveTop())
        }
        PanelButton {
            objectName: "moveBottomButton"
            text: qsTranslate("MyTableSettingTopMenu", "置底")
            onClicked: orderRows.moved(orderRows.twin.moveBottom())
        }
        PanelButton {
            objectName: "moveUpButton"
            text: qsTranslate("MyTableSettingTopMenu", "上移")
            onClicked: orderRows.moved(orderRows.twin.moveUp())
        }
        PanelButton {
            objectName: "moveDownButton"
            text: qsTranslate("MyTableSettingTopMenu", "下移")
            onClicked: orderRows.moved(orderRows.twin.moveDown())
        }
        PanelButton {
            objectName: "ascendingButton"
            text: qsTranslate("MyTableSettingTopMenu", "升序")
            onClicked: orderRows.twin.sortAscending()
        }
        PanelButton {
            objectName: "descendingButton"
            text: qsTranslate("MyTableSettingTopMenu", "降序")
            onClicked: orderRows.twin.sortDescending()
        }
    }

    RowLayout {
        spacing: 4
        PanelButton {
            objectName: "deselectAllButton"
            text: qsTranslate("MyTableSettingTopMenu", "取消选中")
            onClicked: orderRows.rows.setAllChecked(false)
        }
        PanelButton {
            objectName: "selectAllButton"
            text: qsTranslate("MyTableSettingTopMenu", "全部选中")
            onClicked: orderRows.rows.setAllChecked(true)
        }
        Label { text: qsTranslate("MyTableSettingTopMenu", "ID:") }
        PanelField {
            id: rangeField
            objectName: "batchSelectField"
            Layout.preferredWidth: 120
            placeholderText: "1.01-1.99"
            validator: CellIdRangeValidator {}
        }
        PanelButton {
            objectName: "batchSelectButton"
            enabled: rangeField.text.length > 0
            text: qsTranslate("MyTableSettingTopMenu", "批量选中")
            onClicked: {
                var notice = orderRows.actions.selectRange(rangeField.text)
                if (notice.length > 0)
                    orderRows.noticeRequested(notice)
                rangeField.text = ""
            }
        }
    }
}
