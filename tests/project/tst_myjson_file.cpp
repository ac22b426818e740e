#include "core/weightingcelldata.h"
#include "core/weightingdata.h"
#include "project/myjson.h"
#include "project/projectdocument.h"
#include "project/projectfile.h"
#include "tests/project/dacoverride.h"
#include "tests/project/ownedpages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QJsonObject object(const QByteArray &json) { return QJsonDocument::fromJson(json).object(); }
QByteArray compact(const QJsonObject &o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }
QByteArray compact(const QByteArray &json) { return compact(object(json)); }

// A record's stored members as one text, so a failure shows them all.
QByteArray fields(const WeightingCellData *r)
{
    return compact(QJsonObject{{"name", r->name()}, {"type", r->type()}, {"groupId", r->groupId()},
                               {"typeFlag", r->typeFlag()}, {"minErr", r->minErrData()}, {"minWarn", r->minWarnData()},
                               {"maxWarn", r->maxWarnData()}, {"maxErr", r->maxErrData()}, {"peel", r->peel()},
                               {"peelEnable", r->peelEnable()}, {"bleAddress", r->bleAddress()},
                               {"idIsErr", r->idIsErr()}});
}

QByteArray projectText(const QByteArray &cells, const QByteArray &groups = "[]")
{
    return R"({"WeightingControlParent": {"Number": 1, "WeightingControl": {"CELL DATA": )" + cells
        + R"(, "GROUP DATA": )" + groups + "}}}";
}

} // namespace

