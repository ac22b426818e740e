#include "core/weightingcelldata.h"
#include "core/weightingdata.h"
#include "project/myjson.h"
#include "project/projectfile.h"
#include "tests/project/dacoverride.h"
#include "tests/project/filebytes.h"
#include "tests/project/ownedpages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <sys/resource.h>

namespace {

QJsonObject object(const QByteArray &json) { return QJsonDocument::fromJson(json).object(); }
QByteArray compact(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }
QByteArray compact(const QByteArray &json) { return compact(object(json)); }

// A record's stored members as one text, so a failure shows them all.
QByteArray fields(const WeightingCellData *r)
{
    return !r ? "none" : compact(QJsonObject{{"name", r->name()}, {"type", r->type()}, {"groupId", r->groupId()},
        {"typeFlag", r->typeFlag()}, {"minErr", r->minErrData()}, {"minWarn", r->minWarnData()}, {"maxWarn", r->maxWarnData()},
        {"maxErr", r->maxErrData()}, {"peel", r->peel()}, {"peelEnable", r->peelEnable()}, {"bleAddress", r->bleAddress()},
        {"idIsErr", r->idIsErr()}});
}

QByteArray projectText(const QByteArray &cells, const QByteArray &groups = "[]")
{
    return R"({"WeightingControlParent": {"Number": 1, "WeightingControl": {"CELL DATA": )" + cells
        + R"(, "GROUP DATA": )" + groups + "}}}";
}

} // namespace

