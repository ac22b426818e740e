#include "core/weightingcelldata.h"
#include "core/weightingdata.h"
#include "project/myjson.h"
#include "project/projectdocument.h"
#include "project/projectfile.h"
#include "tests/project/dacoverride.h"
#include "tests/project/ownedpages.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

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

const QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

const QJsonObject fileObject(const QString &path)
{
    return object(readBytes(path));
}

// The stored members of a record as compact JSON text (sorted keys), so a
// record compares as a whole and a failure shows every member.
QByteArray fields(const WeightingCellData *r)
{
    return QJsonDocument(QJsonObject{{"name", r->name()}, {"type", r->type()}, {"groupId", r->groupId()},
                                     {"typeFlag", r->typeFlag()}, {"minErr", r->minErrData()},
                                     {"minWarn", r->minWarnData()}, {"maxWarn", r->maxWarnData()},
                                     {"maxErr", r->maxErrData()}, {"peel", r->peel()},
                                     {"peelEnable", r->peelEnable()}, {"bleAddress", r->bleAddress()},
                                     {"idIsErr", r->idIsErr()}})
        .toJson(QJsonDocument::Compact);
}

QByteArray compact(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact);
}

// A project file holding the given cell and group entries.
QByteArray projectText(const QByteArray &cells, const QByteArray &groups = "[]")
{
    return R"({"WeightingControlParent": {"Number": 1, "WeightingControl": {"CELL DATA": )" + cells
        + R"(, "GROUP DATA": )" + groups + "}}}";
}

const char kCreatedEmpty[] = R"({
    "WeightingControlParent": {
        "Number": 1,
        "WeightingControl": {
            "CELL DATA": [
                {
                    "index": 0,
                    "maxErr": 5000,
                    "maxWarn": 4000,
                    "minErr": 0,
                    "minWarn": 0,
                    "name": "ALL LOAD",
                    "pageId": 1,
                    "type": "ALL LOAD"
                }
            ],
            "index": 1,
            "part": {
                "part 0": {
                    "name": "part 0",
                    "part children": [
                        {
                            "index": 0,
                            "pageId": 1
                        }
                    ],
                    "partIndex": 0
                }
            }
        }
    }
}
)";

// Restores the file size limit and SIGXFSZ handling of the test process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

class TestMyJsonFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void createdDocumentText();
    void createdDocumentWithCells();
    void readThenWriteGivesCompleteDocument();
    void tareReadsAsNumber_data();
    void tareReadsAsNumber();
    void existingRecordKeepsName();
    void laterGroupEntryReplacesEarlier();
    void wirelessKeysOnlyOnPage20();
    void unknownMembers();
    void everyPageAndSlotSurvivesSaveAndReload();
    void writeWithoutPagesLeavesConfiguration();
    void entriesOutsideTablesAreSkipped_data();
    void entriesOutsideTablesAreSkipped();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void mistypedMemberReadsAsEmpty_data();
    void mistypedMemberReadsAsEmpty();
    void keptAsideNamesNeverCollide();
    void saveInPlaceOnlyWhereNoTemporaryFileFits_data();
    void saveInPlaceOnlyWhereNoTemporaryFileFits();
    void interruptedSaveKeepsOldFile_data();
    void interruptedSaveKeepsOldFile();
    void settingsDoNotLeakBetweenProjects();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Writes the project file with the given text and reads it into m_pages.
    void load(const QByteArray &text)
    {
        QVERIFY(writeBytes(m_file, text));
        QVERIFY(!m_json->readProjectFile(m_file).damaged);
    }
    QJsonObject writtenControl() const
    {
        return fileObject(m_file)["WeightingControlParent"]["WeightingControl"].toObject();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<OwnedPages> m_pages;
    std::unique_ptr<MyJson> m_json;
    QString m_file;
};

void TestMyJsonFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_file = path("p.VORNPRO");
    m_pages = std::make_unique<OwnedPages>();
    m_json = std::make_unique<MyJson>();
    m_json->setPages(m_pages.get());
}

void TestMyJsonFile::createdDocumentText()
{
    QVERIFY(m_json->createProjectFile(m_file, 0, QStringLiteral("2000kg"), 0, 5000, 0, 4000));
    QCOMPARE(QString::fromUtf8(readBytes(m_file)), QString::fromUtf8(kCreatedEmpty));
    QVERIFY(m_json->document().isEmpty());
}

void TestMyJsonFile::createdDocumentWithCells()
{
    m_json->saveTableParts(0, QStringLiteral("pending"));
    QVERIFY(m_json->createProjectFile(m_file, 3, QStringLiteral("2000kg"), 10, 5000, 20, 4000.5));

    const QJsonObject control = writtenControl();
    QCOMPARE(control.keys(), (QStringList{"CELL DATA", "index", "part"}));
    const QJsonArray cells = control.value("CELL DATA").toArray();
    QCOMPARE(cells.size(), 4);
    QCOMPARE(cells.at(0).toObject(), object(R"({"pageId": 1, "index": 0, "name": "ALL LOAD", "type": "ALL LOAD",
        "minErr": 10, "maxErr": 5000, "minWarn": 20, "maxWarn": 4000.5})"));
    for (int i = 1; i <= 3; ++i) {
        QCOMPARE(cells.at(i).toObject(),
                 object(QStringLiteral(R"({"pageId": 1, "index": %1, "name": "CZ 1.%1", "type": "2000kg",
                    "groupId": 0, "typeFlag": 0, "minErr": 10, "maxErr": 5000, "minWarn": 20, "maxWarn": 4000.5})")
                            .arg(i)
                            .toUtf8()));
    }
    QCOMPARE(control.value("part").toObject(), object(R"({"part 0": {"partIndex": 0, "name": "part 0",
        "part children": [{"pageId": 1, "index": 0}, {"pageId": 1, "index": 1}, {"pageId": 1, "index": 2},
                          {"pageId": 1, "index": 3}]}})"));
}

void TestMyJsonFile::readThenWriteGivesCompleteDocument()
{
    QVERIFY(m_json->createProjectFile(m_file, 0, QStringLiteral("2000kg"), 0, 5000, 0, 4000));
    QVERIFY(!m_json->readProjectFile(m_file).damaged);
    QVERIFY(m_json->writeProjectFile(m_file));

    const QJsonObject written = fileObject(m_file);
    QCOMPARE(QJsonDocument(written).toJson(QJsonDocument::Compact), compact(R"({"TableParts": [], "PlanParts": [],
        "LinePlotParts": [], "Setting": {}, "TableSet": {}, "WeightingControlParent": {"Number": 1, "WeightingControl": {
        "index": 1, "GROUP DATA": [], "CELL DATA": [{"pageId": 1, "index": 0, "groupId": 0, "typeFlag": 0,
        "name": "ALL LOAD", "type": "ALL LOAD", "minWarn": 0, "maxWarn": 4000, "minErr": 0, "maxErr": 5000,
        "peel": 0, "peelEnable": false}]}}})"));
    QCOMPARE(m_json->document(), written);
    QVERIFY(readBytes(m_file).endsWith("}\n"));
}

void TestMyJsonFile::tareReadsAsNumber_data()
{
    QTest::addColumn<QByteArray>("peel");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << QByteArray("3") << 3.0;
    QTest::newRow("negative") << QByteArray("-4") << -4.0;
    // A tare typed in LB is a fractional kg.
    QTest::newRow("fraction") << QByteArray("45.359237") << 45.359237;
    QTest::newRow("largest int") << QByteArray("2147483647") << 2147483647.0;
    QTest::newRow("smallest int") << QByteArray("-2147483648") << -2147483648.0;
    QTest::newRow("beyond int") << QByteArray("1e12") << 1e12;
    QTest::newRow("text") << QByteArray("\"3\"") << 0.0;
    QTest::newRow("boolean") << QByteArray("true") << 0.0;
    QTest::newRow("null") << QByteArray("null") << 0.0;
    QTest::newRow("missing") << QByteArray() << 0.0;
}

