import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The table view and its settings panel in the real window: what delegates,
// buttons, dialogs and part tabs are bound and wired to, on live hub datagrams.
TestCase {
    id: testCase
    name: "TableView"
    when: windowShown

    WindowProgram { id: program; testCase: testCase }

    function init() { program.start(workingFolder) }
    function cleanup() { program.stop() }

    function container() { return findChild(program.workspace(), "myTableParent") }
    function control() { return program.weighing() }
    function keysOf(rows) {
        return Array.from({length: rows.count}, function(_, row) { return rows.get(row).pageId001 + "." + rows.get(row).index001 })
    }
    function delegateOf(key) {
        return Array.prototype.find.call(container().mainTable.listView.contentItem.children, function(item) {
            return item.objectName === "tableRow" && item.visible && item.idText.split("\n")[0] === key }) || null
    }
    function feed(weight27) { hubFeed.send(control(), 2, [[7, weight27, 1, 1], [8, 20, 3, 5]]) }
    function feedCells() {
        program.page().checkBox_setl = false // absolute thresholds: new cells keep theirs
        for (var i = 0; i < 3; ++i)
            control().createCell([2, 2, 3][i], [7, 8, 1][i])
        control().setMaxWarnData(2, 7, 80)
        control().setMaxErrData(2, 7, 100)
        feed(90)
        tryVerify(function() { return delegateOf("3.1") !== null && findChild(delegateOf("2.7"), "weightCell").text === "90" }, 5000)
        return container().mainTable.rows
    }
    function openPanel() {
        program.workspace().currentView = 1
        program.workspace().tableSetSignal()
        var panel = container().currentTable.settingPanel
        tryVerify(function() { return panel.opened })
        verify(!findChild(program.workspace(), "workspaceTabBar").enabled && !findChild(container(), "partTabs").enabled)
        return panel
    }
    function click(panel, name) { mouseClick(field(panel, name)) }
    function field(panel, name) { return findChild(panel.contentItem, name) }

    function test_delegatesFollowTheRowsAndTheMouse() {
        var rows = feedCells()
        verify(Qt.colorEqual(findChild(delegateOf("2.7"), "weightCell").color, "Orange")
               && Qt.colorEqual(findChild(delegateOf("2.7"), "stateCell").color, "green"))
        feed(110)
        tryVerify(function() { return Qt.colorEqual(findChild(delegateOf("2.7"), "weightCell").color, "red") }, 3000)
        // Hiding the overweight-alarm column takes its colour out.
        program.workspace().rect4_d = 84
        verify(Qt.colorEqual(findChild(delegateOf("2.7"), "weightCell").color, "Orange")
               && !findChild(container().mainTable, "overAlarmHeader").visible)
        // The mouse selects rows for a group.
        var parent = container()
        mouseClick(delegateOf("2.7"))
        mouseClick(delegateOf("3.1"), 5, 5, Qt.LeftButton, Qt.ControlModifier)
        var groupBox = findChild(parent, "groupBox")
        groupBox.currentIndex = 2
        groupBox.activated(2)
        tryVerify(function() { return keysOf(rows)[1] === "1.1004" }, 3000)
        rows.setAllChecked(false)
        rows.ctrlClickRow(1)
        parent.deleteGroup()
        tryVerify(function() { return parent.mainTable.groupDeleteDialog.opened })
        parent.mainTable.groupDeleteDialog.accept()
        verify(!rows.contains(1, 1004))
    }

    // The main tab's caption under its picture and a three-line part name fit.
    function test_partTabsShowTheirWholeCaption() {
        verify(container().createPart("a part name that takes three lines in its tab") > 0)
        var tabs = findChild(container(), "partTabs")
        waitForRendering(tabs)
        for (var i = 0; i < tabs.count; ++i) {
            var caption = findChild(tabs.itemAt(i), "partTabCaption")
            var top = caption.mapToItem(tabs, 0, 0).y
            var bottom = caption.mapToItem(tabs, 0, caption.height).y
            verify(!caption.truncated && top >= 0 && bottom <= tabs.height
                   && bottom <= tabs.itemAt(i).mapToItem(tabs, 0, tabs.itemAt(i).height).y, caption.text)
        }
        compare(findChild(tabs.itemAt(tabs.count - 1), "partTabCaption").lineCount, 3)
    }

    function test_panelEditsComeBackAfterReopening() {
        var rows = feedCells()
        var panel = openPanel()
        var bars = findChild(program.workspace(), "myBarChartParent").mainChart.rows
        field(panel, "wiredIdField").text = "3.5"
        click(panel, "createDeviceButton")
        field(panel, "wiredRangeField").text = "3.03-3.02"
        click(panel, "createDevicesButton")
        tryVerify(function() { return rows.contains(3, 5) && rows.contains(3, 2) && bars.contains(3, 2) })
        rows.clickRow(rows.rowOf(3, 5), false)
        field(panel, "nameField").text = "Pump"
        field(panel, "maxErrField").text = "900"
        click(panel, "setThresholdsButton")
        mouseClick(panel.columnRow.tareSwitch)
        panel.columnRow.tareField.text = "12"
        panel.columnRow.tareField.accepted()
        click(panel, "descendingButton")
        click(panel, "moveBottomButton")
        compare(keysOf(rows)[rows.count - 1], "3.5")
        rows.clickRow(rows.rowOf(3, 3), false)
        click(panel, "deleteDeviceButton")
        tryVerify(function() { return panel.deleteDialog.opened })
        panel.deleteDialog.accept()
        var kept = keysOf(rows)
        verify(kept.indexOf("3.3") < 0 && keysOf(bars).join() === kept.join())
        panel.close()
        tryVerify(function() { return findChild(program.workspace(), "workspaceTabBar").enabled })

        program.workspace().saveProject()
        program.page().returnToProjectPage(true)
        wait(50)
        program.page().openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        rows = container().mainTable.rows
        compare([keysOf(rows), keysOf(findChild(program.workspace(), "myBarChartParent").mainChart.rows)], [kept, kept])
        tryVerify(function() { var r = rows.get(rows.rowOf(3, 5)); return r.name001 === "Pump" && r.maxErr001 === 900 && r.peel001 === 12 })
    }

    // A part's panel: absolute thresholds only, its own chart twin, and the
    // device types rebuilt in Chinese keeping the choice.
    function test_partPanel() {
        var number = container().createPart("south")
        findChild(container(), "partTabs").currentIndex = container().parts.count
        program.page().checkBox_setl = true
        var panel = openPanel()
        verify(!panel.thresholdRows.percentBox.enabled)
        compare(panel.twin.chart, findChild(program.workspace(), "myBarChartParent").chartOf(number).rows)
        var types = panel.deviceRow.typeBox
        compare(field(panel, "nameField").maximumLength, 16)
        types.currentIndex = 1
        types.activated(1)
        program.workspace().systemSetting.changeLanguage(true)
        compare(types.currentText, "RWX5502(无线)")
        verify(field(panel, "macField").visible && field(panel, "nameField").maximumLength === 8)
    }
}
