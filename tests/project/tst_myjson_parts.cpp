#include "project/myjson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

class TestMyJsonParts : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listReadersSkipTheFirstPart_data();
    void listReadersSkipTheFirstPart();
    void pendingPartsAreWrittenAsRegistered();
    void tableCellPositions_data();
    void tableCellPositions();
    void planAndLinePlotCells();
    void gettersReadTheDocument();
    void partSettings();
    void projectSettingsEmitWithDefaults();
    void removeTablePartTouchesOnlyTheDocument();
    void clearAndReadEmptyPendingPartsOnly();

private:
    // Opens a project file with the given text.
    void open(const QByteArray &text);
    // Writes the pending state into the document (and the file).
    void save();
    QJsonObject writtenFile() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MyJson> m_json;
    QString m_file;
};

void TestMyJsonParts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = m_dir->filePath("p.VORNPRO");
    m_json = std::make_unique<MyJson>();
}

void TestMyJsonParts::open(const QByteArray &text)
{
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), qint64(text.size()));
    file.close();
    QVERIFY(!m_json->readProjectFile(m_file).damaged);
}

void TestMyJsonParts::save()
{
    QVERIFY(m_json->writeProjectFile(m_file));
}

QJsonObject TestMyJsonParts::writtenFile() const
{
    QFile file(m_file);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

void TestMyJsonParts::listReadersSkipTheFirstPart_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("parts");
    QTest::addColumn<QVariantList>("announced");

    const QByteArray three = R"([{"index": 0, "name": "part 0"}, {"index": 4, "name": "four"},
                                 {"index": 2.5, "name": "odd"}])";
    for (const QString &list : {QStringLiteral("TableParts"), QStringLiteral("PlanParts"),
                                QStringLiteral("LinePlotParts")}) {
        QTest::addRow("%s, one part", qPrintable(list))
            << list << QByteArray(R"([{"index": 0, "name": "part 0"}])") << QVariantList();
        QTest::addRow("%s, three parts", qPrintable(list))
            << list << three << QVariantList{4.0, QStringLiteral("four"), 2.5, QStringLiteral("odd")};
        QTest::addRow("%s, missing", qPrintable(list)) << list << QByteArray() << QVariantList();
    }
}

void TestMyJsonParts::listReadersSkipTheFirstPart()
{
    QFETCH(QString, list);
    QFETCH(QByteArray, parts);
    QFETCH(QVariantList, announced);
    open(parts.isEmpty() ? QByteArray("{}") : "{\"" + list.toUtf8() + "\": " + parts + "}");

    QSignalSpy table(m_json.get(), &MyJson::upLoadTablePartSignal);
    QSignalSpy plan(m_json.get(), &MyJson::upLoadPlanPartSignal);
    QSignalSpy linePlot(m_json.get(), &MyJson::upLoadLinePlotPartSignal);
    m_json->readTableParts();
    m_json->readPlanParts();
    m_json->readLinePlotParts();

    QSignalSpy &spy = list == "TableParts" ? table : list == "PlanParts" ? plan : linePlot;
    QVariantList got;
    for (const QList<QVariant> &emission : spy)
        got << emission;
    QCOMPARE(got, announced);
    QCOMPARE(table.count() + plan.count() + linePlot.count(), spy.count());
}

