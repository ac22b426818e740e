import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The plan view in the real window with the real controllers and project
// file: cells fed as hub datagrams become coloured figures, figures are
// dragged with the mouse onto the picture or the trash, the import menu
// follows the table parts, and plans come back after a save and a reopening.
TestCase {
    id: testCase
    name: "PlanView"
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

    function plans() { return findChild(program.workspace(), "planParent") }
    function tables() { return findChild(program.workspace(), "myTableParent") }
    function control() { return program.weighing() }

    function keysOf(figures) {
        var keys = []
        for (var row = 0; row < figures.count; ++row) {
            var label = figures.data(figures.index(row, 0), 0)
            keys.push(label.split(" ")[0])
        }
        return keys
    }

    // A role of a figure row.
    function figure(plan, row, role) {
        var roles = { "posX": 3, "posY": 4, "stack": 5, "figureColor": 8 }
        return plan.figures.data(plan.figures.index(row, 0), Qt.UserRole + roles[role])
    }

    // A point inside a figure, in the plan's coordinates.
    function pointIn(plan, row) {
        var rect = plan.painter.figureRect(row)
        return Qt.point(rect.x + rect.width / 2, rect.y + rect.height / 2)
    }

    function reopen() {
        program.workspace().saveProject()
        var page = program.page()
        page.returnToProjectPage(true)
        wait(50)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null && plans() !== null }, 5000)
    }

    // Cells in every state: normal, the two warnings, the two alarms, a
    // fault and an offline cell.
    function feedCells() {
        for (var index = 1; index <= 8; ++index) {
            control().createCell(2, index)
            control().setMinErrData(2, index, 30)
            control().setMinWarnData(2, index, 60)
            control().setMaxWarnData(2, index, 160)
            control().setMaxErrData(2, index, 200)
        }
        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 100, 1, 1], [2, 180, 1, 1], [3, 220, 1, 2], [4, 45, 1, 1],
                                    [5, 20, 1, 1], [6, 120, 0, 1], [7, 170, 3, 5], [8, 90, 1, 3]])
        var rows = tables().mainTable.rows
        tryVerify(function() { return rows.rowOf(2, 8) > 0 && rows.get(rows.rowOf(2, 8)).width1 === 90 }, 5000)
    }

    // The bulk add of the settings popup, typed and pressed.
    function bulkAdd(range) {
        program.workspace().planSetSignal()
        var popup = plans().settingsPopup
        tryVerify(function() { return popup.opened }, 2000)
        var field = findChild(popup.contentItem, "bulkAddField")
        program.window.requestActivate()
        mouseClick(field)
        tryVerify(function() { return field.activeFocus }, 2000)
        field.selectAll()
        for (var i = 0; i < range.length; ++i)
            keyClick(range[i])
        compare(field.text, range)
        mouseClick(findChild(popup.contentItem, "bulkAdd"))
        mouseClick(findChild(popup.contentItem, "planSettingClose"))
        tryVerify(function() { return !popup.visible }, 2000)
    }

    function test_figuresInEveryStateDraggedAndDropped() {
        feedCells()
        program.workspace().currentView = 3
        var plan = plans().mainPlan
        tryVerify(function() { return plan.visible && plan.pictureItem.status === Image.Ready }, 5000)
        compare(plan.picture.scale, 0.6)
        bulkAdd("2.01-2.08")
        var figures = plan.figures
        compare(keysOf(figures), ["2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.7", "2.8"])
        // Adding a cell already on the plan does nothing.
        verify(!figures.addCell(2, 3))
        compare(figures.count, 8)

        // Figures as large as the cell-size slider's start value.
        plan.picture.setCellSize(152)
        var colours = ["green", "Orange", "red", "LightBlue", "Purple", "#ccc800", "#ccc800", "green"]
        for (var row = 0; row < 8; ++row) {
            figures.moveTo(row, 60 + (row % 4) * 300, 120 + Math.floor(row / 4) * 330)
            compare(figure(plan, row, "figureColor"), colours[row], "row " + row)
        }
        compare(figures.data(figures.index(5, 0), 0), "2.6 CZ 2.6")

        // A picture of the plan for a person to look at.
        wait(200)
        var image = grabImage(program.window.contentItem)
        image.save(workingFolder.artifactPath("plan-states.png"))
        var red = plan.painter.figureRect(2)
        var centre = plan.painter.mapToItem(null, red.x + red.width / 2, red.y + red.height - 3)
        verify(image.red(centre.x, centre.y) > 200 && image.green(centre.x, centre.y) < 80,
               image.pixel(centre.x, centre.y))

        // Dragged with the mouse: the figure follows at the picture's scale.
        var start = pointIn(plan, 0)
        mousePress(plan, start.x, start.y)
        for (var step = 1; step <= 5; ++step)
            mouseMove(plan, start.x + step * 12, start.y + step * 6, -1, Qt.LeftButton)
        mouseRelease(plan, start.x + 60, start.y + 30)
        compare(figures.data(figures.index(0, 0), 0), "2.1 CZ 2.1")
        compare(figure(plan, 0, "posX"), 60 + Math.round(60 / 0.6))
        compare(figure(plan, 0, "posY"), 120 + Math.round(30 / 0.6))
        verify(!plan.painter.trashActive)

        // Over the trash the trash grows; dropped there the figure goes.
        var from = pointIn(plan, 5)
        var to = plan.trash.mapToItem(plan, plan.trash.width / 2, plan.trash.height / 2)
        mousePress(plan, from.x, from.y)
        mouseMove(plan, (from.x + to.x) / 2, (from.y + to.y) / 2, -1, Qt.LeftButton)
        mouseMove(plan, to.x, to.y, -1, Qt.LeftButton)
        verify(plan.painter.trashActive)
        tryCompare(plan.trash, "width", 75, 2000)
        mouseRelease(plan, to.x, to.y)
        compare(keysOf(figures), ["2.1", "2.2", "2.3", "2.4", "2.5", "2.7", "2.8"])
        verify(!plan.painter.trashActive)
        tryCompare(plan.trash, "width", 50, 2000)

        // A long press shows the cell's details and raises it.
        var fault = pointIn(plan, 5)
        mousePress(plan, fault.x, fault.y)
        tryVerify(function() { return plan.infoMenu.opened }, 3000)
        mouseRelease(plan, fault.x, fault.y)
        verify(plan.infoMenu.text.indexOf("ID:2.7\nName:CZ 2.7") === 0, plan.infoMenu.text)
        verify(plan.infoMenu.text.indexOf("Status:ERR") > 0, plan.infoMenu.text)
        verify(!findChild(plan.infoMenu.contentItem, "lowerItem").enabled)
        mouseClick(findChild(plan.infoMenu.contentItem, "raiseItem"))
        compare(figure(plan, 5, "stack"), 1)

        // In Chinese the menu, the state texts and the range hint follow.
        program.page().lanuage = true
        program.control().CH = true
        qmlLanguage.setLanguage(1)
        plan.showInfo(5, 10, 10)
        tryVerify(function() { return plan.infoMenu.opened }, 3000)
        verify(plan.infoMenu.text.indexOf("状态:故障") > 0, plan.infoMenu.text)
        compare(findChild(plan.infoMenu.contentItem, "raiseItem").text, "上移")
        plan.infoMenu.close()
        compare(findChild(plans().settingsPopup.contentItem, "bulkAddField").placeholderText, "1.01-1.99")
        program.page().lanuage = false
        program.control().CH = false
        qmlLanguage.setLanguage(0)
        compare(findChild(plans().settingsPopup.contentItem, "bulkAddField").placeholderText, "10.01-10.99")

        // The new places and the stacking order survive saving and reopening.
        reopen()
        plan = plans().mainPlan
        figures = plan.figures
        compare(keysOf(figures), ["2.1", "2.2", "2.3", "2.4", "2.5", "2.7", "2.8"])
        compare(figure(plan, 0, "posX"), 160)
        compare(figure(plan, 0, "posY"), 170)
        compare(figure(plan, 5, "stack"), 1)
    }

    function test_importFollowsTheTableParts() {
        feedCells()
        var tableParent = tables()
        var planParent = plans()
        while (tableParent.parts.count > 0)
            tableParent.deletePart(tableParent.parts.get(0).number)
        compare(planParent.partMenu.importMenu.count, 0)
        var north = tableParent.createPart("north")
        var south = tableParent.createPart("south")
        compare(planParent.partMenu.importMenu.count, 2)
        compare(planParent.partMenu.importMenu.itemAt(1).text, "south")
        tableParent.addCellToPart(south, 2, 4)
        tableParent.addCellToPart(south, 9, 9)

        // Into a new plan part, which starts empty.
        var onMain = planParent.mainPlan.figures.count
        var number = planParent.createPart("hall")
        compare(number, 1)
        planParent.partTabs.currentIndex = 1
        compare(planParent.currentPart, number)
        compare(planParent.currentPlan.figures.count, 0)
        planParent.partMenu.importMenu.itemAt(1).triggered()
        compare(keysOf(planParent.currentPlan.figures), ["1.0", "2.4"])
        compare(planParent.mainPlan.figures.count, onMain)

        tableParent.deletePart(north)
        compare(planParent.partMenu.importMenu.count, 1)
        compare(planParent.partMenu.importMenu.itemAt(0).text, "south")
    }

    function test_partsAndPictureSettingsComeBack() {
        feedCells()
        var planParent = plans()
        while (planParent.parts.count > 0)
            planParent.deletePart(planParent.parts.get(0).number)
        compare(planParent.createPart("one"), 1)
        compare(planParent.createPart("two"), 2)
        compare(planParent.createPart("three"), 3)
        // The lowest free number is taken again after a deletion.
        planParent.askDeletePart(2)
        tryVerify(function() { return planParent.partDeleteDialog.opened }, 2000)
        planParent.partDeleteDialog.accept()
        compare(planParent.parts.count, 2)
        compare(planParent.createPart("four"), 2)
        compare(planParent.partTabs.count, 4)
        verify(planParent.planOf(2).figures.count === 0)

        var part = planParent.planOf(3)
        part.figures.addCell(2, 1)
        part.figures.moveTo(0, -30, 45)
        part.picture.narrow = false
        part.picture.scale = 1.4
        part.picture.x = 25
        part.picture.setCellSize(120)
        planParent.mainPlan.picture.clear()

        reopen()
        planParent = plans()
        compare(planParent.parts.count, 3)
        compare([planParent.parts.get(0).name, planParent.parts.get(1).name, planParent.parts.get(2).name],
                ["one", "three", "four"])
        part = planParent.planOf(3)
        compare(keysOf(part.figures), ["2.1"])
        compare(figure(part, 0, "posX"), -30)
        compare(part.picture.narrow, false)
        compare(part.picture.scale, 1.4)
        compare(part.picture.x, 25)
        compare(part.picture.cellWidth, 120)
        compare(part.picture.cellHeight, 60)
        compare(part.picture.source, "pic/backpicture.png")
        compare(planParent.mainPlan.picture.source, "")
        verify(!planParent.mainPlan.trash.visible)
    }

    function test_missingPictureLeavesThePlanEmptyUntilAnotherIsChosen() {
        feedCells()
        var plan = plans().mainPlan
        while (plan.figures.count > 0)
            plan.figures.removeAt(0)
        plan.figures.addCell(2, 2)
        var gone = workingFolder.url() + "/site.png"
        plan.picture.source = gone
        verify(plan.picture.missing)
        reopen()
        plan = plans().mainPlan
        program.workspace().currentView = 3
        tryVerify(function() { return plan.visible }, 2000)
        compare(plan.picture.source, gone)
        compare(plan.pictureItem.source.toString(), "")
        verify(!plan.painter.pictureShown)
        verify(!plan.trash.visible)
        compare(plan.figures.count, 1)
        var log = program.testPage().logText
        tryVerify(function() { return program.testPage().logText.indexOf("Plan background picture not found:" + gone) >= 0 },
                  2000)
        log = program.testPage().logText
        compare(log.split("Plan background picture not found:").length, 2)
        plan.picture.source = "qrc:/pic/backpicture.png"
        tryVerify(function() { return plan.painter.pictureShown }, 2000)
        compare(plan.painter.figureAt(pointIn(plan, 0).x, pointIn(plan, 0).y), 0)
    }
}
