import QtQuick 2.15

// The header of a table: column captions with the unit, the selected load
// and the alarm and warning counters of its row model.
Row {
    id: tableHeader
    objectName: "tableHeader"
    height: 50

    property var columns
    property var rows
    property string unit: "KG"

    readonly property string unitSuffix: "(" + unit + ")"

    TableHeaderCell {
        width: tableHeader.columns.id
        text: qsTranslate("Table", "ID")
    }
    TableHeaderCell {
        id: stateHeader
        width: tableHeader.columns.state
        text: qsTranslate("Table", "状态")

        // Offline on the left, online on the right, each only when non-zero.
        Text {
            objectName: "offlineCount"
            anchors.left: parent.left
            anchors.bottom: parent.bottom
            anchors.margins: 3
            visible: tableHeader.rows.rect_OFF !== 0
            text: tableHeader.rows.rect_OFF
            color: "#ccc800"
            font.pointSize: 9
        }
        Text {
            objectName: "onlineCount"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 3
            visible: tableHeader.rows.rect_ON !== 0
            text: tableHeader.rows.rect_ON
            color: "green"
            font.pointSize: 9
        }
    }
    TableHeaderCell {
        width: tableHeader.columns.name
        text: qsTranslate("Table", "设备名称")
    }
    TableHeaderCell {
        objectName: "weightHeader"
        width: tableHeader.columns.value
        text: qsTranslate("Table", "重量") + tableHeader.unitSuffix
        stripShown: tableHeader.rows.m_MulLoadCheck
        stripText: tableHeader.rows.m_MulLoad + tableHeader.unit
        stripColor: "#3399ff"
    }
    TableHeaderCell {
        objectName: "underAlarmHeader"
        visible: tableHeader.columns.underAlarm
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "超轻报警") + tableHeader.unitSuffix
        stripShown: tableHeader.rows.rect3_N !== 0
        stripText: tableHeader.rows.rect3_N
        stripColor: tableHeader.rows.underload_name3
    }
    TableHeaderCell {
        objectName: "overAlarmHeader"
        visible: tableHeader.columns.overAlarm
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "超重报警") + tableHeader.unitSuffix
        stripShown: tableHeader.rows.rect4_N !== 0
        stripText: tableHeader.rows.rect4_N
        stripColor: tableHeader.rows.overload_name4
    }
    TableHeaderCell {
        objectName: "underWarnHeader"
        visible: tableHeader.columns.underWarn
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "超轻警告") + tableHeader.unitSuffix
        stripShown: tableHeader.rows.rect7_N !== 0
        stripText: tableHeader.rows.rect7_N
        stripColor: tableHeader.rows.underwarn_name7
    }
    TableHeaderCell {
        objectName: "overWarnHeader"
        visible: tableHeader.columns.overWarn
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "超重警告") + tableHeader.unitSuffix
        stripShown: tableHeader.rows.rect8_N !== 0
        stripText: tableHeader.rows.rect8_N
        stripColor: tableHeader.rows.overwarn_name8
    }
    TableHeaderCell {
        visible: tableHeader.columns.weighingType
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "称重类型")
    }
    TableHeaderCell {
        visible: tableHeader.columns.minimum
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "最小值") + tableHeader.unitSuffix
    }
    TableHeaderCell {
        visible: tableHeader.columns.maximum
        width: visible ? tableHeader.columns.value : 0
        text: qsTranslate("Table", "最大值") + tableHeader.unitSuffix
    }
}