void TestMyJsonFile::tareReadsAsNumber()
{
    QFETCH(QByteArray, peel);
    QFETCH(double, expected);
    load(projectText(R"([{"pageId": 2, "index": 4, "name": "x", "peelEnable": true)"
                     + (peel.isNull() ? QByteArray() : R"(, "peel": )" + peel) + "}]"));
    const WeightingCellData *record = m_pages->page(2)->cell(4);
    QVERIFY(record);
    QCOMPARE(record->peel(), expected);
    QVERIFY(record->peelEnable());
}

void TestMyJsonFile::existingRecordKeepsName()
{
    WeightingCellData *mine = m_pages->ensurePage(1)->createCell(1, 3);
    mine->setName(QStringLiteral("Mine"));
    load(projectText(R"([{"pageId": 1, "index": 3, "name": "Theirs", "type": "T",
        "minWarn": 100, "maxWarn": 800, "minErr": 50, "maxErr": 900.5, "groupId": 2, "peel": 7, "peelEnable": true}])"));
    QCOMPARE(m_pages->page(1)->cell(3), mine);
    QCOMPARE(fields(mine), compact(R"({"name": "Mine", "type": "T", "minWarn": 100, "maxWarn": 800, "minErr": 50,
        "maxErr": 900.5, "groupId": 2, "peel": 7, "peelEnable": true, "typeFlag": 0, "bleAddress": "",
        "idIsErr": false})"));
}

void TestMyJsonFile::laterGroupEntryReplacesEarlier()
{
    load(projectText(R"([{"pageId": 1, "index": 0, "name": "ALL LOAD"}])",
                     R"([{"index": 1003, "name": "A", "maxErr": 100, "typeFlag": 1},
                         {"index": 1003, "name": "B", "type": "G", "maxErr": 700, "maxWarn": 650.5,
                          "minWarn": 10, "minErr": 5, "typeFlag": 1, "groupId": 9}])"));
    const WeightingCellData *group = m_pages->page(1)->group(2);
    QVERIFY(group);
    QCOMPARE(group->index(), 1003);
    QCOMPARE(fields(group), compact(R"({"name": "B", "type": "G", "maxErr": 700, "maxWarn": 650.5, "minWarn": 10,
        "minErr": 5, "typeFlag": 1, "groupId": 0, "peel": 0, "peelEnable": false, "bleAddress": "",
        "idIsErr": false})"));
    for (int g = 0; g < WeightingData::GroupCount; ++g)
        QCOMPARE(m_pages->page(1)->group(g) != nullptr, g == 2);

    QVERIFY(m_json->writeProjectFile(m_file));
    const QJsonArray groups = writtenControl()["GROUP DATA"].toArray();
    QCOMPARE(groups.size(), 1);
    QCOMPARE(groups.at(0).toObject(), object(R"({"index": 1003, "groupId": 0, "typeFlag": 1, "name": "B",
        "type": "G", "minWarn": 10, "maxWarn": 650.5, "minErr": 5, "maxErr": 700})"));
}