class TestMyJson : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<OwnedPages> m_pages;
    std::unique_ptr<MyJson> m_json;
    QString m_file;

    void load(const QByteArray &text)
    {
        QVERIFY(writeBytes(m_file, text));
        QVERIFY(!m_json->readProjectFile(m_file).damaged);
    }
    QJsonObject written() const { return object(readBytes(m_file)); }
    QJsonObject save() { return m_json->writeProjectFile(m_file) ? written() : QJsonObject(); }
    // "page.slot" of every record read.
    QStringList loaded() const
    {
        QStringList result;
        for (int p = 0; p < PageSource::PageCount; ++p)
            for (int i = 0; m_pages->page(p) && i < WeightingData::SlotCount; ++i)
                if (m_pages->page(p)->cell(i))
                    result << QStringLiteral("%1.%2").arg(p).arg(i);
        return result;
    }

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath("p.VORNPRO");
        m_pages = std::make_unique<OwnedPages>();
        m_json = std::make_unique<MyJson>();
        m_json->setPages(m_pages.get());
    }

    void createThenRewrite()
    {
        // Parts saved before the creation do not go into the new file.
        m_json->saveTableParts(0, QStringLiteral("pending"));
        QVERIFY(m_json->createProjectFile(m_file, 1, QStringLiteral("2000kg"), 10, 5000, 20, 4000.5));
        QVERIFY(readBytes(m_file).startsWith("{\n    \"WeightingControlParent\": {\n"));
        QCOMPARE(compact(written()), compact(R"({"WeightingControlParent": {"Number": 1, "WeightingControl": {
            "index": 1, "CELL DATA": [{"pageId": 1, "index": 0, "name": "ALL LOAD", "type": "ALL LOAD", "minErr": 10,
            "maxErr": 5000, "minWarn": 20, "maxWarn": 4000.5}, {"pageId": 1, "index": 1, "name": "CZ 1.1",
            "type": "2000kg", "groupId": 0, "typeFlag": 0, "minErr": 10, "maxErr": 5000, "minWarn": 20,
            "maxWarn": 4000.5}], "part": {"part 0": {"partIndex": 0, "name": "part 0",
            "part children": [{"pageId": 1, "index": 0}, {"pageId": 1, "index": 1}]}}}}})"));
        QVERIFY(m_json->document().isEmpty());

        QVERIFY(!m_json->readProjectFile(m_file).damaged);
        QCOMPARE(compact(save()), compact(R"({"TableParts": [], "PlanParts": [], "LinePlotParts": [],
            "Setting": {}, "TableSet": {}, "WeightingControlParent": {"Number": 1, "WeightingControl": {"index": 1,
            "GROUP DATA": [], "CELL DATA": [{"pageId": 1, "index": 0, "groupId": 0, "typeFlag": 0, "name": "ALL LOAD",
            "type": "ALL LOAD", "minWarn": 20, "maxWarn": 4000.5, "minErr": 10, "maxErr": 5000, "peel": 0,
            "peelEnable": false}, {"pageId": 1, "index": 1, "groupId": 0, "typeFlag": 0, "name": "CZ 1.1",
            "type": "2000kg", "minWarn": 20, "maxWarn": 4000.5, "minErr": 10, "maxErr": 5000, "peel": 0,
            "peelEnable": false}]}}})"));
        QCOMPARE(m_json->document(), written());
    }

    // An existing record keeps its name, the last of two group entries wins, Bluetooth keys belong to
    // page 20 only, unknown members outside the records survive a save.
    void readMergesIntoRecords()
    {
        WeightingCellData *mine = m_pages->ensurePage(1)->createCell(1, 3);
        mine->setName(QStringLiteral("Mine"));
        load(R"({"Custom": {"n": [1, 2]}, "WeightingControlParent": {"Number": 1, "Extra": 5, "WeightingControl": {
            "extra": true, "part": {}, "CELL DATA": [{"pageId": 1, "index": 3, "name": "Theirs", "type": "T",
            "minWarn": 100, "maxWarn": 800, "minErr": 50, "maxErr": 900.5, "groupId": 2, "peel": 7, "peelEnable": true,
            "bleAddress": "00:80:E1:26:00:01", "idIsErr": true},
            {"pageId": 20, "index": 999, "bleAddress": "00:80:E1:26:AB:CD", "idIsErr": true}],
            "GROUP DATA": [{"index": 1003, "name": "A", "maxErr": 100, "typeFlag": 1}, {"index": 1003, "name": "B",
            "type": "G", "maxErr": 700, "maxWarn": 650.5, "minWarn": 10, "minErr": 5, "typeFlag": 1, "groupId": 9}]}}})");
        QCOMPARE(m_pages->page(1)->cell(3), mine);
        QCOMPARE(fields(mine), compact(R"({"name": "Mine", "type": "T", "minWarn": 100, "maxWarn": 800, "minErr": 50,
            "maxErr": 900.5, "groupId": 2, "peel": 7, "peelEnable": true, "typeFlag": 0, "bleAddress": "",
            "idIsErr": false})"));
        QCOMPARE(loaded(), (QStringList{"1.3", "1.1003", "20.999"}));

        QVERIFY(m_json->writeProjectFile(m_file));
        QCOMPARE(written()["Custom"].toObject(), object(R"({"n": [1, 2]})"));
        const QJsonObject parent = written()["WeightingControlParent"].toObject();
        QCOMPARE(parent.keys(), (QStringList{"Number", "WeightingControl"}));
        const QJsonObject control = parent["WeightingControl"].toObject();
        QCOMPARE(control.keys(), (QStringList{"CELL DATA", "GROUP DATA", "index"}));
        QCOMPARE(control["index"].toInt(), 20);
        QCOMPARE(control["GROUP DATA"].toArray(), QJsonArray{object(R"({"index": 1003, "groupId": 0, "typeFlag": 1,
            "name": "B", "type": "G", "minWarn": 10, "maxWarn": 650.5, "minErr": 5, "maxErr": 700})")});
        const QJsonArray cells = control["CELL DATA"].toArray();
        QVERIFY(!cells.at(0).toObject().contains("bleAddress") && !cells.at(0).toObject().contains("idIsErr"));
        QVERIFY(cells.at(1)["bleAddress"] == "00:80:E1:26:AB:CD" && cells.at(1)["idIsErr"] == true);
    }

    // Fractional tares and thresholds (set in LB) and receiver addresses survive a save and reload.
    void recordsSurviveSaveAndReload()
    {
        m_pages->ensurePage(1)->createCell(1, 1)->setMaxWarnData(3.25);
        m_pages->ensurePage(1)->createGroup(19)->setMinWarnData(200 / 2.20462262185);
        WeightingCellData *cell = m_pages->ensurePage(20)->createCell(20, 1000);
        cell->setPeel(1 / 2.20462262185);
        cell->setBleAddress(QStringLiteral("00:80:E1:26:00:01"));
        const auto records = [this] { return fields(m_pages->page(1)->cell(1)) + fields(m_pages->page(1)->group(19))
                                             + fields(m_pages->page(20) ? m_pages->page(20)->cell(1000) : nullptr); };
        const QByteArray before = records();
        const QByteArray text = compact(save());
        init();
        load(text);
        QCOMPARE(records(), before);
    }

    // Entries outside the page tables are skipped with a note; a member of the wrong type reads as empty.
    void oddEntriesAreSkippedOrReadAsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content"); QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("tableParts"); QTest::addColumn<bool>("mistyped");
        const QByteArray kept = R"([{"pageId": 0, "index": 1000}, {"pageId": 1, "index": 1}, {"pageId": 20, "index": 0})";
        const QStringList keptIds{"0.1000", "1.1", "20.0"};
        for (const char *entry : {"21, \"index\": 1", "-1, \"index\": 1", "3, \"index\": 1001", "3, \"index\": -1"})
            QTest::addRow("page %s", entry) << projectText(kept + R"(, {"pageId": )" + entry + "}]") << keptIds << 0 << false;
        for (const char *group : {"1001", "1021", "5"})
            QTest::addRow("group index %s", group) << projectText(kept + "]", R"([{"index": )" + QByteArray(group) + "}]") << keptIds << 0 << false;
        QTest::newRow("groups without page 1") << projectText(R"([{"pageId": 2, "index": 1}])", R"([{"index": 1002}])")
                                               << QStringList{"2.1"} << 0 << false;
        const QByteArray cells = R"([{"pageId": 1, "index": 0}, {"pageId": 1, "index": 1}])";
        const QByteArray part = R"({"index": 0, "name": "main", "CellList": []})";
        const QByteArray control = R"("WeightingControlParent": {"WeightingControl": {"CELL DATA": )" + cells + "}}";
        const QStringList both{"1.0", "1.1"};
        QTest::newRow("setting is an array") << "{\"Setting\": [], " + control + "}" << both << 0 << true;
        QTest::newRow("configuration is an array")
            << QByteArray(R"({"WeightingControlParent": [], "TableParts": [)" + part + "]}") << QStringList() << 1 << true;
        QTest::newRow("cell data is an object") << projectText("{}") << QStringList() << 0 << true;
        QTest::newRow("one cell entry is a number")
            << projectText(R"([{"pageId": 1, "index": 0}, 7, {"pageId": 1, "index": 1}])") << both << 0 << true;
        QTest::newRow("one group entry is text")
            << projectText(cells, R"(["g", {"index": 1002}])") << QStringList{"1.0", "1.1", "1.1002"} << 0 << true;
        QTest::newRow("table parts is an object") << "{\"TableParts\": " + part + ", " + control + "}" << both << 0 << true;
        QTest::newRow("one table part is a number") << "{\"TableParts\": [3, " + part + "], " + control + "}" << both << 1 << true;
    }
    void oddEntriesAreSkippedOrReadAsEmpty()
    {
        QFETCH(QByteArray, content); QFETCH(QStringList, records); QFETCH(int, tableParts); QFETCH(bool, mistyped);
        QTest::ignoreMessage(mistyped ? QtWarningMsg : QtDebugMsg, QRegularExpression(
            mistyped ? "^project file .* - read as empty: " : "^project file: (cell|group) entry"));
        load(content);
        QCOMPARE(loaded(), records);
        QCOMPARE(m_json->document().value("TableParts").toArray().size(), tableParts);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"p.VORNPRO"});
        // The next save writes every known member in its own type.
        QVERIFY(save()["Setting"].isObject() && written()["TableSet"].isObject() && written()["TableParts"].isArray());
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content"); QTest::addColumn<QString>("kind");
        const QByteArray valid = projectText(R"([{"pageId": 1, "index": 0, "name": "ALL LOAD"}])");
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << "file";
        QTest::newRow("binary") << QByteArray("\x00\xff{\x80\"", 5) << "file";
        QTest::newRow("top level is an array") << QByteArray("[1, 2, 3]\n") << "file";
        QTest::newRow("unreadable") << valid << "unreadable";
        QTest::newRow("folder in its place") << QByteArray() << "folder";
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, content); QFETCH(QString, kind);
        QVERIFY(kind == "folder" ? QDir().mkpath(m_file + "/inside") : writeBytes(m_file, content));
        QVERIFY(kind != "unreadable" || QFile::setPermissions(m_file, QFileDevice::WriteOwner));
        const MyJson::ReadOutcome outcome = [this] { WithoutDacOverride unprivileged; return m_json->readProjectFile(m_file); }();
        QVERIFY(outcome.damaged && m_json->document().isEmpty() && loaded().isEmpty());
        QVERIFY(QRegularExpression("^" + QRegularExpression::escape(m_file) + "\\.damaged-\\d{8}-\\d{6}$").match(outcome.keptAs).hasMatch());
        QFile::setPermissions(outcome.keptAs, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(kind == "folder" ? QFileInfo(outcome.keptAs + "/inside").isDir() : readBytes(outcome.keptAs) == content);
        QVERIFY(kind != "file" || readBytes(m_file) == content);

        // The next save writes the project and leaves the kept file alone.
        QVERIFY(!save().isEmpty());
        QVERIFY(kind == "folder" || readBytes(outcome.keptAs) == content);
        // A file kept aside in the same second gets a name of its own.
        const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 9));
        QCOMPARE(ProjectFile::keepAside(m_file, when), m_file + ".damaged-20240506-070809");
        QVERIFY(writeBytes(m_file, "second"));
        QCOMPARE(ProjectFile::keepAside(m_file, when), m_file + ".damaged-20240506-070809-2");
        QCOMPARE(readBytes(m_file + ".damaged-20240506-070809-2"), QByteArray("second"));
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<bool>("folderWritable"); QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<int>("room"); QTest::addColumn<bool>("saved"); // room: bytes the disk takes, 0: no limit
        QTest::newRow("writable folder: through a temporary file") << true << true << 0 << true;
        QTest::newRow("folder takes no new file: in place") << false << true << 0 << true;
        QTest::newRow("nothing writable") << false << false << 0 << false;
        QTest::newRow("disk full at once") << true << true << 16 << false;
        QTest::newRow("disk full part way") << true << true << 200 << false;
    }
    void failedSaveKeepsOldFile()
    {
        QFETCH(bool, folderWritable); QFETCH(bool, fileWritable); QFETCH(int, room); QFETCH(bool, saved);
        const QString folder = m_dir->filePath("f"), file = folder + "/p.VORNPRO";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(m_json->createProjectFile(file, 1, QStringLiteral("t"), 0, 5000, 0, 4000));
        const QByteArray before = readBytes(file);
        QVERIFY(!m_json->readProjectFile(file).damaged);
        m_pages->page(1)->cell(1)->setName(QStringLiteral("renamed"));

        const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner,
                                       writable = readOnly | QFileDevice::WriteOwner;
        QVERIFY(QFile::setPermissions(file, fileWritable ? writable : QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, folderWritable ? writable : readOnly));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{room ? rlim_t(room) : unlimited.rlim_cur, unlimited.rlim_max};
        if (!saved)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: (cannot write|save of .* failed)"));
        auto unprivileged = std::make_unique<WithoutDacOverride>();
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = m_json->writeProjectFile(file);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        unprivileged.reset();
        QVERIFY(QFile::setPermissions(folder, writable) && QFile::setPermissions(file, writable));
        QCOMPARE(written, saved);
        QCOMPARE(readBytes(file).contains("renamed"), saved);
        QVERIFY(saved || readBytes(file) == before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"p.VORNPRO"});
    }

    // Reading another project replaces what the previous one held; a save without pages leaves the cells alone.
    void settingsDoNotLeakBetweenProjects()
    {
        const QString a = m_dir->filePath("a.VORNPRO");
        QVERIFY(writeBytes(a, R"({"Setting": {"log": "site A", "mediaOpen": true}, "TableSet": {"rect3": 1}})"));
        QVERIFY(m_json->createProjectFile(m_file, 2, QStringLiteral("t"), 0, 5000, 0, 4000));
        const QJsonValue created = written()["WeightingControlParent"];
        MyJson json;
        QVERIFY(!json.readProjectFile(a).damaged);
        json.saveSetParts2(QStringLiteral("site A, later"));
        json.saveTableSetParts(0, 1, 1, 1, 1, 1, 1);
        QVERIFY(json.writeProjectFile(a));
        QVERIFY(!json.readProjectFile(m_file).damaged);
        QVERIFY(json.writeProjectFile(m_file));
        QVERIFY(written()["Setting"].toObject().isEmpty() && written()["TableSet"].toObject().isEmpty());
        QCOMPARE(written()["WeightingControlParent"], created);

        QVERIFY(!json.readProjectFile(a).damaged);
        json.saveSetParts(false, 2, true);
        QVERIFY(json.writeProjectFile(a));
        QCOMPARE(object(readBytes(a))["Setting"].toObject(), object(R"({"log": "site A, later", "mediaOpen": true,
            "saveStartBool": false, "saveTimeIndex": 2})"));
    }

    // The display parts a project stores: pending lists written on save, lookups and settings read from the document.
    void pendingPartsAreWrittenAsRegistered()
    {
        // Cells and settings saved before their part are dropped.
        m_json->saveTablePartCell(3, 0, "1", "5", 0);
        m_json->savePlanPartCell(3, "1", "5", 1, 2, 3);
        m_json->saveBarChartPartSet(3, 1, 1, true, true, true, true, true, 1);
        // Of two parts with one index the first takes the cells and settings.
        m_json->saveTableParts(2, "a");
        m_json->saveTableParts(2, "b");
        m_json->saveTablePartCell(2, 1, "20", "999", 1);
        m_json->saveBarChartPartSet(2, 100, 50, true, false, true, false, true, 7);
        m_json->savePlanParts(3, "plan");
        m_json->savePlanPartCell(3, "3", "17", -5, 40, 2);
        m_json->saveLinePlotParts(3, "plot");
        m_json->saveLinePlotPartCell(3, "1", "0");
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
        QCOMPARE(m_json->getTablePartNum(2), 1.0);
        QCOMPARE(m_json->getPlanPartCellY(3, 0), 40);
        m_json->clearParts();
        QCOMPARE(save()["TableParts"].toArray(), QJsonArray());
    }

    void tableCellPositions_data()
    {
        QTest::addColumn<double>("partIndex"); QTest::addColumn<double>("posIndex");
        QTest::addColumn<QString>("cell"); // pageId.cellIndex/typeFlag
        QTest::newRow("first") << 5.0 << 0.0 << "1.10/0";
        QTest::newRow("last") << 5.0 << 2.0 << "1.1002/1";
        QTest::newRow("1.9 is position 1") << 5.0 << 1.9 << "2.11/0";
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
        QFETCH(double, partIndex); QFETCH(double, posIndex); QFETCH(QString, cell);
        load(R"({"TableParts": [{"index": 0, "CellList": [{"pageId": "9", "cellIndex": "9"}]}, {"index": "1", "CellList":
            [{"pageId": "9", "cellIndex": "9"}]}, {"index": 5, "CellList": [{"posIndex": 0, "pageId": "1", "cellIndex": "10",
            "typeFlag": 0}, {"posIndex": 1, "pageId": "2", "cellIndex": "11"}, {"posIndex": 2, "pageId": "1", "cellIndex": "1002",
            "typeFlag": 1}]}, {"index": 7, "CellList": [{"pageId": 1, "cellIndex": 10}]}]})");
        QCOMPARE(m_json->getTablePartCellPageId(partIndex, posIndex) + '.' + m_json->getTablePartCellIndex(partIndex, posIndex)
                 + '/' + QString::number(m_json->getTablePartCellTypeFlag(partIndex, posIndex)), cell);
    }

    // The first part of every view always exists and is never announced.
    void partsAndSettingsAreRead()
    {
        load(R"({"TableParts": [{"index": 0, "allTotalData": 9000, "cellMaxData": 2500.5, "gt1_checked": true,
                "wm1_checked": true, "horizontalSlider_value": 3},
                {"index": 1, "name": "one", "horizontalSlider_value": 3.5}],
            "PlanParts": [{"index": 0}, {"index": 2, "name": "two", "planPic": "site.png", "narrow": true, "cellHeight": 40,
                "celllWidth": 80.5, "x": -12.5, "y": 30, "scale": 1.25, "CellList": [{"x": 10, "y": -20, "z": 4}]}],
            "LinePlotParts": [{"index": 0, "yHigh": 5000, "yHigl": -100, "time": "60", "Line_width": 2},
                {"index": 4, "name": "four", "CellList": [{"pageId": "20", "cellIndex": "7"}]}],
            "Setting": {"saveStartBool": true, "saveTimeIndex": 2, "mediaOpen": true, "log": "a"},
            "TableSet": {"rect3": 1, "rect4": 0, "rect7": 1, "rect8": 1, "rect10": 2.5, "rect5": 1, "rect6": 0}})");
        MyJson *j = m_json.get();
        QSignalSpy spy[] = {{j, &MyJson::upLoadTablePartSignal}, {j, &MyJson::upLoadPlanPartSignal},
                            {j, &MyJson::upLoadLinePlotPartSignal}, {j, &MyJson::upLoadBarChartPartSetSignal},
                            {j, &MyJson::upLoadPlanPartSetSignal}, {j, &MyJson::UpLoadLpPlotSetSignal},
                            {j, &MyJson::upLoadSetPartSetSignal}, {j, &MyJson::upLoadTableSetPartSetSignal}};
        m_json->readTableParts();
        m_json->readPlanParts();
        m_json->readLinePlotParts();
        QCOMPARE((QList<QList<QVariantList>>{spy[0], spy[1], spy[2]}), (QList<QList<QVariantList>>{{{1.0, "one"}},
                                                                           {{2.0, "two"}}, {{4.0, "four"}}}));
        for (const double part : QList<double>{0, 1, 2, 4}) {
            m_json->getBarChartPartSet(part);
            m_json->getPlanPartSet(part);
            m_json->getLinePlotPartYHigh(part);
        }
        m_json->getSetPart();
        m_json->getTableSetPart();
        QCOMPARE(QList<QVariantList>(spy[3]), (QList<QVariantList>{{0.0, 9000.0, 2500.5, true, false, false, true, false, 3},
                                                                   {1.0, 0.0, 0.0, false, false, false, false, false, 0}}));
        QCOMPARE(QList<QVariantList>(spy[4]), (QList<QVariantList>{{0.0, QString(), false, 0.0, 0.0, 0.0, 0.0, 0.0},
                                                                   {2.0, "site.png", true, 40.0, 80.5, -12.5, 30.0, 1.25}}));
        QCOMPARE(QList<QVariantList>(spy[5]), (QList<QVariantList>{{0.0, 5000.0, -100.0, "60", 2}, {4.0, 0.0, 0.0, QString(), 0}}));
        QCOMPARE(QList<QVariantList>(spy[6]) + QList<QVariantList>(spy[7]),
                 (QList<QVariantList>{{true, 2.0, true}, {1, 0, 1, 1, 0, 1, 0}}));
        QCOMPARE(m_json->setPartKeys(), (QStringList{"log", "mediaOpen", "saveStartBool", "saveTimeIndex"}));
        QCOMPARE((QVariantList{m_json->getPlanPartCellX(2, 0), m_json->getPlanPartCellY(2, 0), m_json->getPlanPartCellZ(2, 0),
                               m_json->getLinePlotPartCellPageId(4, 0), m_json->getLinePlotPartCellIndex(4, 0)}),
                 (QVariantList{10, -20, 4, "20", "7"}));
    }

    void removeTablePartTouchesOnlyTheDocument()
    {
        QCOMPARE(m_json->setPartKeys(), QStringList()); // unlike the signal's defaults
        m_json->saveTableParts(0, "part 0");
        m_json->saveTableParts(3, "three");
        m_json->saveTablePartCell(3, 0, "1", "1", 0);
        save();
        m_json->removeTablePart(0);
        m_json->removeTablePart(9);
        QCOMPARE(m_json->document()["TableParts"].toArray(), QJsonArray{object(R"({"index": 3, "name": "three",
            "CellList": [{"posIndex": 0, "pageId": "1", "cellIndex": "1", "typeFlag": 0}]})")});
        // The pending list still holds the part; the next save rebuilds the list.
        QCOMPARE(save()["TableParts"].toArray().size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestMyJson)
#include "tst_myjson.moc"
