import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// Row 3 of the table settings panel: the column filter with its seven
// switches (applied at once), the reset of the recorded extremes, and the
// tare weight with its switch.
RowLayout {
    id: columnRow
    spacing: 4

    property var workspace: null
    property var controller: null
    property TableSettingActions actions: null
    readonly property alias tareField: tareField
    readonly property alias tareSwitch: tareSwitch
    readonly property alias filterMenu: filterMenu

    signal noticeRequested(string text)

    PanelButton {
        id: filterButton
        objectName: "columnFilterButton"
        text: qsTranslate("MyTableSettingTopMenu", "筛选列")
        onClicked: filterMenu.open()

        Popup {
            id: filterMenu
            objectName: "columnFilterMenu"
            y: filterButton.height
            Column {
                Repeater {
                    // Switch name and caption of each column.
                    model: [
                        { "key": "rect3_d", "text": qsTranslate("MyTableSettingTopMenu", "超轻报警") },
                        { "key": "rect4_d", "text": qsTranslate("MyTableSettingTopMenu", "超重报警") },
                        { "key": "rect7_d", "text": qsTranslate("MyTableSettingTopMenu", "超轻警告") },
                        { "key": "rect8_d", "text": qsTranslate("MyTableSettingTopMenu", "超重警告") },
                        { "key": "rect10_d", "text": qsTranslate("MyTableSettingTopMenu", "称重类型") },
                        { "key": "rect5_d", "text": qsTranslate("MyTableSettingTopMenu", "最小值") },
                        { "key": "rect6_d", "text": qsTranslate("MyTableSettingTopMenu", "最大值") }
                    ]
                    CheckBox {
                        required property var modelData
                        objectName: "column_" + modelData.key
                        text: modelData.text
                        checked: columnRow.workspace ? columnRow.workspace[modelData.key] === 85 : false
                        onToggled: columnRow.workspace[modelData.key] = checked ? 85 : 84
                    }
                }
            }
        }
    }
    PanelButton {
        objectName: "resetMaxMinButton"
        text: qsTranslate("MyTableSettingTopMenu", "重置最大最小值")
        onClicked: columnRow.controller.resetMaxMinData(1)
    }
    Label { text: qsTranslate("MyTableSettingTopMenu", "去皮重量:") }
    PanelField {
        id: tareField
        objectName: "tareField"
        Layout.preferredWidth: 80
        enabled: tareSwitch.checked
        validator: RegularExpressionValidator { regularExpression: /\d{0,6}/ }
        onAccepted: {
            var notice = columnRow.actions.setTare(text)
            if (notice.length > 0)
                columnRow.noticeRequested(notice)
        }
    }
    Switch {
        id: tareSwitch
        objectName: "tareSwitch"
        implicitHeight: 32
        text: qsTranslate("MyTableSettingTopMenu", "去皮")
        onToggled: columnRow.actions.setTareEnabled(checked)
    }
}