void TestMyJsonFile::wirelessKeysOnlyOnPage20()
{
    load(projectText(R"([
        {"pageId": 1, "index": 2, "name": "hub", "bleAddress": "00:80:E1:26:00:01", "idIsErr": true},
        {"pageId": 20, "index": 999, "name": "ble", "bleAddress": "00:80:E1:26:AB:CD", "idIsErr": true}])"));
    QCOMPARE(m_pages->page(1)->cell(2)->bleAddress(), QString());
    QVERIFY(!m_pages->page(1)->cell(2)->idIsErr());
    QCOMPARE(m_pages->page(20)->cell(999)->bleAddress(), QStringLiteral("00:80:E1:26:AB:CD"));
    QVERIFY(m_pages->page(20)->cell(999)->idIsErr());

    QVERIFY(m_json->writeProjectFile(m_file));
    const QJsonObject control = writtenControl();
    const QJsonArray cells = control["CELL DATA"].toArray();
    QCOMPARE(cells.size(), 2);
    QVERIFY(!cells.at(0).toObject().contains("bleAddress"));
    QVERIFY(!cells.at(0).toObject().contains("idIsErr"));
    QCOMPARE(cells.at(1)["bleAddress"].toString(), QStringLiteral("00:80:E1:26:AB:CD"));
    QCOMPARE(cells.at(1)["idIsErr"].toBool(), true);
    QCOMPARE(control["index"].toInt(), 20);
}

void TestMyJsonFile::unknownMembers()
{
    load(R"({"Custom": {"site": "north", "n": [1, 2]},
        "WeightingControlParent": {"Number": 1, "Extra": 5, "WeightingControl": {"index": 1, "extra": true,
            "part": {"part 0": {}}, "CELL DATA": [{"pageId": 1, "index": 0, "name": "ALL LOAD"}]}}})");
    QVERIFY(m_json->writeProjectFile(m_file));
    const QJsonObject written = fileObject(m_file);
    QCOMPARE(written["Custom"].toObject(), object(R"({"site": "north", "n": [1, 2]})"));
    QCOMPARE(written["WeightingControlParent"].toObject().keys(), (QStringList{"Number", "WeightingControl"}));
    QCOMPARE(writtenControl().keys(), (QStringList{"CELL DATA", "GROUP DATA", "index"}));
}

void TestMyJsonFile::everyPageAndSlotSurvivesSaveAndReload()
{
    struct Cell
    {
        int page;
        int index;
    };
    const QList<Cell> cells{{0, 0}, {0, 1000}, {1, 0}, {1, 101}, {5, 500}, {19, 1000}, {20, 0}, {20, 1000}};
    for (const Cell &c : cells) {
        WeightingCellData *record = m_pages->ensurePage(c.page)->createCell(c.page, c.index);
        record->setName(QStringLiteral("N%1-%2").arg(c.page).arg(c.index));
        record->setType(QStringLiteral("T%1").arg(c.index));
        record->setGroupId(c.index % 19 + 1);
        record->setMinErrData(c.index + 1);
        record->setMinWarnData(c.index + 2);
        record->setMaxWarnData(c.index + 3.25);
        record->setMaxErrData(c.index + 4);
        // Tares set in LB are fractional kg.
        record->setPeel(c.page / 2.20462262185);
        record->setPeelEnable(c.index % 2 == 0);
        record->setBleAddress(QStringLiteral("00:80:E1:26:00:%1").arg(c.page));
    }
    WeightingCellData *lastGroup = m_pages->page(1)->createGroup(19);
    lastGroup->setName(QStringLiteral("last group"));
    // Group thresholds set in LB, as the percentage pass leaves them.
    lastGroup->setMinErrData(100 / 2.20462262185);
    lastGroup->setMinWarnData(200 / 2.20462262185);
    lastGroup->setMaxWarnData(4000 / 2.20462262185);
    lastGroup->setMaxErrData(5000 / 2.20462262185);

    QVERIFY(m_json->writeProjectFile(m_file));
    QCOMPARE(writtenControl()["index"].toInt(), 20);

    OwnedPages reloaded;
    MyJson reader;
    reader.setPages(&reloaded);
    QVERIFY(!reader.readProjectFile(m_file).damaged);
    for (const Cell &c : cells) {
        WeightingCellData *a = m_pages->page(c.page)->cell(c.index);
        const WeightingCellData *b = reloaded.page(c.page) ? reloaded.page(c.page)->cell(c.index) : nullptr;
        QVERIFY2(b, qPrintable(QStringLiteral("cell %1.%2 lost").arg(c.page).arg(c.index)));
        if (c.page != 20)
            a->setBleAddress(QString());
        QCOMPARE(fields(b), fields(a));
    }
    QCOMPARE(fields(reloaded.page(1)->group(19)), fields(lastGroup));
    for (int p = 2; p < PageSource::PageCount; ++p)
        QCOMPARE(reloaded.page(p) != nullptr, p == 5 || p == 19 || p == 20);
}

