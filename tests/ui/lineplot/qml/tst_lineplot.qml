import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The line plot view in the real window: a curve added in the settings popup
// is sampled from the main table once a second; pausing shows the frozen chart.
TestCase {
    id: testCase
    name: "LinePlotView"
    when: windowShown

    WindowProgram { id: program; testCase: testCase }

    function test_curveAddedInThePopupFollowsTheTable() {
        program.start(workingFolder)
        program.weighing().createCell(2, 1)
        hubFeed.send(program.weighing(), 2, [[0, 0, 0, 0], [1, 400, 1, 1]])
        program.workspace().currentView = 4
        var plots = findChild(program.workspace(), "linePlotParent")
        var plot = plots.mainPlot
        tryVerify(function() { return plot.liveChart.visible && plot.model.addCandidates().some(function(c) {
            return c.text.indexOf("2.1 ") === 0 }) }, 5000)
        program.workspace().openViewSettings()
        var popup = plots.settingsPopup
        tryVerify(function() { return popup.opened && popup.plot === plot }, 2000)
        popup.addBox.model = plot.model.addCandidates()
        popup.addBox.currentIndex = popup.addBox.find("2.1 ", Qt.MatchStartsWith)
        mouseClick(findChild(popup.contentItem, "addCurveButton"))
        compare(plot.model.curveTexts, ["ID:2.1"])
        popup.windowField.text = "250"
        popup.windowField.textEdited()
        compare(popup.windowField.text, "100")
        popup.close()
        tryCompare(plot.model, "mYheight", 450, 5000)
        plot.model.linerunset = false
        verify(plot.frozenChart.visible && !plot.liveChart.visible)
        program.stop()
    }
}
