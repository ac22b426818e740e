import QtQuick 2.15

// Starts and stops the real main window in the test's working directory and
// finds its parts. New projects go into the working directory as well.
QtObject {
    id: harness

    property var window: null
    property var testCase: null

    function seedProjectFolder() {
        workingFolder.setSetting("setting.ini", "fileFolder", workingFolder.url() + "/projects")
    }

    function start() {
        var component = Qt.createComponent("qrc:/main.qml")
        testCase.verify(component.status === Component.Ready, component.errorString())
        window = component.createObject(null)
        testCase.verify(window !== null, "main window created")
        testCase.tryVerify(function() { return workspace() !== null }, 10000, "workspace built")
        return window
    }

    function stop() {
        if (window) {
            // What quitting the program does before the window goes.
            page().releaseWorkspace()
            window.destroy()
            window = null
        }
        // Deferred deletion runs the pages' destruction handlers.
        testCase.wait(50)
    }

    function page() { return testCase.findChild(window.contentItem, "mySettingForm") }
    function recApp() { return testCase.findChild(window.contentItem, "rec_app") }
    function workspace() { return page() ? page().workspace : null }
    function testPage() { return workspace() ? workspace().testPage : null }
    function control() { return page().projectControl }
    function weighing() { return control().weightControl }
}