void TestMyJsonParts::pendingPartsAreWrittenAsRegistered()
{
    // Cells and settings saved before their part are dropped.
    m_json->saveTablePartCell(3, 0, "1", "5", 0);
    m_json->savePlanPartCell(3, "1", "5", 1, 2, 3);
    m_json->saveLinePlotPartCell(3, "1", "5");
    m_json->saveBarChartPartSet(3, 1, 1, true, true, true, true, true, 1);
    m_json->savePlanPartSet(3, "pic", true, 1, 1, 1, 1, 1);
    m_json->saveLinePlotPartYHigh(3, 1, 0, "60", 2);
    // A second part with the same index is written, but the first one takes its cells and settings.
    m_json->saveTableParts(2, "a");
    m_json->saveTableParts(2, "b");
    m_json->saveTablePartCell(2, 1, "20", "999", 1);
    m_json->saveBarChartPartSet(2, 100, 50, true, false, true, false, true, 7);
    m_json->saveTableParts(3, "late");
    m_json->savePlanParts(3, "plan");
    m_json->savePlanPartCell(3, "3", "17", -5, 40, 2);
    m_json->saveLinePlotParts(3, "plot");
    m_json->saveLinePlotPartCell(3, "1", "0");
    save();
    // Cell keys are stored as text.
    const QJsonObject written = writtenFile();
    QCOMPARE(written["TableParts"].toArray(), QJsonArray({object(R"({"index": 2, "name": "a",
        "CellList": [{"posIndex": 1, "pageId": "20", "cellIndex": "999", "typeFlag": 1}],
        "allTotalData": 100, "cellMaxData": 50, "gt1_checked": true, "mmb1_checked": false,
        "oua1_checked": true, "wm1_checked": false, "checkBox_axisAdap_checked": true,
        "horizontalSlider_value": 7})"), object(R"({"index": 2, "name": "b"})"),
                                                          object(R"({"index": 3, "name": "late"})")}));
    QCOMPARE(written["PlanParts"].toArray(), QJsonArray({object(R"({"index": 3, "name": "plan",
        "CellList": [{"pageId": "3", "cellIndex": "17", "x": -5, "y": 40, "z": 2}]})")}));
    QCOMPARE(written["LinePlotParts"].toArray(), QJsonArray({object(R"({"index": 3, "name": "plot",
        "CellList": [{"pageId": "1", "cellIndex": "0"}]})")}));
}

void TestMyJsonParts::tableCellPositions_data()
{
    QTest::addColumn<double>("partIndex");
    QTest::addColumn<double>("posIndex");
    QTest::addColumn<QString>("pageId");
    QTest::addColumn<QString>("cellIndex");
    QTest::addColumn<double>("typeFlag");

    QTest::newRow("first") << 5.0 << 0.0 << "1" << "10" << 0.0;
    QTest::newRow("last") << 5.0 << 2.0 << "1" << "1002" << 1.0;
    QTest::newRow("1.9 is position 1") << 5.0 << 1.9 << "2" << "11" << 0.0;
    QTest::newRow("-0.5 truncates to 0") << 5.0 << -0.5 << "1" << "10" << 0.0;
    QTest::newRow("past the end") << 5.0 << 7.0 << "" << "" << 0.0;
    QTest::newRow("3 is past the end") << 5.0 << 3.0 << "" << "" << 0.0;
    QTest::newRow("negative") << 5.0 << -1.0 << "" << "" << 0.0;
    QTest::newRow("not a number") << 5.0 << std::nan("") << "" << "" << 0.0;
    QTest::newRow("infinite") << 5.0 << std::numeric_limits<double>::infinity() << "" << "" << 0.0;
    QTest::newRow("huge") << 5.0 << 1e300 << "" << "" << 0.0;
    QTest::newRow("unknown part") << 6.0 << 0.0 << "" << "" << 0.0;
    QTest::newRow("part without cells") << 0.0 << 0.0 << "" << "" << 0.0;
    QTest::newRow("non-text keys") << 7.0 << 0.0 << "" << "" << 0.0;
}

void TestMyJsonParts::tableCellPositions()
{
    QFETCH(double, partIndex);
    QFETCH(double, posIndex);
    QFETCH(QString, pageId);
    QFETCH(QString, cellIndex);
    QFETCH(double, typeFlag);
    open(R"({"TableParts": [{"index": 0, "name": "part 0"},
        {"index": 5, "name": "five", "CellList": [
            {"posIndex": 0, "pageId": "1", "cellIndex": "10", "typeFlag": 0},
            {"posIndex": 1, "pageId": "2", "cellIndex": "11"},
            {"posIndex": 2, "pageId": "1", "cellIndex": "1002", "typeFlag": 1}]},
        {"index": 7, "name": "seven", "CellList": [{"pageId": 1, "cellIndex": 10}]}]})");

    QCOMPARE(m_json->getTablePartCellPageId(partIndex, posIndex), pageId);
    QCOMPARE(m_json->getTablePartCellIndex(partIndex, posIndex), cellIndex);
    QCOMPARE(m_json->getTablePartCellTypeFlag(partIndex, posIndex), typeFlag);
}

void TestMyJsonParts::planAndLinePlotCells()
{
    open(R"({"PlanParts": [{"index": 1, "name": "p", "CellList": [
                {"pageId": "1", "cellIndex": "3", "x": 10, "y": -20, "z": 4},
                {"pageId": "1", "cellIndex": "4", "x": 10.5}]}],
             "LinePlotParts": [{"index": 2, "name": "l", "CellList": [
                {"pageId": "20", "cellIndex": "7"}]}]})");
    QCOMPARE(m_json->getPlanPartNum(1), 2.0);
    QCOMPARE(m_json->getPlanPartCellPageId(1, 0), QStringLiteral("1"));
    QCOMPARE(m_json->getPlanPartCellIndex(1, 1), QStringLiteral("4"));
    QCOMPARE(m_json->getPlanPartCellX(1, 0), 10);
    QCOMPARE(m_json->getPlanPartCellY(1, 0), -20);
    QCOMPARE(m_json->getPlanPartCellZ(1, 0), 4);
    QCOMPARE(m_json->getPlanPartCellX(1, 1), 0);
    QCOMPARE(m_json->getPlanPartCellZ(1, 1), 0);
    QCOMPARE(m_json->getPlanPartCellX(1, 2), 0);
    QCOMPARE(m_json->getPlanPartNum(2), 0.0);

    QCOMPARE(m_json->getLinePlotPartNum(2), 1.0);
    QCOMPARE(m_json->getLinePlotPartCellPageId(2, 0), QStringLiteral("20"));
    QCOMPARE(m_json->getLinePlotPartCellIndex(2, 0), QStringLiteral("7"));
    QCOMPARE(m_json->getLinePlotPartCellIndex(2, 1), QString());
    QCOMPARE(m_json->getLinePlotPartNum(1), 0.0);
}

