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
    readonly property alias figureLayer: figureLayer
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

    // The wheel zooms wherever it turns over the plan.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        onWheel: pictureState.zoomByWheel(wheel.angleDelta.y)
    }

    Image {
        id: pictureImage
        objectName: "planPicture"
        x: pictureState.x
        y: pictureState.y
        scale: pictureState.scale
        transformOrigin: Item.TopLeft
        source: pictureState.shownSource
        readonly property size shownSize: Qt.size(width, height)

        // Dragging the picture moves it, in the plan's coordinates.
        MouseArea {
            objectName: "pictureDragArea"
            anchors.fill: parent
            property point last
            onPressed: last = mapToItem(plan, mouse.x, mouse.y)
            onPositionChanged: {
                var at = mapToItem(plan, mouse.x, mouse.y)
                pictureState.moveBy(at.x - last.x, at.y - last.y)
                last = at
            }
        }

        // Without a picture the figures wait, in their places, for the next one.
        Item {
            id: figureLayer
            objectName: "figureLayer"
            anchors.fill: parent
            visible: pictureImage.status === Image.Ready

            Repeater {
                model: figureModel
                PlanFigure {
                    id: figureItem
                    picture: pictureState
                    unit: plan.unit
                    onMoved: plan.figureMoved(row, toX, toY, figureItem)
                    onDropped: plan.figureDropped(row, figureItem)
                    onLongPressed: plan.showInfo(row, figureItem, atX, atY)
                }
            }
        }

        Image {
            id: trash
            objectName: "planTrash"
            property bool active: false
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            z: 10
            visible: figureLayer.visible
            width: active ? 75 : 50
            height: width
            source: "qrc:/pic/Trash.png"
            fillMode: Image.PreserveAspectFit
            Behavior on width { NumberAnimation { duration: 300 } }
        }
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

    function windowRect(item) {
        return item.mapToItem(null, 0, 0, item.width, item.height)
    }

    function overTrash(item) {
        return figureModel.overTrash(windowRect(item), windowRect(trash), pictureImage.shownSize)
    }

    function figureMoved(row, x, y, item) {
        figureModel.moveTo(row, x, y)
        trash.active = overTrash(item)
    }

    function figureDropped(row, item) {
        var onTrash = overTrash(item)
        trash.active = false
        if (onTrash)
            figureModel.removeAt(row)
    }

    function showInfo(row, item, x, y) {
        infoMenu.row = row
        infoMenu.text = figureModel.infoText(row, unit)
        infoMenu.canRaise = figureModel.canRaise(row)
        infoMenu.canLower = figureModel.canLower(row)
        infoMenu.popup(item, x, y)
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
