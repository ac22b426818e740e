import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The bar chart view in the real window with the real controllers: cells fed
// as hub datagrams appear as bars, the charts follow the table parts, and the
// chart settings come back after a save and a reopening.
TestCase {
    id: testCase
    name: "BarChartView"
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

    function charts() { return findChild(program.workspace(), "myBarChartParent") }
    function tables() { return findChild(program.workspace(), "myTableParent") }
    function control() { return program.weighing() }

    function keysOf(rows) {
        var keys = []
        for (var row = 0; row < rows.count; ++row)
            keys.push(rows.get(row).pageId001 + "." + rows.get(row).index001)
        return keys
    }

    function rowOf(rows, key) { return keysOf(rows).indexOf(key) }
    function value(rows, key, role) { return rows.get(rowOf(rows, key))[role] }

    // Cells with warnings, alarms, a fault and an offline cell.
    function feedCells() {
        var cells = [[2, 1], [2, 2], [2, 3], [2, 4], [2, 5], [2, 6], [2, 7], [2, 8]]
        for (var i = 0; i < cells.length; ++i) {
            control().createCell(cells[i][0], cells[i][1])
            control().setMinErrData(cells[i][0], cells[i][1], 30)
            control().setMinWarnData(cells[i][0], cells[i][1], 60)
            control().setMaxWarnData(cells[i][0], cells[i][1], 160)
            control().setMaxErrData(cells[i][0], cells[i][1], 200)
        }
        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 100, 1, 1], [2, 180, 1, 1], [3, 220, 1, 2], [4, 45, 1, 1],
                                    [5, 20, 1, 1], [6, 120, 0, 1], [7, 170, 3, 5], [8, 90, 1, 3]])
        var rows = charts().mainChart.rows
        tryVerify(function() { return rowOf(rows, "2.8") > 0 && value(rows, "2.8", "width1") === 90 }, 5000)
        return rows
    }

    function test_axisFieldsShowTheMaximaWhenOpened() {
        var popup = charts().settingsPopup
        program.workspace().currentView = 2
        program.workspace().barChartSetSignal()
        tryVerify(function() { return popup.opened }, 2000)
        var field = findChild(popup.contentItem, "axisX2Field")
        field.text = "12345"
        mouseClick(findChild(popup.contentItem, "barChartSettingClose"))
        tryVerify(function() { return !popup.visible }, 2000)
        charts().mainChart.rows.applyAxisField(2, "480")

        program.workspace().barChartSetSignal()
        tryVerify(function() { return popup.opened }, 2000)
        compare(field.text, "480")
        compare(findChild(popup.contentItem, "axisX1Field").text, String(charts().mainChart.rows.allTotalData))
        mouseClick(findChild(popup.contentItem, "barChartSettingClose"))
        tryVerify(function() { return !popup.visible }, 2000)
    }

    function test_barsAppearForPublishedCells() {
        var rows = feedCells()
        compare(keysOf(rows)[0], "1.0")
        compare(value(rows, "2.1", "barColor"), "green")
        compare(value(rows, "2.2", "barColor"), "Orange")
        compare(value(rows, "2.3", "barColor"), "red")
        compare(value(rows, "2.4", "barColor"), "LightBlue")
        compare(value(rows, "2.5", "barColor"), "Purple")
        compare(value(rows, "2.6", "barColor"), "#ccc800")
        compare(value(rows, "2.6", "stateText"), "OFF")
        compare(value(rows, "2.7", "stateText"), "ERR")
        var chart = charts().mainChart
        program.workspace().currentView = 2
        tryVerify(function() { return chart.visible && chart.painter.height > 100 }, 2000)
        // Cells on X2, the total on X1.
        compare(rows.chartWidth, chart.painter.width)
        compare(value(rows, "2.1", "propo001"), 250 / (chart.painter.width - 40))
        compare(value(rows, "1.0", "propo001"), 2500 / (chart.painter.width - 40))

        // The long press shows the cell's details.
        var y = chart.painter.rulerHeight + rowOf(rows, "2.3") * chart.painter.rowHeight + 5
        chart.showInfo(30, y)
        tryVerify(function() { return chart.infoMenu.opened }, 2000)
        verify(chart.infoMenu.text.indexOf("ID:2.3\nName:") === 0, chart.infoMenu.text)
        verify(chart.infoMenu.text.indexOf("Status:Overweight alarm") > 0, chart.infoMenu.text)
        chart.infoMenu.close()
        tryVerify(function() { return !chart.infoMenu.visible }, 2000)

        // A picture of the window for a person to look at.
        wait(100)
        var image = grabImage(program.window.contentItem)
        image.save(workingFolder.artifactPath("barchart-states.png"))
        // The red bar of 2.3 (220 of 250 on the X2 axis) is drawn.
        var bar = chart.painter.mapToItem(null, 250, chart.painter.rulerHeight
                                          + (rowOf(rows, "2.3") + 0.5) * chart.painter.rowHeight)
        verify(image.red(bar.x, bar.y) > 200 && image.green(bar.x, bar.y) < 200, image.pixel(bar.x, bar.y))
        // Both rulers frame the bars.
        var top = chart.painter.mapToItem(null, chart.painter.width - 5, 2)
        var bottom = chart.painter.mapToItem(null, chart.painter.width - 5, chart.painter.height - 2)
        verify(Qt.colorEqual(image.pixel(top.x, top.y), "#334177"))
        verify(Qt.colorEqual(image.pixel(bottom.x, bottom.y), "#334177"))
    }

    function test_adaptationFollowsLiveData() {
        var rows = feedCells()
        rows.axisAdaptive = true
        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 100, 1, 1], [2, 180, 1, 1], [3, 190, 1, 2], [4, 45, 1, 1],
                                    [5, 20, 1, 1], [6, 120, 0, 1], [7, 170, 3, 5], [8, 300, 1, 3]])
        tryCompare(rows, "cellMaxData", 300, 5000)
    }

    function test_deletingATablePartRemovesItsChartAndTab() {
        var tableParent = tables()
        var barParent = charts()
        while (tableParent.parts.count > 0)
            tableParent.deletePart(tableParent.parts.get(0).number)
        compare(barParent.parts.count, 0)
        var number = tableParent.createPart("north")
        compare(barParent.parts.count, 1)
        verify(barParent.chartOf(number) !== null)
        compare(barParent.partTabs.count, 2)
        compare(keysOf(barParent.chartOf(number).rows), ["1.0"])
        barParent.partTabs.currentIndex = 1
        compare(barParent.currentPart, number)
        tableParent.deletePart(number)
        compare(barParent.parts.count, 0)
        compare(barParent.chartOf(number), null)
        compare(barParent.partTabs.count, 1)
        compare(barParent.currentPart, 0)
    }

    function test_settingsSurviveSaveAndReopen() {
        var rows = feedCells()
        var tableParent = tables()
        var barParent = charts()
        while (tableParent.parts.count > 0)
            tableParent.deletePart(tableParent.parts.get(0).number)
        var number = tableParent.createPart("north")
        rows.ctrlClickRow(rowOf(rows, "2.3"))
        tableParent.mainTable.rows.ctrlClickRow(rowOf(tableParent.mainTable.rows, "2.3"))
        tableParent.addSelectedToPart(number)
        var part = barParent.chartOf(number)
        compare(keysOf(part.rows), ["1.0", "2.3"])

        // The settings popup of the visible part.
        program.workspace().currentView = 2
        barParent.partTabs.currentIndex = 1
        program.workspace().barChartSetSignal()
        var popup = barParent.settingsPopup
        tryVerify(function() { return popup.opened }, 2000)
        compare(popup.chart, part)
        compare(findChild(popup.contentItem, "widthCaption").text, "Graphic Width : 50")
        var field = findChild(popup.contentItem, "axisX1Field")
        field.text = "2000000"
        mouseClick(findChild(popup.contentItem, "axisX1Set"))
        compare(part.rows.allTotalData, 1000000)
        compare(field.text, "1000000")
        part.rows.applyAxisField(2, "333")
        part.gt1_checked = false
        part.wm1_checked = false
        part.horizontalSlider_value = 80
        compare(part.painter.rowHeight, 40)
        // Adaptation locks the axis fields.
        var adaptive = findChild(popup.contentItem, "axisAdaptive")
        mouseClick(adaptive)
        verify(part.rows.axisAdaptive)
        verify(!field.enabled)
        mouseClick(adaptive)
        verify(!part.rows.axisAdaptive)
        verify(field.enabled)
        mouseClick(findChild(popup.contentItem, "barChartSettingClose"))
        tryVerify(function() { return !popup.visible }, 2000)
        barParent.mainChart.rows.axisAdaptive = true
        barParent.mainChart.oua1_checked = false

        program.workspace().saveProject()
        var page = program.page()
        page.returnToProjectPage(true)
        wait(50)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        barParent = charts()
        compare(barParent.parts.count, 1)
        compare(barParent.parts.get(0).name, "north")
        part = barParent.chartOf(number)
        compare(keysOf(part.rows), ["1.0", "2.3"])
        compare(part.rows.cellMaxData, 333)
        compare(part.rows.allTotalData, 1000000)
        compare(part.gt1_checked, false)
        compare(part.mmb1_checked, true)
        compare(part.oua1_checked, true)
        compare(part.wm1_checked, false)
        compare(part.rows.axisAdaptive, false)
        compare(part.horizontalSlider_value, 80)
        var main = barParent.mainChart
        compare(main.oua1_checked, false)
        compare(main.gt1_checked, true)
        compare(main.rows.axisAdaptive, true)
        // The table part's cells were stored through the same relay.
        compare(tables().tableOf(number).rows.count, 2)
    }
}
