import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The plan view in the real window: figures added in the settings popup, dragged
// with the mouse, raised from the menu, stored with the project, imported.
TestCase {
    id: testCase
    name: "PlanView"
    when: windowShown

    WindowProgram { id: program; testCase: testCase }

    function cleanupTestCase() { program.stop() }

    function plans() { return findChild(program.workspace(), "planParent") }
    function keysOf(figures) {
        var keys = []
        for (var row = 0; row < figures.count; ++row)
            keys.push(figures.data(figures.index(row, 0), 0).split(" ")[0])
        return keys
    }
    function role(plan, row, offset) { return plan.figures.data(plan.figures.index(row, 0), Qt.UserRole + offset) }
    function centreOf(plan, row) {
        var rect = plan.painter.figureRect(row)
        return Qt.point(rect.x + rect.width / 2, rect.y + rect.height / 2)
    }
    function drag(plan, from, to) {
        mousePress(plan, from.x, from.y)
        mouseMove(plan, (from.x + to.x) / 2, (from.y + to.y) / 2, -1, Qt.LeftButton)
        mouseMove(plan, to.x, to.y, -1, Qt.LeftButton)
    }
    // Cells 2.1 ... as [index, weight, state, type] records, in the main table.
    function feed(records) {
        records.forEach(function(r) { program.weighing().createCell(2, r[0]) })
        hubFeed.send(program.weighing(), 2, [[0, 0, 0, 0]].concat(records))
        var rows = findChild(program.workspace(), "myTableParent").mainTable.rows
        tryVerify(function() { return rows.rowOf(2, records[records.length - 1][0]) > 0 }, 5000)
    }

    function test_figuresAddedDraggedRaisedStoredAndImported() {
        program.start(workingFolder)
        feed([[1, 100, 1, 1], [2, 120, 0, 1], [3, 90, 1, 1], [4, 45, 1, 1]])
        program.workspace().currentView = 3
        var plan = plans().mainPlan
        tryVerify(function() { return plan.visible && plan.pictureItem.status === Image.Ready }, 5000)
        program.workspace().planSetSignal()
        var popup = plans().settingsPopup
        tryVerify(function() { return popup.opened }, 2000)
        findChild(popup.contentItem, "bulkAddField").text = "2.01-2.03"
        mouseClick(findChild(popup.contentItem, "bulkAdd"))
        popup.close()
        tryVerify(function() { return !popup.visible }, 2000)
        compare(keysOf(plan.figures), ["2.1", "2.2", "2.3"])
        for (var row = 0; row < 3; ++row)
            plan.figures.moveTo(row, 60 + row * 300, 120)

        // Dragged, the figure follows at the picture's scale; over the trash, it goes.
        var start = centreOf(plan, 0)
        drag(plan, start, Qt.point(start.x + 60, start.y + 30))
        mouseRelease(plan, start.x + 60, start.y + 30)
        compare([role(plan, 0, 3), role(plan, 0, 4)], [60 + Math.round(60 / 0.6), 120 + Math.round(30 / 0.6)])
        var trash = plan.trash.mapToItem(plan, plan.trash.width / 2, plan.trash.height / 2)
        drag(plan, centreOf(plan, 1), trash)
        tryCompare(plan.trash, "width", 75, 2000)
        mouseRelease(plan, trash.x, trash.y)
        compare(keysOf(plan.figures), ["2.1", "2.3"])

        // A long press shows the cell's details; raising it from there.
        mousePress(plan, centreOf(plan, 1).x, centreOf(plan, 1).y)
        tryVerify(function() { return plan.infoMenu.opened }, 3000)
        mouseRelease(plan)
        verify(plan.infoMenu.text.indexOf("ID:2.3\nName:CZ 2.3") === 0, plan.infoMenu.text)
        mouseClick(findChild(plan.infoMenu.contentItem, "raiseItem"))
        plan.picture.setCellSize(120)

        program.workspace().saveProject()
        program.page().returnToProjectPage(true)
        wait(50)
        program.page().openProject()
        tryVerify(function() { return program.workspace() !== null && plans() !== null }, 5000)
        plan = plans().mainPlan
        compare(keysOf(plan.figures), ["2.1", "2.3"])
        compare([role(plan, 0, 3), role(plan, 0, 4), role(plan, 1, 5)], [160, 170, 1])
        compare([plan.picture.cellWidth, plan.picture.cellHeight], [120, 60])

        // The import menu follows the table parts and fills the plan part shown.
        var tables = findChild(program.workspace(), "myTableParent")
        var menu = plans().partMenu.importMenu
        while (tables.parts.count > 0)
            tables.deletePart(tables.parts.get(0).number)
        var north = tables.createPart("north")
        tables.addCellToPart(tables.createPart("south"), 2, 4)
        plans().partTabs.currentIndex = plans().createPart("hall")
        menu.itemAt(1).triggered()
        compare(keysOf(plans().currentPlan.figures), ["1.0", "2.4"])
        compare(plans().mainPlan.figures.count, 2)
        tables.deletePart(north)
        compare([menu.count, menu.itemAt(0).text], [1, "south"])
    }
}
