import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The bar chart view in the real window: what its painter, popups and part
// tabs are bound and wired to, fed with hub datagrams and stored in the project.
TestCase {
    id: testCase
    name: "BarChartView"
    when: windowShown

    WindowProgram { id: program; testCase: testCase }

    function init() { program.start(workingFolder) }
    function cleanup() { program.stop() }

    function charts() { return findChild(program.workspace(), "myBarChartParent") }
    function tables() { return findChild(program.workspace(), "myTableParent") }
    function keysOf(rows) {
        var keys = []
        for (var row = 0; row < rows.count; ++row)
            keys.push(rows.get(row).pageId001 + "." + rows.get(row).index001)
        return keys
    }
    function openPopup() {
        program.workspace().currentView = 2
        program.workspace().barChartSetSignal()
        tryVerify(function() { return charts().settingsPopup.opened }, 2000)
        return charts().settingsPopup
    }
    function closePopup(popup) {
        mouseClick(findChild(popup.contentItem, "barChartSettingClose"))
        tryVerify(function() { return !popup.visible }, 2000)
    }
    // 2.3 over its alarm of 200 kg, 2.8 in normal range.
    function feedCells(weight23) {
        var control = program.weighing()
        for (var index = 1; index <= 8; ++index) {
            control.createCell(2, index)
            control.setMaxWarnData(2, index, 160)
            control.setMaxErrData(2, index, 200)
        }
        hubFeed.send(control, 2, [[3, weight23, 1, 2], [8, 90, 1, 3]])
        var rows = charts().mainChart.rows
        tryVerify(function() { return rows.get(rows.rowOf(2, 8)).width1 === 90 }, 5000)
        return rows
    }

    // Reopened, the popup shows the axes' maxima, not what was last typed.
    function test_axisFieldsShowTheMaximaWhenOpened() {
        var popup = openPopup()
        findChild(popup.contentItem, "axisX2Field").text = "12345"
        closePopup(popup)
        charts().mainChart.rows.applyAxisField(2, "480")
        popup = openPopup()
        compare(findChild(popup.contentItem, "axisX2Field").text, "480")
        compare(findChild(popup.contentItem, "axisX1Field").text, String(charts().mainChart.rows.allTotalData))
        closePopup(popup)
    }

    function test_barsArePaintedAndExplained() {
        var rows = feedCells(220)
        var chart = charts().mainChart
        program.workspace().currentView = 2
        tryVerify(function() { return chart.visible && chart.painter.height > 100 }, 2000)
        compare(rows.chartWidth, chart.painter.width)
        var y = chart.painter.rulerHeight + rows.rowOf(2, 3) * chart.painter.rowHeight
        chart.showInfo(30, y + 5)
        tryVerify(function() { return chart.infoMenu.opened }, 2000)
        verify(chart.infoMenu.text.indexOf("ID:2.3\n") === 0, chart.infoMenu.text)
        chart.infoMenu.close()
        tryVerify(function() { return !chart.infoMenu.visible }, 2000)
        wait(100)
        var image = grabImage(program.window.contentItem)
        image.save(workingFolder.artifactPath("barchart-states.png"))
        var bar = chart.painter.mapToItem(null, 250, y + chart.painter.rowHeight / 2)
        verify(image.red(bar.x, bar.y) > 200 && image.green(bar.x, bar.y) < 200, image.pixel(bar.x, bar.y))
        rows.axisAdaptive = true
        hubFeed.send(program.weighing(), 2, [[3, 300, 1, 2], [8, 90, 1, 3]])
        tryCompare(rows, "cellMaxData", 300, 5000)
    }

    function test_partChartsFollowTablePartsAndKeepTheirSettings() {
        var rows = feedCells(220)
        var barParent = charts()
        while (tables().parts.count > 0)
            tables().deletePart(tables().parts.get(0).number)
        var number = tables().createPart("north")
        compare(barParent.partTabs.count, 2)
        tables().mainTable.rows.ctrlClickRow(tables().mainTable.rows.rowOf(2, 3))
        tables().addSelectedToPart(number)
        var part = barParent.chartOf(number)
        compare(keysOf(part.rows), ["1.0", "2.3"])
        barParent.partTabs.currentIndex = 1
        var popup = openPopup()
        compare(popup.chart, part)
        var field = findChild(popup.contentItem, "axisX1Field")
        field.text = "2000000"
        mouseClick(findChild(popup.contentItem, "axisX1Set"))
        compare(part.rows.allTotalData, 1000000)
        compare(field.text, "1000000")
        part.gt1_checked = false
        part.horizontalSlider_value = 80
        compare(part.painter.rowHeight, 40)
        var adaptive = findChild(popup.contentItem, "axisAdaptive")
        mouseClick(adaptive)
        verify(part.rows.axisAdaptive && !field.enabled)
        mouseClick(adaptive)
        closePopup(popup)
        barParent.mainChart.oua1_checked = false

        program.workspace().saveProject()
        program.page().returnToProjectPage(true)
        wait(50)
        program.page().openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        barParent = charts()
        part = barParent.chartOf(number)
        compare(keysOf(part.rows), ["1.0", "2.3"])
        compare(part.rows.allTotalData, 1000000)
        compare(part.rows.axisAdaptive, false)
        verify(!part.gt1_checked && part.oua1_checked && barParent.mainChart.gt1_checked)
        compare(part.horizontalSlider_value, 80)
        compare(barParent.mainChart.oua1_checked, false)
        compare(tables().tableOf(number).rows.count, 2)
        // Deleting the table part takes its chart and tab.
        barParent.partTabs.currentIndex = 1
        tables().deletePart(number)
        compare(barParent.chartOf(number), null)
        compare(barParent.partTabs.count, 1)
        compare(barParent.currentPart, 0)
    }
}
