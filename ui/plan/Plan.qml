import QtQuick 2.15
import QtQuick.Controls 2.15
import VornUi 1.0

// One plan: cell figures placed on a background picture. Figures live in the
// picture's coordinates, so panning and zooming the picture carries them.
// Every 500 ms the figures copy the main table's values. A figure dropped on
// the trash leaves the plan; a long press shows its information menu.
Item {
    id: plan
    objectName: "plan"
    clip: true

    property int m_partIndex: 0
    // Built from the project file (the main plan, stored parts): its figures
    // and settings are read back; a part made now starts empty.
    property bool stored: true
    property QtObject json: null
    property var weightingControl1: null
    // The main table's rows, the plan's only source of values.
    property var mainRows: null
    property string unit: "KG"
    readonly property alias figures: figureModel
    readonly property alias picture: pictureState
    readonly property alias pictureItem: pictureImage
    readonly property alias painter: painter
    readonly property alias trash: trash
    readonly property alias infoMenu: infoMenu
    readonly property alias zoomSlider: zoomSlider
    readonly property alias cellSizeSlider: cellSizeSlider

    signal qmlLogShowSignal(string st, string str)

    PlanFigureModel {
        id: figureModel
        m_partIndex: plan.m_partIndex
        source: plan.mainRows
        controller: plan.weightingControl1
    }

    PlanPicture {
        id: pictureState
        onQmlLogShowSignal: plan.qmlLogShowSignal(st, str)
    }

    Timer {
        interval: 500
        repeat: true
        running: true
        onTriggered: figureModel.refresh()
    }

    Connections {
        target: plan.json
        function onUpLoadPlanPartSetSignal(Partindex, planPic, narrow, cellHeight, celllWidth, x, y, scale) {
            if (Partindex === plan.m_partIndex)
                pictureState.apply(planPic, narrow, cellHeight, celllWidth, x, y, scale)
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#f4f4f4"
    }

    Image {
        id: pictureImage
        objectName: "planPicture"
        x: pictureState.x
        y: pictureState.y
        scale: pictureState.scale
        transformOrigin: Item.TopLeft
        source: pictureState.shownSource

        Image {
            id: trash
            objectName: "planTrash"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            visible: painter.pictureShown
            width: painter.trashSize
            height: width
            source: "qrc:/pic/Trash.png"
            fillMode: Image.PreserveAspectFit
            Behavior on width { NumberAnimation { duration: 300 } }
        }
    }

    // Every figure, in the picture's place and scale; without a picture the
    // figures wait, in their places, for the next one.
    PlanFigureItem {
        id: painter
        objectName: "planFigures"
        anchors.fill: parent
        model: figureModel
        picture: pictureState
        pictureSize: Qt.size(pictureImage.width, pictureImage.height)
        unit: plan.unit
    }

    // A press on a figure drags the figure, elsewhere on the picture the
    // picture; a long press shows the figure's information; the wheel zooms.
    MouseArea {
        id: pointer
        objectName: "planPointer"
        anchors.fill: parent
        property bool panning: false
        property bool moved: false
        property point last

        onPressed: {
            moved = false
            last = Qt.point(mouse.x, mouse.y)
            panning = painter.beginDrag(mouse.x, mouse.y) < 0 && painter.onPicture(mouse.x, mouse.y)
        }
        onPositionChanged: {
            moved = true
            if (panning)
                pictureState.moveBy(mouse.x - last.x, mouse.y - last.y)
            else
                painter.dragTo(mouse.x, mouse.y)
            last = Qt.point(mouse.x, mouse.y)
        }
        onReleased: {
            painter.endDrag()
            panning = false
        }
        onCanceled: {
            painter.cancelDrag()
            panning = false
        }
        onPressAndHold: {
            if (!moved && painter.draggedRow >= 0)
                plan.showInfo(painter.draggedRow, mouse.x, mouse.y)
        }
        onWheel: pictureState.zoomByWheel(wheel.angleDelta.y)
    }

    Column {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: 8
        width: 40
        spacing: 8

        Slider {
            id: zoomSlider
            objectName: "zoomSlider"
            orientation: Qt.Vertical
            height: (parent.height - parent.spacing) / 2
            from: 0.2
            to: 3.0
            stepSize: 0.1
            value: pictureState.scale
            onMoved: pictureState.scale = value
        }
        Slider {
            id: cellSizeSlider
            objectName: "cellSizeSlider"
            orientation: Qt.Vertical
            height: (parent.height - parent.spacing) / 2
            from: 40
            to: 200
            value: 152
            onMoved: pictureState.setCellSize(value)
        }
    }

    MyMenuInfShow {
        id: infoMenu
        onRaiseRequested: figureModel.raise(row)
        onLowerRequested: figureModel.lower(row)
    }

    // The information menu of a figure at the press point.
    function showInfo(row, x, y) {
        painter.cancelDrag()
        infoMenu.row = row
        infoMenu.text = figureModel.infoText(row, unit)
        infoMenu.canRaise = figureModel.canRaise(row)
        infoMenu.canLower = figureModel.canLower(row)
        infoMenu.popup(pointer, x, y)
    }

    function save() {
        figureModel.save(json)
        pictureState.save(json, m_partIndex)
    }

    Component.onCompleted: {
        if (!stored || !json)
            return
        figureModel.load(json)
        json.getPlanPartSet(m_partIndex)
    }
}
