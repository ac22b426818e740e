import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15

// The rows of the system settings popup; every action goes to the page.
ColumnLayout {
    id: form
    property var page: null
    // The project page whose shared settings the rows show.
    required property Item projectPage
    readonly property bool chinese: page ? page.language_ch : true

    spacing: 0

    Item {
        Layout.fillWidth: true
        Layout.preferredHeight: 30

        SettingButton {
            objectName: "manualButton"
            anchors.left: parent.left
            anchors.leftMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            height: 26
            text: qsTranslate("MySystemSetting", "手册")
            onClicked: form.page.openManual()
        }
        Label {
            anchors.centerIn: parent
            text: qsTranslate("MySystemSetting", "系统设置")
            font.pixelSize: 18
        }
        SettingButton {
            objectName: "closeSettingsButton"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            height: 26
            text: qsTranslate("MySystemSetting", "关闭")
            onClicked: form.page.close()
        }
    }

    DashedLine { Layout.fillWidth: true }

    RowLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        spacing: 8
        Switch {
            id: digitSwitch
            Layout.preferredHeight: 36
            objectName: "digitDisplaySwitch"
            text: qsTranslate("MySystemSetting", "数码管显示")
            checked: form.projectPage.sendData
            onToggled: form.page.setDigitDisplay(checked)
        }
        SettingButton {
            objectName: "shownValueButton"
            enabled: digitSwitch.checked
            text: form.page.load_show_tag ? (form.chinese ? qsTranslate("MySystemSetting", "显示重量") : "Display Weight")
                                          : (form.chinese ? qsTranslate("MySystemSetting", "显示地址") : "Display Address")
            onClicked: form.page.toggleShownValue()
        }
        SettingButton {
            objectName: "soundButton"
            picture: form.page.mediaOpen ? "qrc:/pic/mediaopen.png" : "qrc:/pic/mediaclose.png"
            text: form.page.mediaOpen ? (form.chinese ? qsTranslate("MySystemSetting", "开启声音") : "Sound On")
                                      : (form.chinese ? qsTranslate("MySystemSetting", "关闭声音") : "Sound Off")
            onClicked: form.page.playback.toggleMedia()
        }
        SettingButton {
            objectName: "saveSettingsButton"
            picture: "qrc:/pic/savepic.png"
            text: qsTranslate("MySystemSetting", "保存设置")
            onClicked: form.page.saveAndBroadcast()
        }
    }

    DashedLine { Layout.fillWidth: true }

    RowLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        spacing: 8
        Label { text: qsTranslate("MySystemSetting", "数据存储采样率:") }
        ComboBox {
            id: rateBox
            Layout.preferredHeight: 36
            objectName: "rateBox"
            Layout.preferredWidth: 90
            model: form.page.sampler.rates
            currentIndex: form.page.sampler.rateIndex
            displayText: currentText + qsTranslate("MySystemSetting", "s")
            delegate: ItemDelegate {
                required property int index
                required property string modelData
                width: rateBox.width
                text: modelData + qsTranslate("MySystemSetting", "s")
            }
            onActivated: form.page.setRateIndex(index)
        }
        Image {
            Layout.preferredWidth: 22
            Layout.preferredHeight: 22
            source: "qrc:/pic/language.png"
            fillMode: Image.PreserveAspectFit
        }
        Label { text: qsTranslate("MySystemSetting", "Language/语言:") }
        ComboBox {
            Layout.preferredHeight: 36
            objectName: "languageBox"
            Layout.preferredWidth: 110
            model: ["中文", "English"]
            currentIndex: form.chinese ? 0 : 1
            onActivated: form.page.changeLanguage(index === 0)
        }
    }

    DashedLine { Layout.fillWidth: true }

    RowLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        spacing: 8
        Label { text: qsTranslate("MySystemSetting", "单位:") }
        ComboBox {
            Layout.preferredHeight: 36
            objectName: "unitBox"
            Layout.preferredWidth: 90
            model: ["KG", "LB"]
            currentIndex: form.page.m_unit === "LB" ? 1 : 0
            onActivated: form.page.chooseUnit(currentText)
        }
        Label { text: qsTranslate("MySystemSetting", "接收端口号:") }
        TextField {
            id: portField
            Layout.preferredHeight: 36
            topPadding: 4
            bottomPadding: 4
            verticalAlignment: TextInput.AlignVCenter
            objectName: "receivePortField"
            Layout.preferredWidth: 100
            selectByMouse: true
            validator: form.page.portValidator
            inputMethodHints: Qt.ImhDigitsOnly
            onTextEdited: form.page.editReceivePort(text)
            Component.onCompleted: text = String(form.projectPage.m_rPort)
        }
    }

    DashedLine { Layout.fillWidth: true }

    RowLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        spacing: 8
        StateColorButton {
            objectName: "underAlarmColorButton"
            text: qsTranslate("MySystemSetting", "超轻报警")
            stateColor: form.projectPage.underload_name3
            onClicked: form.page.openColorDialog("underload_name3")
        }
        StateColorButton {
            objectName: "overAlarmColorButton"
            text: qsTranslate("MySystemSetting", "超重报警")
            stateColor: form.projectPage.overload_name4
            onClicked: form.page.openColorDialog("overload_name4")
        }
        StateColorButton {
            objectName: "underWarnColorButton"
            text: qsTranslate("MySystemSetting", "超轻警告")
            stateColor: form.projectPage.underwarn_name7
            onClicked: form.page.openColorDialog("underwarn_name7")
        }
        StateColorButton {
            objectName: "overWarnColorButton"
            text: qsTranslate("MySystemSetting", "超重警告")
            stateColor: form.projectPage.overwarn_name8
            onClicked: form.page.openColorDialog("overwarn_name8")
        }
    }

    DashedLine { Layout.fillWidth: true }

    ColumnLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        Layout.fillWidth: true
        spacing: 2
        RowLayout {
            spacing: 8
            Label { text: qsTranslate("MySystemSetting", "数据存储目录:") }
            CheckBox {
                Layout.preferredHeight: 36
                objectName: "recordingBox"
                text: qsTranslate("MySystemSetting", "数据存储")
                checked: form.page.sampler.recording
                onToggled: form.page.setRecording(checked)
            }
        }
        Label {
            objectName: "savePathLabel"
            Layout.fillWidth: true
            text: form.page.sampler.recorder ? form.page.sampler.recorder.savePath : ""
            font.pixelSize: 12
            elide: Text.ElideLeft
        }
    }

    DashedLine { Layout.fillWidth: true }

    ColumnLayout {
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Layout.topMargin: 2
        Layout.bottomMargin: 2
        Layout.fillWidth: true
        spacing: 2
        RowLayout {
            spacing: 8
            SettingButton {
                objectName: "projectFolderButton"
                visible: form.projectPage.windowsBool
                text: qsTranslate("MySystemSetting", "设置文件存储目录:")
                onClicked: form.page.chooseProjectFolder()
            }
            SettingButton {
                objectName: "reselectProjectButton"
                text: qsTranslate("MySystemSetting", "重选项目")
                onClicked: form.page.leaveWorkspace(true)
            }
            SettingButton {
                objectName: "newProjectButton"
                text: qsTranslate("MySystemSetting", "新建项目")
                onClicked: form.page.leaveWorkspace(false)
            }
        }
        Label {
            objectName: "projectFolderLabel"
            Layout.fillWidth: true
            text: form.projectPage.m_folder
            font.pixelSize: 12
            elide: Text.ElideLeft
        }
    }

    DashedLine { Layout.fillWidth: true }

    Item { Layout.fillHeight: true }
}
