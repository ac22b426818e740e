#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "ui/plan/planfigureitem.h"
#include "ui/plan/planfiguremodel.h"
#include "ui/plan/planpicture.h"
#include "ui/table/tablerowmodel.h"

#include <QAbstractItemModelTester>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using Keys = QVector<QPair<int, int>>;

// A plan's figures over a real main table, its picture, and the item that
// finds and paints the figures on it; the window test drags them.
class TestPlanFigures : public QObject
{
    Q_OBJECT

    void publish(int page, int index, int weight, int state = 1)
    {
        m_table->setTableData(page, index, 0, 0, QStringLiteral("CZ%1.%2").arg(page).arg(index), weight, weight + 5,
                              weight - 5, 80, 50, 100, 20, state, 0, 2, nullptr);
    }
    static Keys keys(const PlanFigureModel &model)
    {
        Keys result;
        for (const PlanFigure &figure : model.figures())
            result.append({figure.values.pageId001, figure.values.index001});
        return result;
    }
    QString colour(int row) const { return m_plan->index(row).data(PlanFigureModel::FigureColorRole).toString(); }

    PlanPicture m_picture;
    PlanFigureItem m_item;
    std::unique_ptr<TableRowModel> m_table;
    std::unique_ptr<PlanFigureModel> m_plan;
    std::unique_ptr<QAbstractItemModelTester> m_tester;

private slots:
    void init()
    {
        m_tester.reset();
        m_item.setModel(nullptr);
        m_plan.reset();
        m_table = std::make_unique<TableRowModel>();
        m_plan = std::make_unique<PlanFigureModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_plan.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_plan->setSource(m_table.get());
        // The picture 800 x 600 at (10, 20), drawn at half size, figures 120 x 60.
        m_picture.apply(PlanPicture::DefaultSource, true, 0, 0, 10, 20, 0.5);
        m_picture.setCellSize(120);
        m_item.setModel(m_plan.get());
        m_item.setPicture(&m_picture);
        m_item.setPictureSize(QSizeF(800, 600));
        m_item.setSize(QSizeF(640, 480));
    }

