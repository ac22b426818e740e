#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "ui/plan/planfiguremodel.h"
#include "ui/table/tablerowmodel.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

using Keys = QVector<QPair<int, int>>;

Keys keys(const PlanFigureModel &model)
{
    Keys result;
    for (const PlanFigure &figure : model.figures())
        result.append({figure.values.pageId001, figure.values.index001});
    return result;
}

} // namespace

// The figures of a plan over a real main table: what they copy on a refresh,
// how they are coloured, placed, removed, stacked and stored.
class TestPlanFigureModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void colourFollowsTheTableRule_data();
    void colourFollowsTheTableRule();
    void refreshCopiesRowsWithOneAnnouncement();
    void ranges_data();
    void ranges();
    void singleAddAndImportPlaceOnlyNewTableCells();
    void controllerRemovalsTakeFiguresAway();
    void stackingStaysWithinItsOrders();
    void figuresSurviveSaveAndReopen();

private:
    // A cell of the main table as the controller publishes it.
    void publish(int page, int index, int weight, int state = 1, int minErr = 20, int minWarn = 50);

    std::unique_ptr<TableRowModel> m_table;
    std::unique_ptr<PlanFigureModel> m_plan;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestPlanFigureModel::init()
{
    m_table = std::make_unique<TableRowModel>();
    m_plan = std::make_unique<PlanFigureModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_plan.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_plan->setSource(m_table.get());
}

void TestPlanFigureModel::cleanup()
{
    m_tester.reset();
    m_plan.reset();
    m_table.reset();
}

void TestPlanFigureModel::publish(int page, int index, int weight, int state, int minErr, int minWarn)
{
    m_table->setTableData(page, index, 0, 0, QStringLiteral("CZ%1.%2").arg(page).arg(index), weight, weight + 5,
                          weight - 5, 80, minWarn, 100, minErr, state, 0, 2, nullptr);
}

void TestPlanFigureModel::colourFollowsTheTableRule_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("underAlarmColumn");
    QTest::addColumn<int>("underWarnColumn");
    QTest::addColumn<QString>("colour");

    QTest::newRow("normal") << 60 << 1 << 85 << 85 << "green";
    QTest::newRow("offline, overweight") << 150 << 0 << 85 << 85 << "#ccc800";
    QTest::newRow("ultra-light alarm") << 10 << 1 << 85 << 85 << "Purple";
    QTest::newRow("ultra-light, alarm column hidden") << 10 << 1 << 84 << 85 << "LightBlue";
    QTest::newRow("ultra-light, both columns hidden") << 10 << 1 << 84 << 84 << "green";
}

void TestPlanFigureModel::colourFollowsTheTableRule()
{
    QFETCH(int, weight);
    QFETCH(int, state);
    QFETCH(int, underAlarmColumn);
    QFETCH(int, underWarnColumn);
    QFETCH(QString, colour);
    publish(2, 1, weight, state);
    QVERIFY(m_plan->addCell(2, 1));
    // The table's switches recolour the figure at once.
    QSignalSpy announced(m_plan.get(), &QAbstractItemModel::dataChanged);
    m_table->setRect3(underAlarmColumn);
    m_table->setRect7(underWarnColumn);
    QCOMPARE(m_plan->index(0).data(PlanFigureModel::FigureColorRole).toString(), colour);
    QCOMPARE(announced.isEmpty(), underAlarmColumn == 85 && underWarnColumn == 85);
}

void TestPlanFigureModel::refreshCopiesRowsWithOneAnnouncement()
{
    for (int index = 1; index <= 4; ++index)
        publish(3, index, 60);
    for (int index = 1; index <= 4; ++index)
        QVERIFY(m_plan->addCell(3, index));
    // A stored figure the table does not hold.
    QVERIFY(m_plan->place(9, 9, 0, 0, 0));

    QSignalSpy announced(m_plan.get(), &QAbstractItemModel::dataChanged);
    m_plan->refresh();
    QVERIFY(announced.isEmpty());

    publish(3, 2, 70, 1);
    publish(3, 3, 71, 0);
    m_plan->refresh();
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0).at(0).value<QModelIndex>().row(), 1);
    QCOMPARE(announced.at(0).at(1).value<QModelIndex>().row(), 2);
    QCOMPARE(m_plan->figures().at(1).values.width1, 70);
    QCOMPARE(m_plan->figures().at(2).values.state001, 0);
    QCOMPARE(m_plan->figures().at(2).values.maxWidth001, 76);
    QCOMPARE(m_plan->figures().at(2).values.name001, QStringLiteral("CZ3.3"));
    // Without a row the figure keeps what it had: weight 0, no state yet.
    QCOMPARE(m_plan->figures().at(4).values.width1, 0);
    QCOMPARE(m_plan->index(4).data(PlanFigureModel::FigureColorRole).toString(), QStringLiteral("#ccc800"));
}

void TestPlanFigureModel::ranges_data()
{
    QTest::addColumn<QString>("addRange");
    QTest::addColumn<QString>("removeRange");
    QTest::addColumn<Keys>("expected");

    // 1.6 is on the plan before the range is added.
    const Keys block{{1, 6}, {1, 5}, {1, 7}, {2, 5}, {2, 6}, {2, 7}};
    QTest::newRow("pages 1 and 2, indices 5 to 7") << "1.05-2.07" << "" << block;
    QTest::newRow("malformed adds nothing") << "1.05" << "" << Keys{{1, 6}};
    QTest::newRow("first end above the last adds nothing") << "2.07-1.05" << "" << Keys{{1, 6}};
    QTest::newRow("bulk delete of one page") << "1.05-2.07" << "2.01-2.99" << Keys{{1, 6}, {1, 5}, {1, 7}};
    QTest::newRow("malformed delete removes nothing") << "1.05-2.07" << "2.01-" << block;
}

