import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The table settings panel in the real window with the real controller and
// project file: cells are created, renamed, tared, given thresholds, sorted,
// moved and deleted from the panel; the table and its bar chart agree after
// every step, and everything comes back after a save and a reopening.
TestCase {
    id: testCase
    name: "TableSettings"
    when: windowShown

    WindowProgram {
        id: program
        testCase: testCase
    }

    function init() {
        program.start(workingFolder)
    }

    function cleanup() {
        program.stop()
    }

    function container() { return findChild(program.workspace(), "myTableParent") }
    function charts() { return findChild(program.workspace(), "myBarChartParent") }
    function control() { return program.weighing() }

    function keysOf(rows) {
        var keys = []
        for (var row = 0; row < rows.count; ++row)
            keys.push(rows.get(row).pageId001 + "." + rows.get(row).index001)
        return keys
    }

    // The table on screen and its bar chart twin hold the same cells in the same order.
    function compareTwins(table, chart, expected) {
        compare(keysOf(table), expected)
        compare(keysOf(chart), expected)
    }

    function openPanel() {
        program.workspace().currentView = 1
        program.workspace().tableSetSignal()
        var panel = container().currentTable.settingPanel
        tryVerify(function() { return panel.opened }, 2000)
        verify(!findChild(program.workspace(), "workspaceTabBar").enabled)
        verify(!findChild(container(), "partTabs").enabled)
        return panel
    }

    function click(panel, name) {
        var button = findChild(panel.contentItem, name)
        verify(button !== null, name)
        mouseClick(button)
    }

    function field(panel, name) { return findChild(panel.contentItem, name) }

    function test_panelEditsCellsAndTheyComeBack() {
        var panel = openPanel()
        var rows = container().mainTable.rows
        var bars = charts().mainChart.rows
        program.page().checkBox_setl = false

        // Creation: the index message in English, then one cell and a range.
        field(panel, "wiredIdField").text = "3.0"
        click(panel, "createDeviceButton")
        compare(panel.notice.text, "Please enter the correct ID,\nit must be over x.0")
        field(panel, "wiredIdField").text = "3.5"
        click(panel, "createDeviceButton")
        compare(field(panel, "wiredIdField").text, "")
        field(panel, "wiredRangeField").text = "3.03-3.02"
        click(panel, "createDevicesButton")
        tryVerify(function() { return rows.contains(3, 2) && bars.contains(3, 2) }, 5000)
        var start = keysOf(rows)
        compareTwins(rows, bars, start)
        verify(start.indexOf("3.5") > 0 && start.indexOf("3.3") > 0, start)

        // Name, thresholds and tare of the selected cell.
        rows.clickRow(rows.rowOf(3, 5), false)
        field(panel, "nameField").text = "Pump"
        field(panel, "maxErrField").text = "900"
        field(panel, "maxWarnField").text = ""
        click(panel, "setThresholdsButton")
        var columns = panel.columnRow
        mouseClick(columns.tareSwitch)
        verify(columns.tareField.enabled)
        columns.tareField.text = "12"
        columns.tareField.accepted()
        tryVerify(function() { var r = rows.get(rows.rowOf(3, 5)); return r.name001 === "Pump" && r.maxErr001 === 900 && r.peel001 === 12 }, 5000)

        // Sorts and moves act on both.
        click(panel, "descendingButton")
        var sorted = keysOf(rows)
        compare(sorted.slice(1, 4), ["3.5", "3.3", "3.2"])
        compareTwins(rows, bars, sorted)
        click(panel, "moveBottomButton")
        compare(keysOf(rows)[rows.count - 1], "3.5")
        compareTwins(rows, bars, keysOf(rows))
        click(panel, "moveTopButton")
        compare(keysOf(rows)[1], "3.5")
        compareTwins(rows, bars, keysOf(rows))

        // Deleting 3.3 after the confirmation.
        rows.clickRow(rows.rowOf(3, 3), false)
        click(panel, "deleteDeviceButton")
        tryVerify(function() { return panel.deleteDialog.opened }, 2000)
        panel.deleteDialog.accept()
        verify(!rows.contains(3, 3))
        var kept = keysOf(rows)
        compareTwins(rows, bars, kept)

        panel.close()
        tryVerify(function() { return !panel.visible }, 2000)
        verify(findChild(program.workspace(), "workspaceTabBar").enabled)

        program.workspace().saveProject()
        program.page().returnToProjectPage(true)
        wait(50)
        program.page().openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        rows = container().mainTable.rows
        bars = charts().mainChart.rows
        compareTwins(rows, bars, kept)
        tryVerify(function() { var r = rows.get(rows.rowOf(3, 5)); return r.name001 === "Pump" && r.maxErr001 === 900 && r.peel001 === 12 }, 5000)
    }

    function test_partTableOffersAbsoluteThresholdsOnly() {
        var parent = container()
        var number = parent.createPart("south")
        verify(number > 0)
        findChild(parent, "partTabs").currentIndex = parent.parts.count
        compare(parent.currentPart, number)
        program.page().checkBox_setl = true
        var panel = openPanel()
        verify(!panel.thresholdRows.percentBox.enabled)
        verify(!panel.thresholdRows.checkSet)
        compare(panel.twin.chart, charts().chartOf(number).rows)
        click(panel, "moveUpButton")
        compare(panel.notice.text, "Please select the device to modify")

        // Chinese: the device types are rebuilt, the wireless choice stays,
        // names take 8 characters instead of 16.
        var types = panel.deviceRow.typeBox
        compare(field(panel, "nameField").maximumLength, 16)
        types.currentIndex = 1
        types.activated(1)
        verify(findChild(panel.contentItem, "macField").visible)
        program.workspace().systemSetting.changeLanguage(true)
        compare(types.currentText, "RWX5502(无线)")
        compare(field(panel, "nameField").maximumLength, 8)
        click(panel, "createWirelessButton")
        compare(panel.notice.text, "请输入正确的MAC地址格式")
        program.workspace().systemSetting.changeLanguage(false)
        panel.close()
    }
}