void TestMyJsonParts::gettersReadTheDocument()
{
    m_json->saveTableParts(0, "part 0");
    for (int i = 0; i < 3; ++i)
        m_json->saveTablePartCell(0, i, "1", QString::number(i), 0);
    QCOMPARE(m_json->getTablePartNum(0), 0.0);
    QCOMPARE(m_json->getTablePartCellIndex(0, 1), QString());

    save();
    QCOMPARE(m_json->getTablePartNum(0), 3.0);
    QCOMPARE(m_json->getTablePartCellIndex(0, 1), QStringLiteral("1"));

    m_json->clearParts();
    m_json->saveTableParts(0, "part 0");
    QCOMPARE(m_json->getTablePartNum(0), 3.0);
}

void TestMyJsonParts::partSettings()
{
    open(R"({"TableParts": [{"index": 0, "name": "part 0", "allTotalData": 9000, "cellMaxData": 2500.5,
                             "gt1_checked": true, "wm1_checked": true, "horizontalSlider_value": 3},
                            {"index": 1, "name": "bare", "horizontalSlider_value": 3.5}],
             "PlanParts": [{"index": 0, "name": "plan", "planPic": "file:///site.png", "narrow": true,
                            "cellHeight": 40, "celllWidth": 80.5, "x": -12.5, "y": 30, "scale": 1.25},
                           {"index": "1", "name": "text index"}],
             "LinePlotParts": [{"index": 0, "name": "plot", "yHigh": 5000, "yHigl": -100, "time": "60",
                                "Line_width": 2}, {"index": 1, "name": "odd", "Line_width": 2.5}]})");

    // Parts that are not there (or whose index is not a number) announce nothing.
    QSignalSpy bars(m_json.get(), &MyJson::upLoadBarChartPartSetSignal);
    m_json->getBarChartPartSet(0);
    m_json->getBarChartPartSet(1);
    m_json->getBarChartPartSet(4);
    QCOMPARE(bars.count(), 2);
    QCOMPARE(bars.at(0), (QVariantList{0.0, 9000.0, 2500.5, true, false, false, true, false, 3}));
    QCOMPARE(bars.at(1), (QVariantList{1.0, 0.0, 0.0, false, false, false, false, false, 0}));

    QSignalSpy plan(m_json.get(), &MyJson::upLoadPlanPartSetSignal);
    m_json->getPlanPartSet(0);
    m_json->getPlanPartSet(1);
    QCOMPARE(plan.count(), 1);
    QCOMPARE(plan.at(0), (QVariantList{0.0, QStringLiteral("file:///site.png"), true, 40.0, 80.5, -12.5, 30.0, 1.25}));

    QSignalSpy plot(m_json.get(), &MyJson::UpLoadLpPlotSetSignal);
    QCOMPARE(m_json->getLinePlotPartYHigh(0), 0.0);
    QCOMPARE(m_json->getLinePlotPartYHigh(1), 0.0);
    QCOMPARE(m_json->getLinePlotPartYHigh(3), 0.0);
    QCOMPARE(plot.count(), 2);
    QCOMPARE(plot.at(0), (QVariantList{0.0, 5000.0, -100.0, QStringLiteral("60"), 2}));
    QCOMPARE(plot.at(1), (QVariantList{1.0, 0.0, 0.0, QString(), 0}));

    open("{}");
    m_json->getBarChartPartSet(0);
    m_json->getPlanPartSet(0);
    QCOMPARE(m_json->getLinePlotPartYHigh(0), 0.0);
    QCOMPARE(bars.count() + plan.count() + plot.count(), 2 + 1 + 2);
}

