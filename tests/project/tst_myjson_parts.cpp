#include "project/myjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

QJsonObject object(const QByteArray &json) { return QJsonDocument::fromJson(json).object(); }

QVariantList emitted(const QSignalSpy &spy)
{
    QVariantList all;
    for (const QList<QVariant> &emission : spy)
        all << emission;
    return all;
}

} // namespace

// The display parts a project stores: pending lists written on save, lookups
// and settings read from the document.
class TestMyJsonParts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    MyJson m_json;
    QString file() const { return m_dir.filePath("p.VORNPRO"); }
    void open(const QByteArray &text)
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        f.close();
        QVERIFY(!m_json.readProjectFile(file()).damaged);
    }
    QJsonObject save()
    {
        QFile f(file());
        return m_json.writeProjectFile(file()) && f.open(QIODevice::ReadOnly)
            ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
    }

private slots:
    void init() { open("{}"); }

    void pendingPartsAreWrittenAsRegistered()
    {
        // Cells and settings saved before their part are dropped.
        m_json.saveTablePartCell(3, 0, "1", "5", 0);
        m_json.savePlanPartCell(3, "1", "5", 1, 2, 3);
        m_json.saveBarChartPartSet(3, 1, 1, true, true, true, true, true, 1);
        // Of two parts with one index the first takes the cells and settings.
        m_json.saveTableParts(2, "a");
        m_json.saveTableParts(2, "b");
        m_json.saveTablePartCell(2, 1, "20", "999", 1);
        m_json.saveBarChartPartSet(2, 100, 50, true, false, true, false, true, 7);
        m_json.savePlanParts(3, "plan");
        m_json.savePlanPartCell(3, "3", "17", -5, 40, 2);
        m_json.saveLinePlotParts(3, "plot");
        m_json.saveLinePlotPartCell(3, "1", "0");
        const QJsonObject written = save();
        QCOMPARE(written["TableParts"].toArray(), QJsonArray({object(R"({"index": 2, "name": "a",
            "CellList": [{"posIndex": 1, "pageId": "20", "cellIndex": "999", "typeFlag": 1}],
            "allTotalData": 100, "cellMaxData": 50, "gt1_checked": true, "mmb1_checked": false,
            "oua1_checked": true, "wm1_checked": false, "checkBox_axisAdap_checked": true,
            "horizontalSlider_value": 7})"), object(R"({"index": 2, "name": "b"})")}));
        QCOMPARE(written["PlanParts"].toArray(), QJsonArray({object(R"({"index": 3, "name": "plan",
            "CellList": [{"pageId": "3", "cellIndex": "17", "x": -5, "y": 40, "z": 2}]})")}));
        QCOMPARE(written["LinePlotParts"].toArray(), QJsonArray({object(R"({"index": 3, "name": "plot",
            "CellList": [{"pageId": "1", "cellIndex": "0"}]})")}));
        // Lookups read the saved document, not the pending lists.
        QCOMPARE(m_json.getTablePartNum(2), 1.0);
        QCOMPARE(m_json.getPlanPartCellY(3, 0), 40);
        m_json.clearParts();
        QCOMPARE(save()["TableParts"].toArray(), QJsonArray());
    }

    void tableCellPositions_data()
    {
        QTest::addColumn<double>("partIndex");
        QTest::addColumn<double>("posIndex");
        QTest::addColumn<QString>("cell"); // pageId.cellIndex/typeFlag
        QTest::newRow("first") << 5.0 << 0.0 << "1.10/0";
        QTest::newRow("last") << 5.0 << 2.0 << "1.1002/1";
        QTest::newRow("1.9 is position 1") << 5.0 << 1.9 << "2.11/0";
        QTest::newRow("-0.5 truncates to 0") << 5.0 << -0.5 << "1.10/0";
        QTest::newRow("3 is past the end") << 5.0 << 3.0 << "./0";
        QTest::newRow("negative") << 5.0 << -1.0 << "./0";
        QTest::newRow("not a number") << 5.0 << std::nan("") << "./0";
        QTest::newRow("huge") << 5.0 << 1e300 << "./0";
        QTest::newRow("unknown part") << 6.0 << 0.0 << "./0";
        QTest::newRow("part whose index is text") << 1.0 << 0.0 << "./0";
        QTest::newRow("non-text keys") << 7.0 << 0.0 << "./0";
    }
    void tableCellPositions()
    {
        QFETCH(double, partIndex);
        QFETCH(double, posIndex);
        QFETCH(QString, cell);
        open(R"({"TableParts": [{"index": 0, "CellList": [{"pageId": "9", "cellIndex": "9"}]},
            {"index": "1", "CellList": [{"pageId": "9", "cellIndex": "9"}]},
            {"index": 5, "CellList": [{"posIndex": 0, "pageId": "1", "cellIndex": "10", "typeFlag": 0},
                {"posIndex": 1, "pageId": "2", "cellIndex": "11"},
                {"posIndex": 2, "pageId": "1", "cellIndex": "1002", "typeFlag": 1}]},
            {"index": 7, "CellList": [{"pageId": 1, "cellIndex": 10}]}]})");
        QCOMPARE(QStringLiteral("%1.%2/%3").arg(m_json.getTablePartCellPageId(partIndex, posIndex),
                                                m_json.getTablePartCellIndex(partIndex, posIndex))
                     .arg(m_json.getTablePartCellTypeFlag(partIndex, posIndex)), cell);
    }

    // The first part of every view always exists and is never announced.
    void partsAndSettingsAreRead()
    {
        open(R"({"TableParts": [{"index": 0, "allTotalData": 9000, "cellMaxData": 2500.5, "gt1_checked": true,
                "wm1_checked": true, "horizontalSlider_value": 3},
                {"index": 1, "name": "one", "horizontalSlider_value": 3.5}],
            "PlanParts": [{"index": 0}, {"index": 2, "name": "two", "planPic": "site.png", "narrow": true, "cellHeight": 40,
                "celllWidth": 80.5, "x": -12.5, "y": 30, "scale": 1.25, "CellList": [{"x": 10, "y": -20, "z": 4}]}],
            "LinePlotParts": [{"index": 0, "yHigh": 5000, "yHigl": -100, "time": "60", "Line_width": 2},
                {"index": 4, "name": "four", "CellList": [{"pageId": "20", "cellIndex": "7"}]}],
            "Setting": {"saveStartBool": true, "saveTimeIndex": 2, "mediaOpen": true, "log": "a"},
            "TableSet": {"rect3": 1, "rect4": 0, "rect7": 1, "rect8": 1, "rect10": 2.5, "rect5": 1, "rect6": 0}})");
        QSignalSpy bars(&m_json, &MyJson::upLoadBarChartPartSetSignal);
        QSignalSpy plan(&m_json, &MyJson::upLoadPlanPartSetSignal);
        QSignalSpy plot(&m_json, &MyJson::UpLoadLpPlotSetSignal);
        QSignalSpy setting(&m_json, &MyJson::upLoadSetPartSetSignal);
        QSignalSpy tableSet(&m_json, &MyJson::upLoadTableSetPartSetSignal);
        QSignalSpy parts[] = {{&m_json, &MyJson::upLoadTablePartSignal}, {&m_json, &MyJson::upLoadPlanPartSignal},
                              {&m_json, &MyJson::upLoadLinePlotPartSignal}};
        m_json.readTableParts();
        m_json.readPlanParts();
        m_json.readLinePlotParts();
        QCOMPARE((QList<QVariantList>{emitted(parts[0]), emitted(parts[1]), emitted(parts[2])}),
                 (QList<QVariantList>{{1.0, "one"}, {2.0, "two"}, {4.0, "four"}}));
        for (const double part : QList<double>{0, 1, 2, 4}) {
            m_json.getBarChartPartSet(part);
            m_json.getPlanPartSet(part);
            m_json.getLinePlotPartYHigh(part);
        }
        m_json.getSetPart();
        m_json.getTableSetPart();
        QCOMPARE(emitted(bars), (QVariantList{0.0, 9000.0, 2500.5, true, false, false, true, false, 3,
                                              1.0, 0.0, 0.0, false, false, false, false, false, 0}));
        QCOMPARE(emitted(plan), (QVariantList{0.0, QString(), false, 0.0, 0.0, 0.0, 0.0, 0.0,
                                              2.0, "site.png", true, 40.0, 80.5, -12.5, 30.0, 1.25}));
        QCOMPARE(emitted(plot), (QVariantList{0.0, 5000.0, -100.0, "60", 2, 4.0, 0.0, 0.0, QString(), 0}));
        QCOMPARE(emitted(setting), (QVariantList{true, 2.0, true}));
        QCOMPARE(emitted(tableSet), (QVariantList{1, 0, 1, 1, 0, 1, 0}));
        QCOMPARE(m_json.setPartKeys(), (QStringList{"log", "mediaOpen", "saveStartBool", "saveTimeIndex"}));
        QCOMPARE((QVariantList{m_json.getPlanPartCellX(2, 0), m_json.getPlanPartCellY(2, 0), m_json.getPlanPartCellZ(2, 0),
                               m_json.getLinePlotPartCellPageId(4, 0), m_json.getLinePlotPartCellIndex(4, 0)}),
                 (QVariantList{10, -20, 4, "20", "7"}));
    }

    void removeTablePartTouchesOnlyTheDocument()
    {
        QCOMPARE(m_json.setPartKeys(), QStringList()); // unlike the signal's defaults
        m_json.saveTableParts(0, "part 0");
        m_json.saveTableParts(3, "three");
        m_json.saveTablePartCell(3, 0, "1", "1", 0);
        save();
        m_json.removeTablePart(0);
        m_json.removeTablePart(9);
        QCOMPARE(m_json.document()["TableParts"].toArray(), QJsonArray{object(R"({"index": 3, "name": "three",
            "CellList": [{"posIndex": 0, "pageId": "1", "cellIndex": "1", "typeFlag": 0}]})")});
        // The pending list still holds the part; the next save rebuilds the list.
        QCOMPARE(save()["TableParts"].toArray().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestMyJsonParts)
#include "tst_myjson_parts.moc"