    void refreshCopiesRowsWithOneAnnouncement()
    {
        for (int index = 1; index <= 4; ++index) {
            publish(3, index, 60);
            QVERIFY(m_plan->addCell(3, index));
        }
        QVERIFY(!m_plan->addCell(3, 1));
        QVERIFY(!m_plan->addCell(4, 4)); // not in the main table
        QVERIFY(m_plan->place(9, 9, 0, 0, 0)); // a stored figure the table does not hold
        QSignalSpy announced(m_plan.get(), &QAbstractItemModel::dataChanged);
        m_plan->refresh();
        QVERIFY(announced.isEmpty());
        publish(3, 2, 70, 1);
        publish(3, 3, 10, 0);
        m_plan->refresh();
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(0).toModelIndex().row() * 10 + announced.at(0).at(1).toModelIndex().row(), 12);
        const CellRow &third = m_plan->figures().at(2).values;
        QCOMPARE((QVector<int>{m_plan->figures().at(1).values.width1, third.state001, third.maxWidth001}),
                 (QVector<int>{70, 0, 15}));
        // Without a row the figure keeps what it had: weight 0, no state yet.
        QCOMPARE((QStringList{colour(1), colour(4)}), (QStringList{"green", "#ccc800"}));
        // The table's column switches recolour an ultra-light figure at once.
        publish(3, 3, 10, 1);
        m_plan->refresh();
        QCOMPARE(colour(2), QStringLiteral("Purple"));
        m_table->setRect3(84);
        QCOMPARE((QStringList{colour(2), colour(1)}), (QStringList{"LightBlue", "green"}));
        QCOMPARE(announced.count(), 3);
    }

    void rangesAndImportPlaceOnlyNewTableCells_data()
    {
        QTest::addColumn<QString>("addRange");
        QTest::addColumn<QString>("removeRange");
        QTest::addColumn<Keys>("expected");
        // 1.6 is on the plan before; 3.2 is imported from a table part.
        QTest::newRow("pages 1 and 2, indices 5 to 7") << "1.05-2.07" << "" << Keys{{1, 6}, {1, 5}, {1, 7}, {2, 5}, {2, 6}, {2, 7}, {3, 2}};
        QTest::newRow("bulk delete of one page") << "1.05-2.07" << "2.01-2.99" << Keys{{1, 6}, {1, 5}, {1, 7}, {3, 2}};
    }
    void rangesAndImportPlaceOnlyNewTableCells()
    {
        QFETCH(QString, addRange);
        QFETCH(QString, removeRange);
        for (int cell = 0; cell < 27; ++cell)
            publish(1 + cell / 9, 1 + cell % 9, 60);
        QVERIFY(m_plan->addCell(1, 6));
        m_plan->addRange(addRange);
        m_plan->removeRange(removeRange);
        // A table part: its total row, a cell on the plan, one off it, one the main table lacks.
        TableRowModel part;
        part.setPartIndex(3);
        part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
        for (const auto &key : {qMakePair(1, 6), qMakePair(3, 2), qMakePair(9, 9)})
            part.appendPlaceholder(key.first, key.second, 0);
        QCOMPARE(m_plan->importPart(&part), 1);
        QTEST(keys(*m_plan), "expected");
        QCOMPARE(QPoint(m_plan->figures().at(1).x, m_plan->figures().at(1).y), QPoint(PlanFigureModel::PlacedX, PlanFigureModel::PlacedY));
    }

    void controllerRemovalsTakeFiguresAway()
    {
        WeightingConTrol control;
        m_plan->setController(&control);
        control.createCell(1, 0); // page 1 holds the groups
        control.createCell(2, 5);
        control.createCell(3, 5);
        control.qmlSetGroup(2, 5, 4);
        for (const auto &key : {qMakePair(2, 5), qMakePair(3, 5), qMakePair(1, 1005), qMakePair(2, 1005)})
            QVERIFY(m_plan->place(key.first, key.second, 0, 0, 0));
        control.deleteCell(3, 5);
        control.removeGroup(1, 1005);
        QCOMPARE(keys(*m_plan), (Keys{{2, 5}}));
    }

    void storedFiguresAreCheckedOnLoading()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("p.VORNPRO"));
        // A stored list with a malformed entry, a duplicate and a stacking order out of range.
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(R"({"PlanParts": [{"index": 4, "name": "north", "CellList": [
            {"pageId": "2", "cellIndex": "1", "x": 15, "y": 25, "z": 9}, {"pageId": "x", "cellIndex": "1", "x": 1, "y": 1},
            {"pageId": "2", "cellIndex": "1", "x": 99, "y": 99, "z": 0}, {"pageId": "20", "cellIndex": "7", "x": -40, "y": 600}]}]})"));
        file.close();
        MyJson json;
        QVERIFY(!json.readProjectFile(file.fileName()).damaged);
        m_plan->setPartIndex(4);
        m_plan->load(&json);
        QCOMPARE(keys(*m_plan), (Keys{{2, 1}, {20, 7}}));
        m_plan->moveTo(1, -35.4, 609.6);
        QVector<int> places;
        for (const PlanFigure &figure : m_plan->figures())
            places << figure.x << figure.y << figure.z;
        QCOMPARE(places, QVector<int>({15, 25, PlanFigureModel::HighestStack, -35, 610, 0}));
    }

    void storedPicture_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("logged");
        QTest::newRow("unknown resource") << "qrc:/pic/none.png" << false << "Plan background picture not found:qrc:/pic/none.png";
        QTest::newRow("file gone, Chinese") << "file:///nonexistent/gone.png" << true << "布局图背景图片不存在:file:///nonexistent/gone.png";
    }
    void storedPicture()
    {
        QFETCH(QString, stored);
        QFETCH(bool, chinese);
        QFETCH(QString, logged);
        LanguageFlag::setChinese(chinese);
        PlanPicture picture;
        QSignalSpy log(&picture, &PlanPicture::qmlLogShowSignal);
        picture.apply(stored, false, 40, 80, -10, 20, 1.5);
        QCOMPARE(picture.shownSource(), logged.isEmpty() ? stored : QString());
        QCOMPARE(picture.source(), stored); // kept for the next save
        QVERIFY(log.isEmpty()); // told once, after the workspace is built
        QCoreApplication::processEvents();
        QCOMPARE(QList<QVariantList>(log), (logged.isEmpty() ? QList<QVariantList>() : QList<QVariantList>{{"ERR", logged}}));
    }

    void zoomAndSizes()
    {
        PlanPicture picture;
        picture.apply(PlanPicture::DefaultSource, true, 0, 0, 5, 6, 0); // stored zeros keep the defaults
        QCOMPARE((QVector<double>{picture.scale(), picture.cellHeight()}), (QVector<double>{0.6, 50}));
        picture.zoomByWheel(-240);
        picture.setCellSize(152);
        QCOMPARE((QVector<double>{picture.scale(), picture.cellWidth(), picture.cellHeight()}), (QVector<double>{0.6 * 0.81, 152, 76}));
    }

    void pressFindsTheTopmostFigureAndPaintsOnlyWithAPicture()
    {
        publish(2, 1, 300);
        publish(2, 2, 100, 0);
        QVERIFY(m_plan->place(2, 1, 100, 100, 3) && m_plan->place(2, 2, 120, 110, 0) && m_plan->place(2, 3, 130, 120, 0));
        m_plan->refresh();
        // Where all three overlap the higher stacking order wins, then the later row.
        QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), 0);
        for (int step = 0; step < 3; ++step)
            m_plan->lower(0);
        QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), 2);
        QVERIFY(!m_item.onPicture(10 + 801 * 0.5, 30));
        m_plan->moveTo(0, 500, 100);
        m_plan->moveTo(1, 900, 100);
        const auto barColour = [this](int row, const QSizeF &pictureSize) {
            m_item.setPictureSize(pictureSize);
            QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            m_item.paint(&painter);
            return image.pixelColor(m_item.figureRect(row).bottomLeft().toPoint() + QPoint(30, -3));
        };
        QCOMPARE(barColour(0, QSizeF(800, 600)), QColor(Qt::red));
        QCOMPARE(barColour(1, QSizeF(800, 600)), QColor(QStringLiteral("#ccc800")));
        QCOMPARE(barColour(0, QSizeF()).alpha(), 0);
        // No picture: nothing to press.
        QCOMPARE(m_item.figureAt(10 + 140 * 0.5, 20 + 130 * 0.5), -1);
    }
};

QTEST_MAIN(TestPlanFigures)
#include "tst_planfigures.moc"