void TestMyJsonFile::writeWithoutPagesLeavesConfiguration()
{
    QVERIFY(m_json->createProjectFile(m_file, 2, QStringLiteral("t"), 0, 5000, 0, 4000));
    const QJsonObject created = fileObject(m_file);

    MyJson json;
    QVERIFY(!json.readProjectFile(m_file).damaged);
    json.saveTableParts(0, QStringLiteral("part 0"));
    QVERIFY(json.writeProjectFile(m_file));
    const QJsonObject written = fileObject(m_file);
    QCOMPARE(written["WeightingControlParent"], created["WeightingControlParent"]);
    QCOMPARE(written["TableParts"].toArray().size(), 1);
}

void TestMyJsonFile::entriesOutsideTablesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QByteArray>("groups");
    QTest::addColumn<QString>("skipped");

    const QByteArray page1 = R"({"pageId": 1, "index": 1, "name": "kept"})";
    const QByteArray page2 = R"({"pageId": 2, "index": 1, "name": "kept"})";
    QTest::newRow("page 21") << "[" + page1 + R"(, {"pageId": 21, "index": 1, "name": "x"}])" << QByteArray("[]")
                             << "cell entry";
    QTest::newRow("page -1") << "[" + page1 + R"(, {"pageId": -1, "index": 1, "name": "x"}])" << QByteArray("[]")
                             << "cell entry";
    QTest::newRow("index 1001") << "[" + page1 + R"(, {"pageId": 3, "index": 1001, "name": "x"}])"
                                << QByteArray("[]") << "cell entry";
    QTest::newRow("index -1") << "[" + page1 + R"(, {"pageId": 3, "index": -1, "name": "x"}])" << QByteArray("[]")
                              << "cell entry";
    QTest::newRow("group 0") << "[" + page1 + "]" << QByteArray(R"([{"index": 1001, "name": "g0"}])")
                             << "group entry";
    QTest::newRow("group index 1021") << "[" + page1 + "]" << QByteArray(R"([{"index": 1021, "name": "g"}])")
                                      << "group entry";
    QTest::newRow("group index of a cell") << "[" + page1 + "]" << QByteArray(R"([{"index": 5, "name": "g"}])")
                                           << "group entry";
    QTest::newRow("groups without page 1") << "[" + page2 + "]"
                                           << QByteArray(R"([{"index": 1002, "name": "g1"}])") << "group entry";
}

void TestMyJsonFile::entriesOutsideTablesAreSkipped()
{
    QFETCH(QByteArray, cells);
    QFETCH(QByteArray, groups);
    QFETCH(QString, skipped);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^project file: %1").arg(skipped)));
    load(projectText(cells, groups));

    int records = 0;
    for (int p = 0; p < PageSource::PageCount; ++p) {
        if (!m_pages->page(p))
            continue;
        for (int i = 0; i < WeightingData::SlotCount; ++i) {
            if (const WeightingCellData *record = m_pages->page(p)->cell(i)) {
                ++records;
                QCOMPARE(record->name(), QStringLiteral("kept"));
            }
        }
    }
    QCOMPARE(records, 1);
}

