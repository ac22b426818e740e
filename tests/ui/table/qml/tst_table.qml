import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The table view in the real window with the real controllers: cells fed as
// hub datagrams appear as rows, groups and parts are made from the header,
// and parts with their cells come back after a save and a reopening.
TestCase {
    id: testCase
    name: "TableView"
    when: windowShown

    WindowProgram {
        id: program
        testCase: testCase
    }

    SignalSpy {
        id: partDeleted
        signalName: "tablepartCreatSignal"
    }

    function init() {
        program.start(workingFolder)
        partDeleted.clear()
        partDeleted.target = container()
    }

    function cleanup() {
        program.stop()
    }

    function container() { return findChild(program.workspace(), "myTableParent") }
    function control() { return program.weighing() }

    // The rows of a table model as "page.index" texts.
    function keysOf(rows) {
        var keys = []
        for (var row = 0; row < rows.count; ++row)
            keys.push(rowValue(rows, row, "idText").split("\n")[0])
        return keys
    }

    function rowValue(rows, row, role) {
        return rows.get(row)[role]
    }

    function rowOf(rows, key) {
        return keysOf(rows).indexOf(key)
    }

    // The shown delegate of a row of the visible table.
    function delegateOf(table, key) {
        var items = table.listView.contentItem.children
        for (var i = 0; i < items.length; ++i) {
            if (items[i].objectName === "tableRow" && items[i].visible && items[i].idText.split("\n")[0] === key)
                return items[i]
        }
        return null
    }

    function feedCells() {
        control().createCell(2, 7)
        control().createCell(2, 8)
        control().createCell(3, 1)
        control().setMaxWarnData(2, 7, 80)
        control().setMaxErrData(2, 7, 100)
        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 0, 0, 0], [2, 0, 0, 0], [3, 0, 0, 0], [4, 0, 0, 0],
                                    [5, 0, 0, 0], [6, 0, 0, 0], [7, 90, 1, 1], [8, 20, 3, 5]])
        var rows = container().mainTable.rows
        tryVerify(function() { return rowOf(rows, "3.1") >= 0 && rowValue(rows, rowOf(rows, "2.7"), "width1") === 90 }, 5000)
        return rows
    }

    function test_publishedCellsAppearWithTheirTextsAndColours() {
        var rows = feedCells()
        var row = rowOf(rows, "2.7")
        compare(rowValue(rows, 0, "idText"), "1.0")
        compare(rowValue(rows, row, "name001"), "CZ 2.7")
        compare(rowValue(rows, row, "stateText"), "ON") // the program starts in English
        compare(rowValue(rows, row, "typeText"), "RWX4401-0.5T")
        compare(rowValue(rows, row, "widthColor"), "Orange")

        tryVerify(function() { return delegateOf(container().mainTable, "2.7") !== null }, 3000, "row 2.7 shown")
        var shown = delegateOf(container().mainTable, "2.7")
        var weightCell = findChild(shown, "weightCell")
        compare(weightCell.text, "90")
        verify(Qt.colorEqual(weightCell.color, "Orange"))
        verify(Qt.colorEqual(findChild(shown, "stateCell").color, "green"))

        var fault = rowOf(rows, "2.8")
        tryCompare(rows, "count", 4)
        compare(rowValue(rows, fault, "stateText"), "ERR")
        compare(rowValue(rows, fault, "typeText"), "RWX4401-5.0T")

        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 0, 0, 0], [2, 0, 0, 0], [3, 0, 0, 0], [4, 0, 0, 0],
                                    [5, 0, 0, 0], [6, 0, 0, 0], [7, 110, 1, 1], [8, 20, 3, 5]])
        tryVerify(function() { return rowValue(rows, row, "widthColor") === "red" }, 3000)
        tryVerify(function() { return Qt.colorEqual(findChild(delegateOf(container().mainTable, "2.7"), "weightCell").color, "red") }, 3000)
        // Hiding the overweight-alarm column takes its colour out.
        program.workspace().rect4_d = 84
        compare(rowValue(rows, row, "widthColor"), "Orange")
        verify(!findChild(container().mainTable, "overAlarmHeader").visible)
        // The counters of the visible table follow once a second.
        tryCompare(rows, "rect8_N", 0, 3000)
        tryCompare(rows, "rect_ON", 1, 3000)
        compare(rows.rect_OFF, 2)
        var header = findChild(container().mainTable, "tableHeader")
        verify(findChild(header, "onlineCount").visible)
    }

    function test_groupAssignmentCallsTheControllerForSelectedRows() {
        var rows = feedCells()
        var parent = container()
        var notice = parent.mainTable.notice
        parent.setGroup(3)
        compare(notice.text, "Please select the device")
        tryVerify(function() { return notice.opacity > 0 }, 1000)

        tryVerify(function() { return delegateOf(parent.mainTable, "3.1") !== null }, 3000)
        mouseClick(delegateOf(parent.mainTable, "2.7"))
        compare(rowValue(rows, rowOf(rows, "2.7"), "checked001"), true)
        mouseClick(delegateOf(parent.mainTable, "3.1"), 5, 5, Qt.LeftButton, Qt.ControlModifier)
        var groupBox = findChild(parent, "groupBox")
        groupBox.currentIndex = 2
        groupBox.activated(2)
        // The controller makes the group; the next refresh shows it under the total.
        tryVerify(function() { return rowOf(rows, "1.1004") === 1 }, 3000)
        tryVerify(function() { return rowValue(rows, rowOf(rows, "2.7"), "groupId001") === 3 }, 3000)
        compare(rowValue(rows, rowOf(rows, "3.1"), "groupId001"), 3)
        compare(rowValue(rows, rowOf(rows, "2.8"), "groupId001"), 0)

        // Deleting: the group row selected, the dialog confirmed.
        parent.mainTable.rows.setAllChecked(false)
        parent.mainTable.rows.ctrlClickRow(1)
        parent.deleteGroup()
        var dialog = parent.mainTable.groupDeleteDialog
        tryVerify(function() { return dialog.opened }, 2000)
        dialog.accept()
        compare(rowOf(rows, "1.1004"), -1)
        tryVerify(function() { return rowValue(rows, rowOf(rows, "2.7"), "groupId001") === 0 }, 3000)
    }

    // The main tab's caption under its picture and a part name of three
    // lines stay inside the header.
    function test_partTabsShowTheirWholeCaption() {
        var parent = container()
        verify(parent.createPart("a part name that takes three lines in its tab") > 0)
        var tabs = findChild(parent, "partTabs")
        compare(tabs.count, 2)
        waitForRendering(tabs)
        for (var i = 0; i < tabs.count; ++i) {
            var tab = tabs.itemAt(i)
            var caption = findChild(tab, "partTabCaption")
            verify(!caption.truncated, caption.text)
            var top = caption.mapToItem(tabs, 0, 0).y
            var bottom = caption.mapToItem(tabs, 0, caption.height).y
            verify(top >= 0 && bottom <= tabs.height && bottom <= tab.mapToItem(tabs, 0, tab.height).y,
                   caption.text + ": " + top + " to " + bottom + " in " + tabs.height)
        }
        compare(findChild(tabs.itemAt(1), "partTabCaption").lineCount, 3)
    }

    function test_partsTakeTheLowestFreeNumber() {
        var parent = container()
        // Start without the parts an earlier test stored in the project.
        while (parent.parts.count > 0)
            parent.deletePart(parent.parts.get(0).number)
        partDeleted.clear()
        for (var i = 1; i <= 19; ++i)
            compare(parent.createPart("part " + i), i)
        compare(parent.createPart("twentieth"), 0)
        compare(parent.parts.count, 19)

        parent.askDeletePart(4)
        var dialog = parent.partDeleteDialog
        tryVerify(function() { return dialog.opened }, 2000)
        dialog.accept()
        compare(partDeleted.count, 1)
        compare(partDeleted.signalArguments[0][0], 4)
        compare(parent.parts.count, 18)
        verify(!parent.partNumbers.isUsed(4))
        compare(parent.createPart("again"), 4)
        compare(parent.parts.get(18).number, 4)
        // The new part 4 starts with its total row only; cells are added to it.
        parent.addCellToPart(4, 2, 9)
        compare(keysOf(parent.tableOf(4).rows), ["1.0", "2.9"])
    }

    function test_partsAndTheirCellsSurviveSaveAndReopen() {
        var rows = feedCells()
        var parent = container()
        var number = parent.createPart("north")
        compare(number, 1)
        // Nothing selected: a notice, nothing added.
        parent.addSelectedToPart(number)
        compare(parent.mainTable.notice.text, "Please select the device to add")
        rows.ctrlClickRow(rowOf(rows, "2.7"))
        rows.ctrlClickRow(rowOf(rows, "3.1"))
        parent.addSelectedToPart(number)
        var part = parent.tableOf(number)
        compare(keysOf(part.rows), ["1.0", "2.7", "3.1"])
        // The part follows its own cells only.
        tryVerify(function() { return rowValue(part.rows, 1, "width1") === 90 }, 3000)
        compare(part.rows.count, 3)

        // Removing from the part on screen.
        var tabs = findChild(parent, "partTabs")
        tabs.currentIndex = 1
        compare(parent.currentPart, number)
        part.rows.ctrlClickRow(2)
        parent.removeSelectedFromPart()
        compare(keysOf(part.rows), ["1.0", "2.7"])

        program.workspace().saveProject()
        var page = program.page()
        page.returnToProjectPage(true)
        wait(50)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        parent = container()
        compare(parent.parts.count, 1)
        compare(parent.parts.get(0).name, "north")
        compare(parent.parts.get(0).number, 1)
        compare(keysOf(parent.tableOf(1).rows), ["1.0", "2.7"])
        var mainKeys = keysOf(parent.mainTable.rows)
        verify(mainKeys.indexOf("2.7") > 0 && mainKeys.indexOf("3.1") > 0, mainKeys)
    }
}
