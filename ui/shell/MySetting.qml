import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import Qt.labs.platform 1.1 as Platform
import Qt.labs.settings 1.1
import MyProjectControl 1.0
import VornUi 1.0

// The project page: owns the project controller, keeps the settings the whole
// interface shares, creates or opens a project and hands over to the workspace.
Item {
    id: mySettingForm
    objectName: "mySettingForm"

    property string m_ipAddr: "239.5.7.31"
    property real m_rPort: 2001
    property real m_tPort: 7100
    property string m_serialPort: "COM27"
    property bool lanuage: false
    property string uint: "KG"
    property real conFactor: 1.0
    property string underload_name3: "Purple"
    property string overload_name4: "red"
    property string underwarn_name7: "LightBlue"
    property string overwarn_name8: "Orange"
    property string text_MaxErr: "100"
    property string text_MaxWarn: "80"
    property string text_MinErr: "0"
    property string text_MinWarn: "0"
    property bool checkBox_setl: true
    property bool sendData: true
    property string versionNumber: "vornView V2.05.02"
    property string developmentDate: "2026/08/12"
    property string companyName: "Vorn Weighing Systems"
    property bool clearLog: false
    property bool windowsBool: true

    // Which rows the page shows: both at start, one after "重选项目" (the
    // current-project row) or "新建项目" (the project-name row).
    property bool projectNameRowShown: true
    property bool projectRowShown: true

    // The window this page fills, and the area the workspace is built in.
    required property ApplicationWindow appWindow
    required property Item workspaceArea

    property alias m_folder: folderDialog.m_folder
    readonly property alias projectControl: projectControl1
    readonly property alias recentProjects: recentList
    readonly property alias messages: messageLog
    property var workspace: null

    signal languageChangeSignal(bool ch)

    ProjectControl {
        id: projectControl1
        onQmlLogShowSignal: messageLog.append(str)
        onOpenProjectSignal: mySettingForm.buildWorkspace()
        onProjectFileChanged: mySettingForm.headRecentList(projectFile)
        onCreateProjectSuccessedSignal: {}
    }

    RecentProjectList {
        id: recentList
    }

    MessageLog {
        id: messageLog
        limit: 2000
        cut: 1000
    }

    Settings {
        id: pageSettings
        fileName: "./setting.ini"
        property alias m_ipAddr: mySettingForm.m_ipAddr
        property alias m_rPort: mySettingForm.m_rPort
        property alias m_serialPort: mySettingForm.m_serialPort
        property alias m_lanuage: mySettingForm.lanuage
        property alias m_comboBox_unit: mySettingForm.uint
        property alias m_underload_name3: mySettingForm.underload_name3
        property alias m_overload_name4: mySettingForm.overload_name4
        property alias m_underwarn_name7: mySettingForm.underwarn_name7
        property alias m_overwarn_name8: mySettingForm.overwarn_name8
        property alias m_text_MaxErr: mySettingForm.text_MaxErr
        property alias m_text_MaxWarn: mySettingForm.text_MaxWarn
        property alias m_text_MinErr: mySettingForm.text_MinErr
        property alias m_text_MinWarn: mySettingForm.text_MinWarn
        property alias m_checkBox_setl: mySettingForm.checkBox_setl
        property alias m_sendData: mySettingForm.sendData
        property alias s_versionNumber: mySettingForm.versionNumber
        property alias s_developmentDate: mySettingForm.developmentDate
        property alias s_companyName: mySettingForm.companyName
        property alias fileFolder: folderDialog.m_folder
        property alias fileFolder2: projectFileDialog.folder
        property alias fileProjectName: nameField.text
        property alias savePath: projectControl1.projectPath
        property alias saveFile: projectControl1.projectFile
        property alias logText: messageLog.text
    }

    Platform.FileDialog {
        id: projectFileDialog
        nameFilters: ["Project files (*.VORNPRO)"]
        onAccepted: projectControl1.browseProject(folder, file)
    }

    // Chosen from the system settings page; new projects go into this folder.
    Platform.FolderDialog {
        id: folderDialog
        property string m_folder: ""
        onAccepted: {
            m_folder = folder
            messageLog.append(m_folder)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#eef1f6"
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: 420

            ColumnLayout {
                anchors.centerIn: parent
                width: Math.min(parent.width - 80, 900)
                spacing: 20

                RowLayout {
                    visible: mySettingForm.projectNameRowShown
                    Layout.fillWidth: true
                    Layout.preferredHeight: 50
                    spacing: 10

                    TextField {
                        id: nameField
                        objectName: "projectNameField"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        font.pixelSize: 16
                        selectByMouse: true
                        placeholderText: qsTr("项目名字")
                    }
                    PageButton {
                        objectName: "createProjectButton"
                        Layout.preferredWidth: 160
                        Layout.fillHeight: true
                        text: qsTr("创建项目")
                        onClicked: mySettingForm.createProject()
                    }
                }

                RowLayout {
                    visible: mySettingForm.projectRowShown
                    Layout.fillWidth: true
                    Layout.preferredHeight: 50
                    spacing: 10

                    ComboBox {
                        id: projectBox
                        objectName: "recentProjectBox"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        model: recentList
                        textRole: "display"
                        onActivated: mySettingForm.chooseRecent(index)
                        contentItem: Label {
                            leftPadding: 12
                            rightPadding: projectBox.indicator.width + 4
                            text: projectBox.displayText
                            elide: Text.ElideLeft
                            verticalAlignment: Text.AlignVCenter
                            font: projectBox.font
                        }
                    }
                    PageButton {
                        visible: mySettingForm.windowsBool
                        Layout.preferredWidth: 80
                        Layout.fillHeight: true
                        text: qsTr("浏览")
                        onClicked: projectFileDialog.open()
                    }
                    PageButton {
                        objectName: "openProjectButton"
                        Layout.preferredWidth: 80
                        Layout.fillHeight: true
                        text: qsTr("打开")
                        onClicked: mySettingForm.openProject()
                    }
                }
            }
        }

        Label {
            Layout.leftMargin: 20
            text: qsTr("提示信息：")
            font.pixelSize: 16
        }

        LogView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.margins: 20
            Layout.topMargin: 6
            textArea.objectName: "messageArea"
            placeholderText: qsTr("提示信息")
            text: messageLog.text
        }
    }

    function openFolderDialog() {
        folderDialog.open()
    }

    function headRecentList(path) {
        recentList.moveToTop(path)
        projectBox.currentIndex = recentList.count > 0 ? 0 : -1
    }

    function chooseRecent(row) {
        recentList.moveRowToTop(row)
        projectBox.currentIndex = 0
    }

    function createProject() {
        if (nameField.text === "")
            nameField.text = "VornView_Temp_Project"
        projectControl1.creatProject(m_folder, nameField.text, 0, "RWX4401-0.5T", 0, 0, 0, 0)
        openProject()
    }

    function openProject() {
        var path = recentList.get(0)
        if (path === "") {
            messageLog.append(lanuage ? qsTr("当前项目错误;") : "Current project error;")
            return
        }
        visible = true
        nameField.text = recentList.projectName(path)
        projectControl1.openProject(path)
        projectControl1.setDataSource(0, 0, 0)
        projectControl1.weightControl.serialDevice.openSerialPort(m_serialPort)
    }

    // The weighing controller is always read through the property: an object
    // handed out by an invokable method becomes the JavaScript engine's, and
    // its garbage collector would delete the controller under the project.
    function buildWorkspace() {
        workspace = workspaceComponent.createObject(workspaceArea, {
            "projectPage": mySettingForm,
            "weightingControl1": projectControl1.weightControl,
            "clearLog": clearLog
        })
        clearLog = false
        visible = false
        workspaceArea.visible = true
    }

    // The workspace closes the project before it goes, while its views can
    // still take the news.
    function releaseWorkspace() {
        if (workspace)
            workspace.testPage.leaveProject()
    }

    // Back from the workspace to this page ("重选项目" shows the current-project
    // row, "新建项目" the project-name row). The workspace saves its log and
    // closes the project as it goes.
    function returnToProjectPage(showProjectRow) {
        projectRowShown = showProjectRow
        projectNameRowShown = !showProjectRow
        visible = true
        workspaceArea.visible = false
        if (workspace) {
            releaseWorkspace()
            workspace.destroy()
            workspace = null
        }
    }

    // A new language retranslates the whole interface; the window keeps the
    // size it has.
    function applyLanguage(chinese) {
        var width = appWindow.width
        var height = appWindow.height
        projectControl1.CH = chinese
        qmlLanguage.setLanguage(chinese ? 1 : 0)
        lanuage = chinese
        appWindow.width = width
        appWindow.height = height
    }

    // Leaving the program (the exit dialog's "Yes", closing the window, a
    // logout or service stop): the open project is saved first. A failed save
    // has been reported in the messages and the log; the program still ends,
    // with a failure status.
    function saveAndQuit() {
        var saved = workspace ? workspace.saveProject() : true
        Qt.exit(saved ? 0 : 1)
    }

    Component {
        id: workspaceComponent
        MyComponetAPP {}
    }

    Component.onCompleted: {
        qmlLanguage.setLanguage(lanuage ? 1 : 0)
        projectControl1.CH = lanuage
        var weightControl = projectControl1.weightControl
        weightControl.Comm.setUdpSetting(m_ipAddr, m_rPort, m_tPort)
        weightControl.serialDevice.com = m_serialPort
        headRecentList(projectControl1.projectFile)
        recentList.load("./setting.ini")
        projectBox.currentIndex = recentList.count > 0 ? 0 : -1
        createProject()
    }

    Connections {
        target: Qt.application
        function onAboutToQuit() { mySettingForm.releaseWorkspace() }
    }

    Component.onDestruction: recentList.save("./setting.ini")
}
