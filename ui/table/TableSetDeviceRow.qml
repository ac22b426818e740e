import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import VornUi 1.0

// Row 4 of the table settings panel: create wired cells (one or a range) or
// a wireless cell (user ID and address), scan the on-line devices, and
// delete the selected cells after a confirmation.
ColumnLayout {
    id: deviceRow
    spacing: 4

    property var controller: null
    property TableSettingActions actions: null
    // 0 wired, 1 wireless.
    property int m_deviceType: 0
    property alias typeBox: typeBox

    signal noticeRequested(string text)
    signal deleteRequested()

    function report(notice) {
        if (notice.length > 0)
            noticeRequested(notice)
    }

    // The captions follow the catalogue; the choice stays.
    function rebuildTypes() {
        typeBox.model = [qsTranslate("MyTableSettingTopMenu", "RWX4401(有线)"),
                         qsTranslate("MyTableSettingTopMenu", "RWX5502(无线)")]
        typeBox.currentIndex = m_deviceType
    }

    RowLayout {
        spacing: 4
        Label { text: qsTranslate("MyTableSettingTopMenu", "增删设备:") }
        ComboBox {
            id: typeBox
            objectName: "deviceTypeBox"
            Layout.preferredWidth: 170
            implicitHeight: 32
            topInset: 0
            bottomInset: 0
            onActivated: deviceRow.m_deviceType = index
            Component.onCompleted: deviceRow.rebuildTypes()
        }
        PanelButton {
            objectName: "scanOnlineButton"
            text: qsTranslate("MyTableSettingTopMenu", "扫描在线设备")
            onClicked: deviceRow.controller.scanOnlineDevice()
        }
        PanelButton {
            objectName: "deleteDeviceButton"
            text: qsTranslate("MyTableSettingTopMenu", "删除设备")
            onClicked: {
                if (deviceRow.actions.selectedCellCount() > 0)
                    deviceRow.deleteRequested()
                else
                    deviceRow.noticeRequested(qsTranslate("MyTableSettingTopMenu", "请选择需删除的设备"))
            }
        }
    }

    // Wired: one ID, or a range of one page.
    RowLayout {
        spacing: 4
        visible: deviceRow.m_deviceType === 0
        Label { text: qsTranslate("MyTableSettingTopMenu", "ID:") }
        PanelField {
            id: wiredIdField
            objectName: "wiredIdField"
            Layout.preferredWidth: 70
            placeholderText: "1.10"
            validator: RegularExpressionValidator { regularExpression: new RegExp(deviceRow.actions.idPattern) }
        }
        PanelButton {
            objectName: "createDeviceButton"
            text: qsTranslate("MyTableSettingTopMenu", "新建设备")
            onClicked: {
                var notice = deviceRow.actions.createCell(wiredIdField.text)
                deviceRow.report(notice)
                if (notice.length === 0)
                    wiredIdField.text = ""
            }
        }
        PanelField {
            id: wiredRangeField
            objectName: "wiredRangeField"
            Layout.preferredWidth: 110
            placeholderText: "1.01-1.99"
            validator: CellIdRangeValidator {}
        }
        PanelButton {
            objectName: "createDevicesButton"
            text: qsTranslate("MyTableSettingTopMenu", "批量新建设备")
            onClicked: deviceRow.report(deviceRow.actions.createCells(wiredRangeField.text))
        }
    }

    // Wireless: the user ID and the address's last two octets.
    RowLayout {
        spacing: 4
        visible: deviceRow.m_deviceType === 1
        Label { text: qsTranslate("MyTableSettingTopMenu", "ID:") }
        PanelField {
            id: wirelessIdField
            objectName: "wirelessIdField"
            Layout.preferredWidth: 70
            placeholderText: "1~999"
            validator: RegularExpressionValidator { regularExpression: new RegExp(deviceRow.actions.wirelessIdPattern) }
        }
        Label { text: qsTranslate("MyTableSettingTopMenu", "MAC地址:") }
        PanelField {
            id: macField
            objectName: "macField"
            Layout.preferredWidth: 150
            placeholderText: qsTranslate("MyTableSettingTopMenu", "后四位,如“8F:59”")
            validator: RegularExpressionValidator { regularExpression: new RegExp(deviceRow.actions.macPattern) }
        }
        PanelButton {
            objectName: "createWirelessButton"
            text: qsTranslate("MyTableSettingTopMenu", "新建设备")
            onClicked: {
                deviceRow.report(deviceRow.actions.createWirelessCell(wirelessIdField.text, macField.text))
                wirelessIdField.text = ""
                macField.text = ""
            }
        }
    }
}