class TestMyJsonFile : public QObject
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
    // "page.slot" of every record read; groups too when `upTo` takes them in.
    QStringList loaded(int upTo = WeightingData::CellSlotCount) const
    {
        QStringList result;
        for (int p = 0; p < PageSource::PageCount; ++p)
            for (int i = 0; m_pages->page(p) && i < upTo; ++i)
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
        QVERIFY(m_json->writeProjectFile(m_file));
        QCOMPARE(compact(written()), compact(R"({"TableParts": [], "PlanParts": [], "LinePlotParts": [],
            "Setting": {}, "TableSet": {}, "WeightingControlParent": {"Number": 1, "WeightingControl": {"index": 1,
            "GROUP DATA": [], "CELL DATA": [{"pageId": 1, "index": 0, "groupId": 0, "typeFlag": 0, "name": "ALL LOAD",
            "type": "ALL LOAD", "minWarn": 20, "maxWarn": 4000.5, "minErr": 10, "maxErr": 5000, "peel": 0,
            "peelEnable": false}, {"pageId": 1, "index": 1, "groupId": 0, "typeFlag": 0, "name": "CZ 1.1",
            "type": "2000kg", "minWarn": 20, "maxWarn": 4000.5, "minErr": 10, "maxErr": 5000, "peel": 0,
            "peelEnable": false}]}}})"));
        QCOMPARE(m_json->document(), written());
    }

    // An existing record keeps its name, the last of two group entries wins,
    // Bluetooth keys belong to page 20 only, unknown members outside the
    // records survive a save.
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
        QCOMPARE(loaded(WeightingData::SlotCount), (QStringList{"1.3", "1.1003", "20.999"}));

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
        QCOMPARE(cells.at(1)["bleAddress"].toString(), QStringLiteral("00:80:E1:26:AB:CD"));
        QCOMPARE(cells.at(1)["idIsErr"].toBool(), true);
    }

    // Members are pinned by the tests above; this one takes every page and slot
    // boundary and fractional values (tares and thresholds set in LB).
    void everyPageAndSlotSurvivesSaveAndReload()
    {
        const QList<QPair<int, int>> cells{{0, 0}, {0, 1000}, {1, 101}, {5, 500}, {19, 1000}, {20, 0}, {20, 1000}};
        for (const auto &[page, index] : cells) {
            WeightingCellData *r = m_pages->ensurePage(page)->createCell(page, index);
            r->setName(QStringLiteral("N%1").arg(index));
            r->setGroupId(index % 19 + 1);
            r->setMaxWarnData(index + 3.25);
            r->setPeel(page / 2.20462262185);
            r->setBleAddress(page == 20 ? QStringLiteral("00:80:E1:26:00:%1").arg(index % 100) : QString());
        }
        WeightingCellData *lastGroup = m_pages->ensurePage(1)->createGroup(19);
        lastGroup->setMinWarnData(200 / 2.20462262185);
        QVERIFY(m_json->writeProjectFile(m_file));

        OwnedPages reloaded;
        MyJson reader;
        reader.setPages(&reloaded);
        QVERIFY(!reader.readProjectFile(m_file).damaged);
        for (const auto &[page, index] : cells) {
            const WeightingCellData *b = reloaded.page(page) ? reloaded.page(page)->cell(index) : nullptr;
            QVERIFY2(b, qPrintable(QStringLiteral("cell %1.%2 lost").arg(page).arg(index)));
            QCOMPARE(fields(b), fields(m_pages->page(page)->cell(index)));
        }
        QCOMPARE(fields(reloaded.page(1)->group(19)), fields(lastGroup));
        for (int p = 2; p < PageSource::PageCount; ++p)
            QCOMPARE(reloaded.page(p) != nullptr, p == 5 || p == 19 || p == 20);
    }

    void entriesOutsideTablesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("cells");
        QTest::addColumn<QByteArray>("groups");
        const QByteArray kept = R"([{"pageId": 1, "index": 1})";
        QTest::newRow("page 21") << kept + R"(, {"pageId": 21, "index": 1}])" << QByteArray("[]");
        QTest::newRow("page -1") << kept + R"(, {"pageId": -1, "index": 1}])" << QByteArray("[]");
        QTest::newRow("index 1001") << kept + R"(, {"pageId": 3, "index": 1001}])" << QByteArray("[]");
        QTest::newRow("index -1") << kept + R"(, {"pageId": 3, "index": -1}])" << QByteArray("[]");
        QTest::newRow("group 0") << kept + "]" << QByteArray(R"([{"index": 1001}])");
        QTest::newRow("group index 1021") << kept + "]" << QByteArray(R"([{"index": 1021}])");
        QTest::newRow("group index of a cell") << kept + "]" << QByteArray(R"([{"index": 5}])");
        QTest::newRow("groups without page 1") << QByteArray(R"([{"pageId": 2, "index": 1}])")
                                               << QByteArray(R"([{"index": 1002}])");
    }
    void entriesOutsideTablesAreSkipped()
    {
        QFETCH(QByteArray, cells);
        QFETCH(QByteArray, groups);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: (cell|group) entry"));
        load(projectText(cells, groups));
        QCOMPARE(loaded(WeightingData::SlotCount).size(), 1);
        QVERIFY(loaded().first().endsWith(".1"));
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        const QByteArray valid = projectText(R"([{"pageId": 1, "index": 0, "name": "ALL LOAD"}])");
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << "file";
        QTest::newRow("binary") << QByteArray("\x00\xff{\x80\"", 5) << "file";
        QTest::newRow("top level is an array") << QByteArray("[1, 2, 3]\n") << "file";
        QTest::newRow("unreadable") << valid << "unreadable";
        QTest::newRow("folder in its place") << QByteArray() << "folder";
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        if (kind == "folder")
            QVERIFY(QDir().mkpath(m_file + "/inside"));
        else
            QVERIFY(writeBytes(m_file, content));
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(m_file, QFileDevice::WriteOwner));
        MyJson::ReadOutcome outcome;
        {
            WithoutDacOverride unprivileged;
            outcome = m_json->readProjectFile(m_file);
        }
        QVERIFY(outcome.damaged);
        QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(m_file) + "\\.damaged-\\d{8}-\\d{6}$")
                     .match(outcome.keptAs).hasMatch(), qPrintable(outcome.keptAs));
        QVERIFY(m_json->document().isEmpty());
        QVERIFY(loaded(WeightingData::SlotCount).isEmpty());
        QFile::setPermissions(outcome.keptAs, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (kind == "folder")
            QVERIFY(QFileInfo(outcome.keptAs + "/inside").isDir());
        else
            QCOMPARE(readBytes(outcome.keptAs), content);
        if (kind == "file")
            QCOMPARE(readBytes(m_file), content);

        // The next save writes the project and leaves the kept file alone.
        QVERIFY(m_json->writeProjectFile(m_file));
        QVERIFY(!ProjectDocument::parse(readBytes(m_file)).damaged());
        if (kind != "folder")
            QCOMPARE(readBytes(outcome.keptAs), content);
        // A file kept aside in the same second gets a name of its own.
        const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 9));
        QCOMPARE(ProjectFile::keepAside(m_file, when), m_file + ".damaged-20240506-070809");
        QVERIFY(writeBytes(m_file, "second"));
        QCOMPARE(ProjectFile::keepAside(m_file, when), m_file + ".damaged-20240506-070809-2");
        QCOMPARE(readBytes(m_file + ".damaged-20240506-070809-2"), QByteArray("second"));
    }

    void mistypedMemberReadsAsEmpty_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("tableParts");
        const QByteArray cells = R"([{"pageId": 1, "index": 0}, {"pageId": 1, "index": 1}])";
        const QByteArray part = R"({"index": 0, "name": "main", "CellList": []})";
        const QByteArray control = R"("WeightingControlParent": {"WeightingControl": {"CELL DATA": )" + cells + "}}";
        const QStringList both{"1.0", "1.1"};
        QTest::newRow("setting is an array") << "{\"Setting\": [], " + control + "}" << both << 0;
        QTest::newRow("configuration is an array")
            << QByteArray(R"({"WeightingControlParent": [], "TableParts": [)" + part + "]}") << QStringList() << 1;
        QTest::newRow("cell data is an object") << projectText("{}") << QStringList() << 0;
        QTest::newRow("one cell entry is a number")
            << projectText(R"([{"pageId": 1, "index": 0}, 7, {"pageId": 1, "index": 1}])") << both << 0;
        QTest::newRow("one group entry is text")
            << projectText(cells, R"(["g", {"index": 1002}])") << QStringList{"1.0", "1.1", "1.1002"} << 0;
        QTest::newRow("table parts is an object") << "{\"TableParts\": " + part + ", " + control + "}" << both << 0;
        QTest::newRow("one table part is a number") << "{\"TableParts\": [3, " + part + "], " + control + "}"
                                                    << both << 1;
    }
    void mistypedMemberReadsAsEmpty()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, records);
        QFETCH(int, tableParts);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^project file .* - read as empty: "));
        load(content);
        QCOMPARE(loaded(WeightingData::SlotCount), records);
        QCOMPARE(m_json->document().value("TableParts").toArray().size(), tableParts);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"p.VORNPRO"});
        // The next save writes every known member in its own type.
        QVERIFY(m_json->writeProjectFile(m_file));
        QVERIFY(written()["Setting"].isObject() && written()["TableSet"].isObject());
        QVERIFY(written()["TableParts"].isArray());
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<int>("room"); // bytes the disk takes, 0: no limit
        QTest::addColumn<bool>("saved");
        QTest::newRow("writable folder: through a temporary file") << true << true << 0 << true;
        QTest::newRow("folder takes no new file: in place") << false << true << 0 << true;
        QTest::newRow("nothing writable") << false << false << 0 << false;
        QTest::newRow("disk full at once") << true << true << 16 << false;
        QTest::newRow("disk full part way") << true << true << 200 << false;
    }
    void failedSaveKeepsOldFile()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);
        QFETCH(int, room);
        QFETCH(bool, saved);
        const QString folder = m_dir->filePath("f");
        const QString file = folder + "/p.VORNPRO";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(m_json->createProjectFile(file, 1, QStringLiteral("t"), 0, 5000, 0, 4000));
        const QByteArray before = readBytes(file);
        QVERIFY(!m_json->readProjectFile(file).damaged);
        m_pages->page(1)->cell(1)->setName(QStringLiteral("renamed"));

        const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        const QFileDevice::Permissions writable = readOnly | QFileDevice::WriteOwner;
        QVERIFY(QFile::setPermissions(file, fileWritable ? writable : QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, folderWritable ? writable : readOnly));
        rlimit unlimited{}, limit{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        limit = unlimited;
        limit.rlim_cur = room ? rlim_t(room) : unlimited.rlim_cur;
        if (!saved)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: (cannot write|save of .* failed)"));
        bool written = !saved;
        {
            WithoutDacOverride unprivileged;
            setrlimit(RLIMIT_FSIZE, &limit);
            written = m_json->writeProjectFile(file);
            setrlimit(RLIMIT_FSIZE, &unlimited);
        }
        QVERIFY(QFile::setPermissions(folder, writable));
        QVERIFY(QFile::setPermissions(file, writable));
        QCOMPARE(written, saved);
        QCOMPARE(readBytes(file).contains("renamed"), saved);
        if (!saved)
            QCOMPARE(readBytes(file), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"p.VORNPRO"});
    }

    // Reading another project replaces what the previous one held; a save
    // without pages leaves the stored cells alone.
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
        QCOMPARE(written()["Setting"].toObject(), QJsonObject());
        QCOMPARE(written()["TableSet"].toObject(), QJsonObject());
        QCOMPARE(written()["WeightingControlParent"], created);

        QVERIFY(!json.readProjectFile(a).damaged);
        json.saveSetParts(false, 2, true);
        QVERIFY(json.writeProjectFile(a));
        QCOMPARE(object(readBytes(a))["Setting"].toObject(), object(R"({"log": "site A, later", "mediaOpen": true,
            "saveStartBool": false, "saveTimeIndex": 2})"));
    }
};

QTEST_GUILESS_MAIN(TestMyJsonFile)
#include "tst_myjson_file.moc"
