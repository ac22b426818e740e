import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.settings 1.1
import VornUi 1.0

// The workspace: five views behind one tab bar, the header buttons, the status
// line, the save broadcast and the distribution of readings to the views.
Item {
    id: myComponetAPP
    objectName: "workspace"
    anchors.fill: parent

    // The project page that built this workspace: its settings and its
    // project controller.
    required property Item projectPage
    readonly property var projectControl: projectPage.projectControl
    property var weightingControl1: null
    property string m_uint: projectPage.uint
    property bool display: true
    property bool clearLog: false
    property bool settingsVisible: false
    property int languagel: projectPage.lanuage ? 1 : 0
    property bool tip_sound: false
    // An alarm requested while another tab was shown: the information tab
    // flashes until the page has been seen. One raised while the page was on
    // screen has been seen already.
    property bool alarmUnseen: false
    // Table column switches: 85 shown, 84 hidden.
    property int rect3_d: 85
    property int rect4_d: 85
    property int rect7_d: 85
    property int rect8_d: 85
    property int rect5_d: 85
    property int rect6_d: 85
    property int rect10_d: 84
    // Set by the table view while its settings panel is open.
    property bool tableSetVisible: false
    property alias scanpageid: scanRule.scanpageid
    property alias scanindex: scanRule.scanindex
    property alias scanall: scanRule.scanall
    property alias currentView: tabBar.currentIndex
    readonly property alias testPage: testPage
    readonly property alias systemSetting: systemSetting
    readonly property alias statusText: statusLeft.text

    signal tableSetSignal()
    signal barChartSetSignal()
    signal planSetSignal()
    signal linePlotSetSignal()
    signal scannewCZSignal(int pageid, int index)
    signal scannewAllCZSignal()

    onPlanSetSignal: planParent.openSettings()

    Settings {
        fileName: "./setting.ini"
        category: "pack_setting"
        property alias display: myComponetAPP.display
    }

    ScreenBeat {
        id: flashBeat
        running: myComponetAPP.alarmUnseen && tabBar.currentIndex !== 0
    }

    LogScanRule {
        id: scanRule
        chinese: myComponetAPP.languagel === 1
        onScanOnlineDeviceRequested: myComponetAPP.weightingControl1.scanOnlineDevice()
        onScannewCZSignal: myComponetAPP.scannewCZSignal(pageid, index)
        onScannewAllCZSignal: myComponetAPP.scannewAllCZSignal()
    }

    Connections {
        target: myComponetAPP.projectControl.Json
        function onUpLoadTableSetPartSetSignal(rect3, rect4, rect7, rect8, rect10, rect5, rect6) {
            myComponetAPP.takeSwitch("rect3_d", rect3)
            myComponetAPP.takeSwitch("rect4_d", rect4)
            myComponetAPP.takeSwitch("rect7_d", rect7)
            myComponetAPP.takeSwitch("rect8_d", rect8)
            myComponetAPP.takeSwitch("rect10_d", rect10)
            myComponetAPP.takeSwitch("rect5_d", rect5)
            myComponetAPP.takeSwitch("rect6_d", rect6)
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 50
            color: "#5d5d8a"

            TabBar {
                id: tabBar
                objectName: "workspaceTabBar"
                height: parent.height
                enabled: !myComponetAPP.tableSetVisible
                background: null
                spacing: 0

                WorkspaceTab {
                    text: qsTr("提示信息")
                    flashing: myComponetAPP.alarmUnseen && tabBar.currentIndex !== 0
                    beat: flashBeat.count
                }
                WorkspaceTab { text: qsTr("数据表") }
                WorkspaceTab { text: qsTr("条形图") }
                WorkspaceTab { text: qsTr("布局图") }
                WorkspaceTab { text: qsTr("折线图") }
            }

            Row {
                anchors.right: parent.right
                height: parent.height
                spacing: 2

                HeaderButton {
                    width: 60
                    visible: tabBar.currentIndex !== 0
                    picture: "qrc:/pic/setting2.png"
                    text: myComponetAPP.languagel === 1 ? qsTr("页面设置") : "Page"
                    onClicked: myComponetAPP.openViewSettings()
                }
                HeaderButton {
                    width: 60
                    picture: "qrc:/pic/settingpic.png"
                    text: myComponetAPP.languagel === 1 ? qsTr("系统设置") : "System"
                    onClicked: myComponetAPP.settingsVisible = !myComponetAPP.settingsVisible
                }
                HeaderButton {
                    objectName: "zoneButton"
                    width: 70
                    captionPointSize: 8
                    picture: myComponetAPP.display ? "qrc:/pic/PackUp.png" : "qrc:/pic/PackDown.png"
                    text: myComponetAPP.zoneCaption()
                    onClicked: myComponetAPP.display = !myComponetAPP.display
                }
                HeaderButton {
                    objectName: "exitButton"
                    width: 60
                    picture: "qrc:/pic/Exit.png"
                    text: myComponetAPP.languagel === 1 ? qsTr("退出应用") : "Exit"
                    onClicked: exitDialog.open()
                }
            }
        }

        // One view per tab. The table and bar chart views take every reading
        // of the controller straight into their C++ row models, shown or not;
        // no script handler runs per reading.
        StackLayout {
            id: pageStack
            objectName: "workspacePageStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: tabBar.currentIndex

            TestPage {
                id: testPage
                workspace: myComponetAPP
                projectPage: myComponetAPP.projectPage
                weightingControl1: myComponetAPP.weightingControl1
                onLogShown: scanRule.singleLogShow(st, str)
            }
            MyTableParent {
                id: myTableParent
                workspace: myComponetAPP
                projectControl: myComponetAPP.projectControl
                language_ch: myComponetAPP.languagel === 1
                underload_name3: myComponetAPP.projectPage.underload_name3
                overload_name4: myComponetAPP.projectPage.overload_name4
                underwarn_name7: myComponetAPP.projectPage.underwarn_name7
                overwarn_name8: myComponetAPP.projectPage.overwarn_name8
                weightingControl1: myComponetAPP.weightingControl1
                barChartParent: myBarChartParent
                projectPage: myComponetAPP.projectPage
            }
            MyBarChartParent {
                id: myBarChartParent
                workspace: myComponetAPP
                projectControl: myComponetAPP.projectControl
                underload_name3: myComponetAPP.projectPage.underload_name3
                overload_name4: myComponetAPP.projectPage.overload_name4
                underwarn_name7: myComponetAPP.projectPage.underwarn_name7
                overwarn_name8: myComponetAPP.projectPage.overwarn_name8
                weightingControl1: myComponetAPP.weightingControl1
            }
            PlanParent {
                id: planParent
                json: myComponetAPP.projectControl.Json
                weightingControl1: myComponetAPP.weightingControl1
                tableView: myTableParent
                saveBroadcast: testPage
                unit: myComponetAPP.m_uint
                language_ch: myComponetAPP.languagel === 1
                display: myComponetAPP.display
                onQmlLogShowSignal: testPage.showLog(st, str)
            }
            LinePlotParent {
                id: linePlotParent
                workspace: myComponetAPP
                savePage: testPage
                weightingControl1: myComponetAPP.weightingControl1
                json: myComponetAPP.projectControl.Json
                mainTableRows: myTableParent.mainTable.rows
                recorder: myComponetAPP.weightingControl1 ? myComponetAPP.weightingControl1.Comm.dataSave : null
                chinese: myComponetAPP.languagel === 1
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 24
            color: "#eef1f6"

            Text {
                id: statusLeft
                objectName: "statusLine"
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.right: statusRight.left
                anchors.verticalCenter: parent.verticalCenter
                text: scanRule.statusText
                color: scanRule.statusColor
                elide: Text.ElideRight
                font.family: "Microsoft YaHei"
            }
            Text {
                id: statusRight
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: myComponetAPP.weightingControl1 && myComponetAPP.weightingControl1.dataSourceLocal
                      ? myComponetAPP.weightingControl1.dataSourceLocal.dataTime : ""
                font.family: "Microsoft YaHei"
            }
        }
    }

    // Dims the workspace while the system settings popup is open.
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: myComponetAPP.settingsVisible ? 0.5 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 300 } }
        MouseArea { anchors.fill: parent }
    }

    // The system settings popup; it also sends the display command, records
    // and plays the alarm sounds while the workspace exists.
    MySystemSetting {
        id: systemSetting
        workspace: myComponetAPP
        projectPage: myComponetAPP.projectPage
        weightingControl1: myComponetAPP.weightingControl1
        mainTableRows: myTableParent.mainTable.rows
    }

    Dialog {
        id: exitDialog
        objectName: "exitDialog"
        anchors.centerIn: parent
        width: 420
        modal: true
        title: qsTr("退出应用")
        standardButtons: Dialog.Yes | Dialog.No
        Label { text: qsTr("请确认是否退出应用") }
        onAccepted: myComponetAPP.projectPage.saveAndQuit()
    }

    onTip_soundChanged: alarmUnseen = tip_sound && tabBar.currentIndex !== 0

    // An alarm flashes the information tab until the page has been seen.
    Timer {
        interval: 2000
        repeat: true
        running: true
        onTriggered: {
            if (testPage.visible)
                myComponetAPP.tip_sound = false
        }
    }

    function singleLogShow(st, str) {
        scanRule.singleLogShow(st, str)
    }

    function zoneCaption() {
        var chinese = languagel === 1
        if (tabBar.currentIndex === 0) {
            if (display)
                return chinese ? qsTr("隐藏版本") : "Hide Ver"
            return chinese ? qsTr("展开版本") : "Unfold Ver"
        }
        if (display)
            return chinese ? qsTr("隐藏分区") : "Hide Zone"
        return chinese ? qsTr("展开分区") : "Unfold Zone"
    }

    function openViewSettings() {
        var signals = [null, tableSetSignal, barChartSetSignal, planSetSignal, linePlotSetSignal]
        if (signals[tabBar.currentIndex])
            signals[tabBar.currentIndex]()
    }

    function takeSwitch(name, value) {
        if (value === 84 || value === 85)
            myComponetAPP[name] = value
    }

    // The save broadcast: the stored parts are emptied, every view and the
    // settings page store theirs again, and the project file is written.
    // False when the file could not be written.
    function saveProject() {
        projectControl.Json.clearParts()
        testPage.saveProjectSignal()
        return projectControl.saveProject()
    }

    Component.onCompleted: {
        projectControl.Json.getTableSetPart()
        tabBar.currentIndex = 1
    }
}