void TestMyJsonFile::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kind");

    QByteArray valid = projectText(R"([{"pageId": 1, "index": 0, "name": "ALL LOAD"},
                                       {"pageId": 1, "index": 1, "name": "CZ 1.1"}])");
    QRandomGenerator random(20240506);
    QByteArray noise(4096, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(random.bounded(256));

    QTest::newRow("truncated") << valid.left(valid.size() / 2) << "file";
    QTest::newRow("random bytes") << noise << "file";
    QTest::newRow("empty") << QByteArray() << "file";
    QTest::newRow("top level is an array") << QByteArray("[1, 2, 3]\n") << "file";
    QTest::newRow("unreadable") << valid << "unreadable";
    QTest::newRow("folder in its place") << QByteArray() << "folder";
}

void TestMyJsonFile::damagedFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    const QString &file = m_file;
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(file + "/inside"));
    } else {
        QVERIFY(writeBytes(file, content));
        if (kind == "unreadable")
            QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
    }

    MyJson::ReadOutcome outcome;
    {
        WithoutDacOverride unprivileged;
        outcome = m_json->readProjectFile(file);
    }

    QVERIFY(outcome.damaged);
    QVERIFY2(QRegularExpression(QStringLiteral("^%1\\.damaged-\\d{8}-\\d{6}$")
                                    .arg(QRegularExpression::escape(file)))
                 .match(outcome.keptAs)
                 .hasMatch(),
             qPrintable(outcome.keptAs));
    QVERIFY(m_json->document().isEmpty());
    for (int p = 0; p < PageSource::PageCount; ++p)
        QVERIFY(!m_pages->page(p));

    if (kind == "folder") {
        QVERIFY(QFileInfo(outcome.keptAs + "/inside").isDir());
    } else {
        QFile::setPermissions(outcome.keptAs, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readBytes(outcome.keptAs), content);
        if (kind == "file")
            QCOMPARE(readBytes(file), content);
    }

    // The next save writes the project and leaves the kept file alone.
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(m_json->writeProjectFile(file));
    QVERIFY(!ProjectDocument::parse(readBytes(file)).damaged());
    if (kind != "folder")
        QCOMPARE(readBytes(outcome.keptAs), content);
}

void TestMyJsonFile::mistypedMemberReadsAsEmpty_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("tableParts");
    QTest::addColumn<QString>("ignored");

    const QByteArray cells = R"([{"pageId": 1, "index": 0, "name": "ALL LOAD"}, {"pageId": 1, "index": 1, "name": "a"}])";
    const QByteArray group = R"({"index": 1002, "name": "g1"})";
    const QByteArray part = R"({"index": 0, "name": "main", "CellList": []})";
    const QByteArray configuration = R"("WeightingControlParent": {"WeightingControl": {"CELL DATA": )" + cells + "}}";
    const QStringList both{"1.0", "1.1"};

    QTest::newRow("setting is an array") << "{\"Setting\": [], " + configuration + "}" << both << 0 << 0
                                         << R"(^"Setting" is not an object$)";
    QTest::newRow("table set is text") << "{\"TableSet\": \"on\", " + configuration + "}" << both << 0 << 0
                                       << R"(^"TableSet" is not an object$)";
    QTest::newRow("configuration is an array") << QByteArray(R"({"WeightingControlParent": [], "TableParts": [)" + part + "]}")
                                               << QStringList() << 0 << 1 << R"(^"WeightingControlParent" is not an object$)";
    QTest::newRow("cell data is an object") << projectText("{}") << QStringList() << 0 << 0
                                            << R"(^"CELL DATA" is not an array$)";
    QTest::newRow("one cell entry is a number")
        << projectText(R"([{"pageId": 1, "index": 0}, 7, {"pageId": 1, "index": 1}])") << both << 0 << 0
        << R"(^1 element\(s\) of "CELL DATA" that are not objects$)";
    QTest::newRow("one group entry is text") << projectText(cells, "[\"g\", " + group + "]") << both << 1 << 0
                                             << R"(^1 element\(s\) of "GROUP DATA" that are not objects$)";
    QTest::newRow("table parts is an object") << "{\"TableParts\": " + part + ", " + configuration + "}" << both << 0
                                              << 0 << R"(^"TableParts" is not an array$)";
    QTest::newRow("one table part is a number") << "{\"TableParts\": [3, " + part + "], " + configuration + "}" << both
                                                << 0 << 1 << R"(^1 element\(s\) of "TableParts" that are not objects$)";
}

