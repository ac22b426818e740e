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
    function field(popup, name) { return findChild(popup.contentItem, name) }
    function openPopup() {
        program.workspace().currentView = 2
        program.workspace().barChartSetSignal()
        tryVerify(function() { return charts().settingsPopup.opened })
        return charts().settingsPopup
    }
    function closePopup(popup) { mouseClick(field(popup, "barChartSettingClose")); tryVerify(function() { return !popup.visible }) }
    // Cell 2.3 weighs 220 kg, over its alarm at 200.
    function feedCells(weight23) {
        program.weighing().createCell(2, 3)
        program.weighing().setMaxWarnData(2, 3, 160)
        program.weighing().setMaxErrData(2, 3, 200)
        hubFeed.send(program.weighing(), 2, [[3, weight23, 1, 2]])
        var rows = charts().mainChart.rows
        tryVerify(function() { return rows.get(rows.rowOf(2, 3)).width1 === weight23 }, 5000)
        return rows
    }

    // Reopened, the popup shows the axes' maxima, not what was last typed.
    function test_axisFieldsShowTheMaximaWhenOpened() {
        var popup = openPopup()
        field(popup, "axisX2Field").text = "12345"
        closePopup(popup)
        charts().mainChart.rows.applyAxisField(2, "480")
        popup = openPopup()
        compare(field(popup, "axisX2Field").text, "480")
        compare(field(popup, "axisX1Field").text, String(charts().mainChart.rows.allTotalData))
    }

    function test_barsArePaintedAndExplained() {
        var rows = feedCells(220)
        var chart = charts().mainChart
        program.workspace().currentView = 2
        tryVerify(function() { return chart.visible && chart.painter.height > 100 }, 2000)
        compare(rows.chartWidth, chart.painter.width)
        wait(100) // a picture of the window for a person to look at
        var image = grabImage(program.window.contentItem)
        image.save(workingFolder.artifactPath("barchart-states.png"))
        var y = chart.painter.rulerHeight + (rows.rowOf(2, 3) + 0.5) * chart.painter.rowHeight
        var bar = chart.painter.mapToItem(null, 250, y)
        verify(image.red(bar.x, bar.y) > 200 && image.green(bar.x, bar.y) < 200, image.pixel(bar.x, bar.y))
        chart.showInfo(30, y) // the long press
        tryVerify(function() { return chart.infoMenu.opened && chart.infoMenu.text.indexOf("ID:2.3\n") === 0 })
        rows.axisAdaptive = true
        hubFeed.send(program.weighing(), 2, [[3, 300, 1, 2]])
        tryCompare(rows, "cellMaxData", 300, 5000)
    }

    function test_partChartsFollowTablePartsAndKeepTheirSettings() {
        feedCells(220)
        while (tables().parts.count > 0)
            tables().deletePart(tables().parts.get(0).number)
        var number = tables().createPart("north")
        tables().addCellToPart(number, 2, 3)
        var part = charts().chartOf(number)
        compare(part.rows.count, 2)
        charts().partTabs.currentIndex = 1
        var popup = openPopup()
        compare(popup.chart, part)
        field(popup, "axisX1Field").text = "2000000"
        mouseClick(field(popup, "axisX1Set"))
        compare(field(popup, "axisX1Field").text, "1000000")
        part.horizontalSlider_value = 80
        compare(part.painter.rowHeight, 40)
        mouseClick(field(popup, "axisAdaptive"))
        verify(part.rows.axisAdaptive && !field(popup, "axisX1Field").enabled)
        mouseClick(field(popup, "axisAdaptive"))
        closePopup(popup)
        part.gt1_checked = false
        charts().mainChart.oua1_checked = false

        program.workspace().saveProject()
        program.page().returnToProjectPage(true)
        wait(50)
        program.page().openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        part = charts().chartOf(number)
        verify(part.rows.contains(2, 3) && tables().tableOf(number).rows.contains(2, 3))
        verify(part.rows.allTotalData === 1000000 && part.horizontalSlider_value === 80 && !part.rows.axisAdaptive)
        verify(!part.gt1_checked && part.oua1_checked && charts().mainChart.gt1_checked && !charts().mainChart.oua1_checked)
        // Deleting the table part takes its chart and tab.
        charts().partTabs.currentIndex = 1
        tables().deletePart(number)
        verify(charts().chartOf(number) === null && charts().partTabs.count === 1 && charts().currentPart === 0)
    }
}
