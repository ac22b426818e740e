import QtQuick 2.15

// Starts and stops the real main window in the test's working directory and finds its parts.
QtObject {
    property var window: null
    property var testCase: null
    property bool releaseOnStop: false // release the workspace first, as quitting does

    function start(folder) { // with the working-directory helper, new projects go there too
        if (folder)
            folder.setSetting("setting.ini", "fileFolder", folder.url() + "/projects")
        var component = Qt.createComponent("qrc:/main.qml")
        testCase.verify(component.status === Component.Ready, component.errorString())
        window = component.createObject(null)
        testCase.verify(window !== null)
        testCase.tryVerify(function() { return workspace() !== null }, 10000, "workspace built")
    }

    function stop() {
        if (window) {
            if (releaseOnStop)
                page().releaseWorkspace()
            window.destroy()
            window = null
        }
        testCase.wait(50) // deferred deletion runs the pages' destruction handlers
    }

    function page() { return testCase.findChild(window.contentItem, "mySettingForm") }
    function workspace() { return page() ? page().workspace : null }
    function testPage() { return workspace() ? workspace().testPage : null }
    function control() { return page().projectControl }
    // Through the property: the script engine never takes the controller over.
    function weighing() { return control().weightControl }
}