void TestMyJsonFile::mistypedMemberReadsAsEmpty()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, cells);
    QFETCH(int, groups);
    QFETCH(int, tableParts);
    QFETCH(QString, ignored);
    QVERIFY(writeBytes(m_file, content));

    const ProjectDocument::Parsed parsed = ProjectDocument::parse(content);
    QVERIFY(!parsed.damaged());
    QCOMPARE(parsed.ignored.size(), 1);
    QVERIFY2(QRegularExpression(ignored).match(parsed.ignored.first()).hasMatch(), qPrintable(parsed.ignored.first()));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^project file .* - read as empty: "));
    const MyJson::ReadOutcome outcome = m_json->readProjectFile(m_file);
    QVERIFY(!outcome.damaged);
    QStringList loaded;
    for (int p = 0; p < PageSource::PageCount; ++p) {
        for (int i = 0; m_pages->page(p) && i < WeightingData::CellSlotCount; ++i) {
            if (m_pages->page(p)->cell(i))
                loaded << QStringLiteral("%1.%2").arg(p).arg(i);
        }
    }
    QCOMPARE(loaded, cells);
    int loadedGroups = 0;
    for (int g = 1; m_pages->page(1) && g < WeightingData::GroupCount; ++g)
        loadedGroups += m_pages->page(1)->group(g) ? 1 : 0;
    QCOMPARE(loadedGroups, groups);
    QCOMPARE(m_json->document().value("TableParts").toArray().size(), tableParts);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"p.VORNPRO"});

    // The next save writes every known member in its own type.
    QVERIFY(m_json->writeProjectFile(m_file));
    const QJsonObject written = fileObject(m_file);
    QVERIFY(written.value("Setting").isObject());
    QVERIFY(written.value("TableSet").isObject());
    QVERIFY(written.value("TableParts").isArray());
}

void TestMyJsonFile::keptAsideNamesNeverCollide()
{
    const QString &file = m_file;
    const QDateTime when(QDate(2024, 5, 6), QTime(7, 8, 9));
    QVERIFY(writeBytes(file, "first"));
    QCOMPARE(ProjectFile::keepAside(file, when), file + ".damaged-20240506-070809");
    QVERIFY(writeBytes(file, "second"));
    QCOMPARE(ProjectFile::keepAside(file, when), file + ".damaged-20240506-070809-2");
    QCOMPARE(readBytes(file + ".damaged-20240506-070809"), QByteArray("first"));
    QCOMPARE(readBytes(file + ".damaged-20240506-070809-2"), QByteArray("second"));
}

void TestMyJsonFile::saveInPlaceOnlyWhereNoTemporaryFileFits_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("writable folder: through a temporary file") << true << true << true << false;
    QTest::newRow("folder takes no new file: in place") << false << true << true << true;
    QTest::newRow("nothing writable: old file kept") << false << false << false << true;
}

