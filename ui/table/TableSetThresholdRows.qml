import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// Row 5 of the table settings panel: the four thresholds as absolute weights
// of the selected rows or, on the main table, as percentages of every cell's
// capacity; and the name of the selected rows.
ColumnLayout {
    id: thresholdRows
    spacing: 4

    property TableSettingActions actions: null
    // The main table's percentage pass; null on a part table.
    property PercentageThresholds thresholds: null
    // Where the percentages and the percentage switch are kept.
    property var projectPage: null
    property bool chinese: false
    readonly property bool checkSet: thresholds !== null && projectPage !== null && projectPage.checkBox_setl
    readonly property alias percentBox: percentBox

    signal noticeRequested(string text)

    // The fields as the mode has them: the current row's thresholds, or the
    // stored percentages.
    function prefill() {
        if (checkSet) {
            minWarnField.text = projectPage.text_MinWarn
            maxWarnField.text = projectPage.text_MaxWarn
            minErrField.text = projectPage.text_MinErr
            maxErrField.text = projectPage.text_MaxErr
        } else {
            minWarnField.text = actions.currentValue("minWarn001")
            maxWarnField.text = actions.currentValue("maxWarn001")
            minErrField.text = actions.currentValue("minErr001")
            maxErrField.text = actions.currentValue("maxErr001")
        }
    }

    function apply() {
        var notice = ""
        if (!checkSet) {
            notice = actions.setAbsolute(minWarnField.text, maxWarnField.text, minErrField.text, maxErrField.text,
                                         nameField.text)
        } else {
            projectPage.text_MaxWarn = thresholds.keptPercentage(projectPage.text_MaxWarn, maxWarnField.text, true)
            projectPage.text_MaxErr = thresholds.keptPercentage(projectPage.text_MaxErr, maxErrField.text, true)
            projectPage.text_MinWarn = thresholds.keptPercentage(projectPage.text_MinWarn, minWarnField.text, false)
            projectPage.text_MinErr = thresholds.keptPercentage(projectPage.text_MinErr, minErrField.text, false)
            thresholds.fullPass()
            if (nameField.text.length > 0)
                notice = actions.rename(nameField.text)
        }
        if (notice.length > 0)
            noticeRequested(notice)
    }

    onCheckSetChanged: prefill()

    RowLayout {
        spacing: 4
        Label { text: qsTranslate("MyTableSettingTopMenu", "预设值修改:") }
        CheckBox {
            id: percentBox
            objectName: "percentBox"
            implicitHeight: 32
            text: qsTranslate("MyTableSettingTopMenu", "百分比设置")
            enabled: thresholdRows.thresholds !== null
            checked: thresholdRows.projectPage ? thresholdRows.projectPage.checkBox_setl : false
            onToggled: thresholdRows.projectPage.checkBox_setl = checked
        }
        PanelButton {
            objectName: "setThresholdsButton"
            text: qsTranslate("MyTableSettingTopMenu", "设置")
            onClicked: thresholdRows.apply()
        }
    }

    GridLayout {
        columns: 4
        columnSpacing: 4
        rowSpacing: 2

        Label {
            text: thresholdRows.checkSet ? qsTranslate("MyTableSettingTopMenu", "超轻警告重量(%):")
                                         : qsTranslate("MyTableSettingTopMenu", "超轻警告重量:")
        }
        ThresholdField { id: minWarnField; objectName: "minWarnField"; percent: thresholdRows.checkSet }
        Label {
            text: thresholdRows.checkSet ? qsTranslate("MyTableSettingTopMenu", "超重警告重量(%):")
                                         : qsTranslate("MyTableSettingTopMenu", "超重警告重量:")
        }
        ThresholdField { id: maxWarnField; objectName: "maxWarnField"; percent: thresholdRows.checkSet }
        Label {
            text: thresholdRows.checkSet ? qsTranslate("MyTableSettingTopMenu", "超轻报警重量(%):")
                                         : qsTranslate("MyTableSettingTopMenu", "超轻报警重量:")
        }
        ThresholdField { id: minErrField; objectName: "minErrField"; percent: thresholdRows.checkSet }
        Label {
            text: thresholdRows.checkSet ? qsTranslate("MyTableSettingTopMenu", "超重报警重量(%):")
                                         : qsTranslate("MyTableSettingTopMenu", "超重报警重量:")
        }
        ThresholdField { id: maxErrField; objectName: "maxErrField"; percent: thresholdRows.checkSet }
        Label { text: qsTranslate("MyTableSettingTopMenu", "设备名字修改:") }
        PanelField {
            id: nameField
            objectName: "nameField"
            Layout.columnSpan: 3
            Layout.preferredWidth: 160
            maximumLength: thresholdRows.actions.nameLimit(thresholdRows.chinese)
        }
    }
}
