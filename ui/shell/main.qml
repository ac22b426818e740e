import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Qt.labs.settings 1.1

ApplicationWindow {
    id: mainWindow
    visible: false
    minimumWidth: 1200
    minimumHeight: 800
    width: 1280
    height: 800
    title: qsTr("vornView")
    // The Material style writes button, tab and dialog button captions in
    // capitals; here every caption and part name shows as written.
    font.capitalization: Font.MixedCase

    // Handed over by the program: a logout, a service stop or Ctrl+C.
    property QtObject terminationSignals: null

    // The window's geometry survives a restart. The shown state is remembered
    // only while the window is on screen: closing hides the window, and a
    // stored "hidden" would start the next run without a window.
    Settings {
        id: windowSettings
        fileName: "./setting_mainWindow.ini"
        property alias x: mainWindow.x
        property alias y: mainWindow.y
        property alias width: mainWindow.width
        property alias height: mainWindow.height
        property alias flags: mainWindow.flags
        property int visibility: Window.Maximized
    }

    // Closing the window leaves the way the exit dialog's "Yes" does.
    onClosing: mySettingSet.saveAndQuit()

    onVisibilityChanged: {
        if (visibility === Window.Windowed || visibility === Window.Maximized
                || visibility === Window.FullScreen)
            windowSettings.visibility = visibility
    }

    Component.onCompleted: {
        var shown = windowSettings.visibility
        if (shown !== Window.Windowed && shown !== Window.FullScreen)
            shown = Window.Maximized
        visibility = shown
    }

    // The workspace area comes first so that, when the program ends, the
    // workspace is torn down (saving its log and closing the project) while the
    // project page's controller still exists.
    Item {
        id: rec_app
        objectName: "rec_app"
        anchors.fill: parent
        visible: false
    }

    Connections {
        target: mainWindow.terminationSignals
        function onTerminationRequested() { mySettingSet.saveAndQuit() }
    }

    MySetting {
        id: mySettingSet
        anchors.fill: parent
        appWindow: mainWindow
        workspaceArea: rec_app
    }
}