void TestMyJsonFile::saveInPlaceOnlyWhereNoTemporaryFileFits()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, fileWritable);
    QFETCH(bool, saved);
    QFETCH(bool, inPlace);
    const QString folder = path("f");
    const QString file = folder + "/p.VORNPRO";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(m_json->createProjectFile(file, 1, QStringLiteral("t"), 0, 5000, 0, 4000));
    const QByteArray before = readBytes(file);
    QVERIFY(!m_json->readProjectFile(file).damaged);
    m_pages->page(1)->cell(1)->setName(QStringLiteral("renamed"));
    struct stat original{};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &original), 0);

    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    const QFileDevice::Permissions writable = readOnly | QFileDevice::WriteOwner;
    QVERIFY(QFile::setPermissions(file, fileWritable ? writable : QFileDevice::ReadOwner));
    QVERIFY(QFile::setPermissions(folder, folderWritable ? writable : readOnly));
    bool written = !saved;
    {
        WithoutDacOverride unprivileged;
        if (!saved)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: cannot write"));
        written = m_json->writeProjectFile(file);
    }
    QVERIFY(QFile::setPermissions(folder, writable));
    QVERIFY(QFile::setPermissions(file, writable));

    QCOMPARE(written, saved);
    QCOMPARE(readBytes(file).contains("renamed"), saved);
    if (!saved)
        QCOMPARE(readBytes(file), before);
    struct stat after{};
    QCOMPARE(::stat(QFile::encodeName(file).constData(), &after), 0);
    QCOMPARE(after.st_ino == original.st_ino, inPlace);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"p.VORNPRO"});
}

void TestMyJsonFile::interruptedSaveKeepsOldFile_data()
{
    QTest::addColumn<int>("newCells");
    QTest::addColumn<int>("room");
    QTest::newRow("small document, disk full at once") << 0 << 16;
    QTest::newRow("small document, disk full part way") << 1 << 200;
    QTest::newRow("large document") << 200 << 4000;
}

void TestMyJsonFile::interruptedSaveKeepsOldFile()
{
    QFETCH(int, newCells);
    QFETCH(int, room);
    QVERIFY(m_json->createProjectFile(m_file, 0, QStringLiteral("t"), 0, 5000, 0, 4000));
    const QByteArray before = readBytes(m_file);
    QVERIFY(!m_json->readProjectFile(m_file).damaged);
    for (int i = 1; i <= newCells; ++i)
        m_pages->page(1)->createCell(1, i);

    bool saved = true;
    {
        // The disk "fills up" part way through the new document.
        FileSizeLimit limit{rlim_t(room)};
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: save of .* failed"));
        saved = m_json->writeProjectFile(m_file);
    }
    QVERIFY(!saved);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.VORNPRO"});
}

void TestMyJsonFile::settingsDoNotLeakBetweenProjects()
{
    const QString a = path("a.VORNPRO");
    const QString b = path("b.VORNPRO");
    QVERIFY(writeBytes(a, R"({"Setting": {"log": "site A", "mediaOpen": true}, "TableSet": {"rect3": 1}})"));
    QVERIFY(writeBytes(b, "{}"));

    MyJson json;
    QVERIFY(!json.readProjectFile(a).damaged);
    json.saveSetParts2(QStringLiteral("site A, later"));
    json.saveTableSetParts(0, 1, 1, 1, 1, 1, 1);
    QVERIFY(json.writeProjectFile(a));
    QCOMPARE(fileObject(a)["Setting"].toObject(), object(R"({"log": "site A, later", "mediaOpen": true})"));

    QVERIFY(!json.readProjectFile(b).damaged);
    QVERIFY(json.writeProjectFile(b));
    QCOMPARE(fileObject(b)["Setting"].toObject(), QJsonObject());
    QCOMPARE(fileObject(b)["TableSet"].toObject(), QJsonObject());

    QVERIFY(!json.readProjectFile(a).damaged);
    json.saveSetParts(false, 2, true);
    QVERIFY(json.writeProjectFile(a));
    QCOMPARE(fileObject(a)["Setting"].toObject(),
             object(R"({"log": "site A, later", "mediaOpen": true, "saveStartBool": false, "saveTimeIndex": 2})"));
    QCOMPARE(fileObject(a)["TableSet"].toObject(),
             object(R"({"rect3": 0, "rect4": 1, "rect7": 1, "rect8": 1, "rect10": 1, "rect5": 1, "rect6": 1})"));
}

QTEST_GUILESS_MAIN(TestMyJsonFile)
#include "tst_myjson_file.moc"
