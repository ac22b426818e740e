#include "ui/plan/planfigureitem.h"
#include "ui/plan/planfigurelayout.h"
#include "ui/table/tablerowmodel.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

// The item that paints and drags a plan's figures: a figure's parts, which
// figure a press finds, the drag with the trash, and what is painted.
class TestPlanFigureItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layout_data();
    void layout();
    void pressFindsTheTopmostFigure();
    void dragFollowsTheScaleAndTheTrashTakesTheDrop_data();
    void dragFollowsTheScaleAndTheTrashTakesTheDrop();
    void paintsStateColoursOnlyWithAPicture();

private:
    TableRowModel m_table;
    PlanFigureModel m_figures;
    PlanPicture m_picture;
    PlanFigureItem m_item;
};

void TestPlanFigureItem::init()
{
    while (m_figures.count() > 0)
        m_figures.removeAt(0);
    // The picture 800 x 600 at (10, 20), drawn at half size.
    m_picture.setX(10);
    m_picture.setY(20);
    m_picture.setScale(0.5);
    m_picture.setCellSize(120);
    m_picture.setNarrow(true);
    m_figures.setSource(&m_table);
    m_item.setModel(&m_figures);
    m_item.setPicture(&m_picture);
    m_item.setPictureSize(QSizeF(800, 600));
    m_item.setSize(QSizeF(640, 480));
}

void TestPlanFigureItem::layout_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QVector<QRectF>>("parts"); // whole, hook, name, square, bar
    QTest::addColumn<int>("textSize");

    QTest::newRow("names, full size") << true << 1.0
                                      << QVector<QRectF>{{110, 220, 100, 87.5}, {146.5, 220, 27, 35},
                                                         {110, 255, 100, 15}, {150.625, 270, 18.75, 18.75},
                                                         {110, 288.75, 100, 18.75}}
                                      << 12;
    QTest::newRow("no names, half size") << false << 0.5
                                         << QVector<QRectF>{{60, 120, 50, 36.25}, {78.25, 120, 13.5, 17.5},
                                                            {60, 137.5, 50, 0}, {80.3125, 137.5, 9.375, 9.375},
                                                            {60, 146.875, 50, 9.375}}
                                         << 6;
}

void TestPlanFigureItem::layout()
{
    QFETCH(bool, names);
    QFETCH(double, scale);
    QFETCH(QVector<QRectF>, parts);
    QFETCH(int, textSize);
    // A figure 100 x 45 at (100, 200) of a picture whose corner lies at (10, 20).
    const PlanFigureLayout::Parts p
        = PlanFigureLayout::parts(QPointF(10, 20), scale, QPointF(100, 200), 100, 45, names);
    QCOMPARE((QVector<QRectF>{p.whole, p.hook, p.name, p.square, p.bar}), parts);
    QCOMPARE(p.textSize, textSize);
}

void TestPlanFigureItem::pressFindsTheTopmostFigure()
{
    QVERIFY(m_figures.place(2, 1, 100, 100, 3));
    QVERIFY(m_figures.place(2, 2, 120, 110, 0));
    QVERIFY(m_figures.place(2, 3, 130, 120, 0));
    // Where all three overlap the higher stacking order wins, then the later row.
    QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), 0);
    m_figures.lower(0);
    m_figures.lower(0);
    m_figures.lower(0);
    QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), 2);
    QCOMPARE(m_item.figureAt(5, 5), -1);
    QVERIFY(m_item.onPicture(12, 22));
    QVERIFY(!m_item.onPicture(10 + 801 * 0.5, 30));
    // No picture: nothing to press.
    m_item.setPictureSize(QSizeF(0, 0));
    QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), -1);
    QVERIFY(!m_item.pictureShown());
    m_item.setPictureSize(QSizeF(800, 600));
}

void TestPlanFigureItem::dragFollowsTheScaleAndTheTrashTakesTheDrop_data()
{
    QTest::addColumn<QPointF>("dropAt");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QPoint>("placed");

    // The figure's top-left is pressed at (60, 70); the trash covers picture
    // (750..800, 550..600), that is (385..410, 295..320) in the item.
    QTest::newRow("elsewhere") << QPointF(160, 20) << false << QPoint(300, 0);
    QTest::newRow("overlapping the trash") << QPointF(370, 280) << true << QPoint();
    QTest::newRow("just short of the trash") << QPointF(324, 266) << false << QPoint(628, 492);
}

void TestPlanFigureItem::dragFollowsTheScaleAndTheTrashTakesTheDrop()
{
    QFETCH(QPointF, dropAt);
    QFETCH(bool, removed);
    QFETCH(QPoint, placed);
    QVERIFY(m_figures.place(2, 1, 100, 100, 0));
    QSignalSpy trash(&m_item, &PlanFigureItem::trashActiveChanged);
    QCOMPARE(m_item.beginDrag(60, 70), 0);
    m_item.dragTo((60 + dropAt.x()) / 2, (70 + dropAt.y()) / 2);
    m_item.dragTo(dropAt.x(), dropAt.y());
    QCOMPARE(m_item.trashActive(), removed);
    QCOMPARE(m_item.trashSize(), removed ? 75.0 : 50.0);
    QCOMPARE(m_item.endDrag(), removed);
    QVERIFY(!m_item.trashActive());
    QCOMPARE(trash.count(), removed ? 2 : 0);
    QCOMPARE(m_figures.count(), removed ? 0 : 1);
    if (!removed)
        QCOMPARE(QPoint(m_figures.figures().at(0).x, m_figures.figures().at(0).y), placed);
    QCOMPARE(m_item.draggedRow(), -1);
}

void TestPlanFigureItem::paintsStateColoursOnlyWithAPicture()
{
    m_table.setTableData(2, 1, 0, 0, QStringLiteral("north"), 300, 300, 300, 160, 60, 200, 30, 1, 0, 2, nullptr);
    m_table.setTableData(2, 2, 0, 0, QStringLiteral("south"), 100, 100, 100, 160, 60, 200, 30, 0, 0, 2, nullptr);
    QVERIFY(m_figures.addCell(2, 1));
    QVERIFY(m_figures.addCell(2, 2));
    m_figures.moveTo(0, 100, 100);
    m_figures.moveTo(1, 500, 100);
    const auto barCentre = [this](int row) { return m_item.figureRect(row).bottomLeft().toPoint() + QPoint(30, -3); };

    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    m_item.paint(&painter);
    painter.end();
    QCOMPARE(image.pixelColor(barCentre(0)), QColor(Qt::red));
    QCOMPARE(image.pixelColor(barCentre(1)), QColor(QStringLiteral("#ccc800")));

    m_item.setPictureSize(QSizeF());
    image.fill(Qt::transparent);
    painter.begin(&image);
    m_item.paint(&painter);
    painter.end();
    QCOMPARE(image.pixelColor(barCentre(0)).alpha(), 0);
}

QTEST_MAIN(TestPlanFigureItem)
#include "tst_planfigureitem.moc"