void TestPlanFigureModel::ranges()
{
    QFETCH(QString, addRange);
    QFETCH(QString, removeRange);
    QFETCH(Keys, expected);
    for (int page = 1; page <= 3; ++page) {
        for (int index = 1; index <= 9; ++index)
            publish(page, index, 60);
    }
    // Already on the plan: not placed twice.
    QVERIFY(m_plan->addCell(1, 6));
    m_plan->addRange(addRange);
    m_plan->removeRange(removeRange);
    QCOMPARE(keys(*m_plan), expected);
    for (const PlanFigure &figure : m_plan->figures())
        QCOMPARE(QPoint(figure.x, figure.y), QPoint(PlanFigureModel::PlacedX, PlanFigureModel::PlacedY));
}

void TestPlanFigureModel::singleAddAndImportPlaceOnlyNewTableCells()
{
    publish(2, 1, 60);
    publish(2, 2, 60);
    QVERIFY(m_plan->addCell(2, 1));
    m_plan->moveTo(0, 300.4, 40.6);
    QVERIFY(!m_plan->addCell(2, 1));
    QVERIFY(!m_plan->addCell(4, 4)); // not in the main table
    QCOMPARE(keys(*m_plan), (Keys{{2, 1}}));
    QCOMPARE(QPoint(m_plan->figures().at(0).x, m_plan->figures().at(0).y), QPoint(300, 41));

    const QVariantList addable = m_plan->addableCells();
    QCOMPARE(addable.size(), 1);
    QCOMPARE(addable.at(0).toMap().value("text").toString(), QStringLiteral("2.2 CZ2.2"));

    // A table part: its total row, a cell on the plan, one off it, one the
    // main table does not hold.
    TableRowModel part;
    part.setPartIndex(3);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 1, 0);
    part.appendPlaceholder(2, 2, 0);
    part.appendPlaceholder(5, 5, 0);
    QCOMPARE(m_plan->importPart(&part), 1);
    QCOMPARE(keys(*m_plan), (Keys{{2, 1}, {2, 2}}));
    QVERIFY(m_plan->addableCells().isEmpty());
}

void TestPlanFigureModel::controllerRemovalsTakeFiguresAway()
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
    QCOMPARE(keys(*m_plan), (Keys{{2, 5}, {1, 1005}, {2, 1005}}));
    control.removeGroup(1, 1005);
    QCOMPARE(keys(*m_plan), (Keys{{2, 5}}));
}

void TestPlanFigureModel::stackingStaysWithinItsOrders()
{
    QVERIFY(m_plan->place(2, 1, 0, 0, 9)); // out of range in the file
    QCOMPARE(m_plan->figures().at(0).z, PlanFigureModel::HighestStack);
    QVERIFY(!m_plan->canRaise(0));
    for (int step = 0; step < 7; ++step)
        m_plan->lower(0);
    QCOMPARE(m_plan->figures().at(0).z, PlanFigureModel::LowestStack);
    QVERIFY(!m_plan->canLower(0));
    m_plan->raise(0);
    QCOMPARE(m_plan->index(0).data(PlanFigureModel::StackRole).toInt(), 1);
    QVERIFY(m_plan->canRaise(0) && m_plan->canLower(0));
}

void TestPlanFigureModel::figuresSurviveSaveAndReopen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.VORNPRO"));
    {
        // A stored list with a malformed entry and a duplicate.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QJsonArray cells{QJsonObject{{"pageId", "2"}, {"cellIndex", "1"}, {"x", 15}, {"y", 25}, {"z", 2}},
                               QJsonObject{{"pageId", "x"}, {"cellIndex", "1"}, {"x", 1}, {"y", 1}, {"z", 0}},
                               QJsonObject{{"pageId", "2"}, {"cellIndex", "1"}, {"x", 99}, {"y", 99}, {"z", 0}},
                               QJsonObject{{"pageId", "20"}, {"cellIndex", "7"}, {"x", -40}, {"y", 600}}};
        file.write(QJsonDocument(QJsonObject{{"PlanParts", QJsonArray{QJsonObject{{"index", 0}, {"name", "main"}},
                                                                      QJsonObject{{"index", 4}, {"name", "north"},
                                                                                  {"CellList", cells}}}}})
                       .toJson());
    }
    MyJson json;
    QVERIFY(!json.readProjectFile(path).damaged);
    m_plan->setPartIndex(4);
    m_plan->load(&json);
    QCOMPARE(keys(*m_plan), (Keys{{2, 1}, {20, 7}}));
    QCOMPARE(m_plan->figures().at(0).z, 2);
    m_plan->moveTo(1, -35, 610);

    json.clearParts();
    json.savePlanParts(0, QStringLiteral("main"));
    json.savePlanParts(4, QStringLiteral("north"));
    m_plan->save(&json);
    QVERIFY(json.writeProjectFile(path));

    MyJson reopened;
    QVERIFY(!reopened.readProjectFile(path).damaged);
    PlanFigureModel again;
    again.setPartIndex(4);
    again.load(&reopened);
    QCOMPARE(keys(again), (Keys{{2, 1}, {20, 7}}));
    QCOMPARE(QVector<int>({again.figures().at(0).x, again.figures().at(0).y, again.figures().at(0).z}),
             QVector<int>({15, 25, 2}));
    QCOMPARE(QVector<int>({again.figures().at(1).x, again.figures().at(1).y, again.figures().at(1).z}),
             QVector<int>({-35, 610, 0}));
}

QTEST_GUILESS_MAIN(TestPlanFigureModel)
#include "tst_planfiguremodel.moc"
