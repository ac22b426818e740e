import QtQuick 2.15
import QtTest 1.15
import "../../common/qml"

// The line plot view in the real window with the real controllers: live
// curves of cells fed as hub datagrams, a history load of a recording the
// real recorder wrote, and parts with their curves across a save and a
// reopening.
TestCase {
    id: testCase
    name: "LinePlotView"
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

    function plots() { return findChild(program.workspace(), "linePlotParent") }
    function control() { return program.weighing() }

    function feed(weights) {
        for (var i = 0; i < weights.length; ++i)
            control().createCell(2, i + 1)
        var records = [[0, 0, 0, 0]]
        for (var k = 0; k < weights.length; ++k)
            records.push([k + 1, weights[k], 1, 1])
        hubFeed.send(control(), 2, records)
        var rows = findChild(program.workspace(), "myTableParent").mainTable.rows
        tryVerify(function() {
            var row = rows.rowOf(2, weights.length)
            return row > 0 && rows.get(row).width1 === weights[weights.length - 1]
        }, 5000)
    }

    function showPlots() {
        program.workspace().currentView = 4
        var parent = plots()
        tryVerify(function() { return parent.mainPlot.liveChart.visible && parent.mainPlot.liveChart.height > 100 },
                  2000)
        return parent
    }

    // The recording the real recorder wrote since `started`, by its name.
    function recordingUrl(started) {
        var recorder = control().Comm.dataSave
        var folder = recorder.savePath.substring(workingFolder.path().length + 1)
        for (var s = -1; s <= 1; ++s) {
            var name = folder + "/" + Qt.formatTime(new Date(started.getTime() + s * 1000), "hh_mm_ss") + "user.csv"
            if (workingFolder.exists(name))
                return workingFolder.url() + "/" + name
        }
        fail("recording not found in " + folder)
    }

    function test_liveAndHistoryCurves() {
        feed([120, 400])
        var parent = showPlots()
        var plot = parent.mainPlot

        // Curves added through the settings popup of the plot on screen.
        program.workspace().openViewSettings()
        var popup = parent.settingsPopup
        tryVerify(function() { return popup.opened }, 2000)
        compare(popup.plot, plot)
        for (var k = 0; k < 2; ++k) {
            popup.addBox.model = plot.model.addCandidates()
            popup.addBox.currentIndex = popup.addBox.find("2." + (k + 1) + " ", Qt.MatchStartsWith)
            mouseClick(findChild(popup.contentItem, "addCurveButton"))
        }
        compare(plot.model.curveTexts, ["ID:2.1", "ID:2.2"])
        compare(popup.deleteBox.count, 2)
        popup.windowField.text = "250"
        popup.windowField.textEdited()
        compare(popup.windowField.text, "100")
        popup.close()

        // Samples arrive once a second; 400 raises the axis to 450.
        tryCompare(plot.model, "mYheight", 450, 5000)
        // Ten more seconds in the last 100 seconds, recorded by the real
        // recorder as they go; later weights below 400 leave the axis at 450.
        plot.model.m_axis_xMin = "0"
        var recorder = control().Comm.dataSave
        recorder.saveTick = 0
        recorder.saveDataHeader = "timer,ID:2.1/0,ID:2.2/0,"
        var started = new Date()
        for (var second = 0; second < 10; ++second) {
            var w1 = 150 + 20 * (second % 3)
            var w2 = 300 - 15 * second + 40 * (second % 2)
            hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, w1, 1, 1], [2, w2, 1, 1]])
            recorder.saveDataStr(w1 + "," + w2 + ",", false)
            wait(1000)
        }
        hubFeed.send(control(), 2, [[0, 0, 0, 0], [1, 150, 1, 1], [2, 300, 1, 1]])
        wait(1200)
        compare(plot.model.mYheight, 450)
        // The tooltip's centre over the newest samples.
        var area = plot.liveChart.plotArea
        plot.tooltip.x = area.x + area.width - plot.tooltip.width / 2
        plot.tooltip.refresh()
        verify(/ID:2.2 \S+CZ 2.2 \S+[1-9][0-9]*$/.test(plot.tooltip.text), plot.tooltip.text)
        plot.tooltip.x = plot.liveChart.width - plot.tooltip.width - 70
        var image = grabImage(program.window.contentItem)
        image.save(workingFolder.artifactPath("lineplot-live.png"))
        // The red curve of 2.2 is drawn inside the plot.
        var redFound = false
        for (var x = area.x + area.width - 1; x > area.x + area.width / 2 && !redFound; --x) {
            for (var y = area.y; y < area.y + area.height && !redFound; y += 1) {
                var p = plot.liveChart.mapToItem(null, x, y)
                redFound = image.red(p.x, p.y) > 200 && image.green(p.x, p.y) < 80 && image.blue(p.x, p.y) < 80
            }
        }
        verify(redFound, "red curve drawn")

        // Pausing shows the frozen copy.
        plot.model.linerunset = false
        verify(plot.frozenChart.visible)
        verify(!plot.liveChart.visible)
        plot.model.linerunset = true

        // History: the recording read back for two curves.
        var url = recordingUrl(started)
        plot.model.beginHistory()
        compare(plot.model.curveTexts, [])
        verify(plot.model.dataSourceErr_tag)
        plot.model.loadHistory(url)
        plot.model.addCurve(2, 1)
        verify(plot.busyBox.visible)
        tryVerify(function() { return !plot.model.read_recordDate }, 5000)
        verify(!plot.busyBox.visible)
        plot.model.addCurve(2, 2)
        tryVerify(function() { return plot.model.dataSourceErr_create === 0 && !plot.model.read_recordDate }, 5000)
        compare(plot.model.mYheight, 375)
        compare(plot.model.mYheight2, 0)
        // Over the last recorded line: 2.1 at 150, 2.2 at 205.
        plot.tooltip.x = area.x + area.width - plot.tooltip.width / 2
        plot.tooltip.refresh()
        verify(/ID:2.1 \S+150\nID:2.2 \S+205$/.test(plot.tooltip.text), plot.tooltip.text)
        plot.tooltip.x = plot.liveChart.width - plot.tooltip.width - 70
        wait(100)
        grabImage(program.window.contentItem).save(workingFolder.artifactPath("lineplot-history.png"))

        plot.model.endHistory()
        verify(!plot.model.dataSourceErr_tag)
        compare(plot.model.maxLinePointCount, 6000)
    }

    function test_partsAndCurvesSurviveSaveAndReopen() {
        feed([50, 60, 70])
        var parent = showPlots()
        while (parent.parts.count > 0)
            parent.deletePart(parent.parts.get(0).number)
        var number = parent.createPart("north")
        compare(number, 1)
        compare(parent.partTabs.count, 2)
        parent.partTabs.currentIndex = 1
        var part = parent.currentPlot
        compare(part.m_partIndex, number)
        verify(part.visible)
        verify(!parent.mainPlot.visible)
        part.model.addCurve(2, 3)
        part.model.addCurve(2, 1)
        part.model.m_axis_xMin = "30"
        part.model.lineWidth = 75
        parent.mainPlot.model.addCurve(2, 2)

        // A second part, deleted after confirmation, frees its number.
        var second = parent.createPart("south")
        compare(second, 2)
        parent.askDeletePart(second)
        tryVerify(function() { return parent.partDeleteDialog.opened }, 2000)
        parent.partDeleteDialog.accept()
        compare(parent.parts.count, 1)
        compare(parent.partTabs.count, 2)

        program.workspace().saveProject()
        var page = program.page()
        page.returnToProjectPage(true)
        wait(50)
        page.openProject()
        tryVerify(function() { return program.workspace() !== null }, 5000)
        parent = plots()
        compare(parent.parts.count, 1)
        compare(parent.parts.get(0).name, "north")
        part = parent.plotOf(number)
        compare(part.model.curveTexts, ["ID:2.3", "ID:2.1"])
        compare(part.model.m_axis_xMin, "30")
        compare(part.model.lineWidth, 75)
        compare(part.model.mYheight, 300)
        compare(parent.mainPlot.model.curveTexts, ["ID:2.2"])
        compare(parent.mainPlot.model.m_axis_xMin, "10")
        compare(parent.createPart("east"), 2)
    }
}
