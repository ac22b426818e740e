import QtQuick 2.15

// One cell on a plan, top to bottom: the hook, the name strip, the load cell
// on a square in the state colour and the weight on a bar in the state
// colour. Its place and stacking order come from the figure rows; dragging
// reports each new place and the drop, a long press asks for the cell's
// information.
Item {
    id: figure
    objectName: "planFigure"

    required property int index
    required property int posX
    required property int posY
    required property int stack
    required property string name001
    required property int width1
    required property string figureColor
    // Sizes and switches shared by every figure of the plan.
    required property var picture
    property string unit: "KG"

    readonly property bool dragging: dragArea.dragging

    signal moved(int row, real toX, real toY)
    signal dropped(int row)
    signal longPressed(int row, real atX, real atY)

    x: posX
    y: posY
    z: stack
    width: picture.cellWidth
    height: column.height

    Column {
        id: column
        width: figure.width

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: figure.picture.hookWidth
            height: figure.picture.hookHeight
            source: "qrc:/pic/widthmode2.png"
            fillMode: Image.Stretch
        }
        Text {
            objectName: "figureName"
            visible: figure.picture.narrow
            width: parent.width
            height: figure.picture.nameHeight
            text: figure.name001
            color: "#05033f"
            font.bold: true
            font.pixelSize: figure.picture.textSize
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        Rectangle {
            objectName: "figureSquare"
            anchors.horizontalCenter: parent.horizontalCenter
            width: figure.picture.squareSize
            height: width
            color: figure.figureColor
            Image {
                anchors.fill: parent
                source: "qrc:/pic/widthmode.png"
                fillMode: Image.PreserveAspectFit
            }
        }
        Rectangle {
            objectName: "figureBar"
            width: parent.width
            height: figure.picture.barHeight
            color: figure.figureColor
            Text {
                objectName: "figureWeight"
                anchors.fill: parent
                text: figure.width1 + figure.unit
                color: "white"
                font.bold: true
                font.pixelSize: figure.picture.textSize
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    // Positions in the picture's coordinates, so a zoomed picture drags its
    // figures at the mouse's pace.
    MouseArea {
        id: dragArea
        anchors.fill: parent
        property bool dragging: false
        property point grab
        property point start

        onPressed: {
            dragging = false
            grab = mapToItem(figure.parent, mouse.x, mouse.y)
            start = Qt.point(figure.posX, figure.posY)
        }
        onPositionChanged: {
            var at = mapToItem(figure.parent, mouse.x, mouse.y)
            dragging = true
            figure.moved(figure.index, start.x + at.x - grab.x, start.y + at.y - grab.y)
        }
        onReleased: {
            if (dragging)
                figure.dropped(figure.index)
            dragging = false
        }
        onCanceled: dragging = false
        onPressAndHold: {
            if (!dragging)
                figure.longPressed(figure.index, mouse.x, mouse.y)
        }
    }
}