void TestMyJsonParts::projectSettingsEmitWithDefaults()
{
    QSignalSpy setting(m_json.get(), &MyJson::upLoadSetPartSetSignal);
    QSignalSpy log(m_json.get(), &MyJson::upLoadSetPart2SetSignal);
    QSignalSpy tableSet(m_json.get(), &MyJson::upLoadTableSetPartSetSignal);
    QList<QString> order;
    connect(m_json.get(), &MyJson::upLoadSetPartSetSignal, this, [&order] { order << "setting"; });
    connect(m_json.get(), &MyJson::upLoadSetPart2SetSignal, this, [&order] { order << "log"; });

    open("{}");
    m_json->getSetPart();
    m_json->getTableSetPart();
    QCOMPARE(setting.takeFirst(), (QVariantList{false, 0.0, false}));
    QCOMPARE(log.takeFirst(), (QVariantList{QString()}));
    QCOMPARE(tableSet.takeFirst(), (QVariantList{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(order, (QList<QString>{"setting", "log"}));
    // A project that stores nothing says so, unlike the signal's defaults.
    QCOMPARE(m_json->setPartKeys(), QStringList());

    open(R"({"Setting": {"saveStartBool": true, "saveTimeIndex": 2, "mediaOpen": true, "log": "line 1\nline 2"},
             "TableSet": {"rect3": 1, "rect4": 0, "rect7": 1, "rect8": 1, "rect10": 2.5, "rect5": 1, "rect6": 0}})");
    m_json->getSetPart();
    m_json->getTableSetPart();
    QCOMPARE(setting.takeFirst(), (QVariantList{true, 2.0, true}));
    QCOMPARE(log.takeFirst(), (QVariantList{QStringLiteral("line 1\nline 2")}));
    QCOMPARE(tableSet.takeFirst(), (QVariantList{1, 0, 1, 1, 0, 1, 0}));
    QCOMPARE(m_json->setPartKeys(), (QStringList{"log", "mediaOpen", "saveStartBool", "saveTimeIndex"}));

    open(R"({"Setting": {"mediaOpen": false}})");
    QCOMPARE(m_json->setPartKeys(), QStringList{"mediaOpen"});
}

void TestMyJsonParts::removeTablePartTouchesOnlyTheDocument()
{
    m_json->saveTableParts(0, "part 0");
    m_json->saveTableParts(3, "three");
    m_json->saveTableParts(3, "three again");
    m_json->saveTablePartCell(3, 0, "1", "1", 0);
    m_json->saveTablePartCell(3, 1, "1", "2", 0);
    save();
    QCOMPARE(m_json->getTablePartNum(3), 2.0);

    m_json->removeTablePart(3);
    QCOMPARE(m_json->getTablePartNum(3), 0.0);
    const QJsonObject document = m_json->document();
    QCOMPARE(document["TableParts"].toArray().size(), 2);
    QCOMPARE(document["TableParts"][1]["name"].toString(), QStringLiteral("three again"));
    m_json->removeTablePart(9);
    QCOMPARE(m_json->document()["TableParts"].toArray().size(), 2);

    // The pending list still holds the part; the next save rebuilds the list.
    save();
    QCOMPARE(m_json->getTablePartNum(3), 2.0);

    open("{}");
    m_json->removeTablePart(0);
    QVERIFY(!m_json->document().contains("TableParts"));
}

void TestMyJsonParts::clearAndReadEmptyPendingPartsOnly()
{
    m_json->saveTableParts(0, "part 0");
    m_json->savePlanParts(0, "plan");
    m_json->saveLinePlotParts(0, "plot");
    m_json->saveSetParts(true, 1, false);
    m_json->saveTableSetParts(1, 2, 3, 4, 5, 6, 7);
    m_json->clearParts();
    save();
    const QJsonObject written = writtenFile();
    for (const char *list : {"TableParts", "PlanParts", "LinePlotParts"})
        QCOMPARE(written[QLatin1String(list)].toArray(), QJsonArray());
    QCOMPARE(written["Setting"].toObject(), object(R"({"saveStartBool": true, "saveTimeIndex": 1, "mediaOpen": false})"));
    QCOMPARE(written["TableSet"]["rect10"].toInt(), 5);

    m_json->saveTableParts(0, "part 0");
    QVERIFY(!m_json->readProjectFile(m_file).damaged);
    save();
    QCOMPARE(writtenFile()["TableParts"].toArray(), QJsonArray());
}

QTEST_GUILESS_MAIN(TestMyJsonParts)
#include "tst_myjson_parts.moc"
