import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The settings popup of the visible bar chart: what each bar shows, the two
// axes and the graphic width. Every change applies at once.
Popup {
    id: setting
    objectName: "barChartSetting"

    property var chart: null
    readonly property var rows: chart ? chart.rows : null
    readonly property bool adaptive: rows ? rows.axisAdaptive : false

    width: 600
    height: 400
    anchors.centerIn: Overlay.overlay
    modal: true
    closePolicy: Popup.CloseOnEscape
    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.5) }

    // Typed values not applied with "设置" are dropped: the fields show the
    // current maxima whenever the popup opens.
    onAboutToShow: {
        followAxis(axisX1, 1)
        followAxis(axisX2, 2)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        Label {
            text: qsTr("条形图页面设置")
            font.pointSize: 14
            font.bold: true
        }

        Label { text: qsTr("显示信息:") }
        RowLayout {
            CheckBox {
                objectName: "gt1"
                text: qsTr("名字")
                checked: setting.chart ? setting.chart.gt1_checked : true
                onToggled: setting.chart.gt1_checked = checked
            }
            CheckBox {
                objectName: "mmb1"
                text: qsTr("[最大最小值]")
                checked: setting.chart ? setting.chart.mmb1_checked : true
                onToggled: setting.chart.mmb1_checked = checked
            }
            CheckBox {
                objectName: "oua1"
                text: qsTr(">报警标记<")
                checked: setting.chart ? setting.chart.oua1_checked : true
                onToggled: setting.chart.oua1_checked = checked
            }
            CheckBox {
                objectName: "wm1"
                text: qsTr("●警告标记●")
                checked: setting.chart ? setting.chart.wm1_checked : true
                onToggled: setting.chart.wm1_checked = checked
            }
        }

        CheckBox {
            objectName: "axisAdaptive"
            text: qsTr("坐标轴自适应")
            checked: setting.adaptive
            onToggled: setting.rows.axisAdaptive = checked
        }

        RowLayout {
            Label { text: qsTr("轴X1:") }
            TextField {
                id: axisX1
                objectName: "axisX1Field"
                enabled: !setting.adaptive
                selectByMouse: true
                validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
                onTextEdited: setting.capField(axisX1, 1)
            }
            Button {
                objectName: "axisX1Set"
                enabled: !setting.adaptive
                text: qsTr("设置")
                onClicked: setting.applyField(axisX1, 1)
            }
        }
        RowLayout {
            Label { text: qsTr("轴X2:") }
            TextField {
                id: axisX2
                objectName: "axisX2Field"
                enabled: !setting.adaptive
                selectByMouse: true
                validator: RegularExpressionValidator { regularExpression: /[0-9]*/ }
                onTextEdited: setting.capField(axisX2, 2)
            }
            Button {
                objectName: "axisX2Set"
                enabled: !setting.adaptive
                text: qsTr("设置")
                onClicked: setting.applyField(axisX2, 2)
            }
        }

        RowLayout {
            Label {
                objectName: "widthCaption"
                text: qsTr("图形宽度: ") + widthSlider.value
            }
            Slider {
                id: widthSlider
                objectName: "widthSlider"
                Layout.fillWidth: true
                from: 30
                to: 100
                stepSize: 1
                value: setting.chart ? setting.chart.horizontalSlider_value : 50
                onMoved: setting.chart.horizontalSlider_value = value
            }
        }

        Item { Layout.fillHeight: true }

        Button {
            objectName: "barChartSettingClose"
            Layout.alignment: Qt.AlignRight
            text: qsTr("关闭")
            onClicked: setting.close()
        }
    }

    // Typed values above the axis's cap become the cap.
    function capField(field, axis) {
        var value = rows.axisFieldValue(axis, field.text)
        if (value >= 0 && String(value) !== field.text)
            field.text = String(value)
    }

    function applyField(field, axis) {
        rows.applyAxisField(axis, field.text)
        followAxis(field, axis)
    }

    // The field shows the axis maximum, following it from now on.
    function followAxis(field, axis) {
        field.text = Qt.binding(function() {
            if (!setting.rows)
                return ""
            return String(axis === 1 ? setting.rows.allTotalData : setting.rows.cellMaxData)
        })
    }
}
