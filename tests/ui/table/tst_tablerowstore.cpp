#include "project/myjson.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/tablerowmodel.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonObject cell(const QString &page, const QString &index, int typeFlag)
{
    return {{"posIndex", 0}, {"pageId", page}, {"cellIndex", index}, {"typeFlag", typeFlag}};
}

} // namespace

// Placeholder rows from the project file and rows saved back into it, through
// the real project-file object and a real file.
class TestTableRowStore : public QObject
{
    Q_OBJECT

private slots:
    void placeholdersFromTheProjectFile();
    void savedRowsComeBackAfterReopening();

private:
    QString writeProject(const QJsonArray &tableParts);
    QTemporaryDir m_dir;
};

QString TestTableRowStore::writeProject(const QJsonArray &tableParts)
{
    const QString path = m_dir.filePath(QStringLiteral("p.VORNPRO"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QJsonDocument(QJsonObject{{"TableParts", tableParts}}).toJson());
    return path;
}

void TestTableRowStore::placeholdersFromTheProjectFile()
{
    const QJsonArray parts{
        QJsonObject{{"index", 0}, {"name", "main"},
                    {"CellList", QJsonArray{cell("1", "0", 0), cell("1", "1003", 1), cell("2", "", 0), cell("2", "7", 0)}}},
        QJsonObject{{"index", 3}, {"name", "north"},
                    {"CellList", QJsonArray{cell("1", "0", 0), cell("2", "7", 0), cell("x", "8", 0), cell("20", "5", 0)}}},
    };
    const QString path = writeProject(parts);
    QVERIFY(!path.isEmpty());
    MyJson json;
    QVERIFY(!json.readProjectFile(path).damaged);

    TableRowModel main;
    QAbstractItemModelTester mainTester(&main, QAbstractItemModelTester::FailureReportingMode::QtTest);
    main.loadPlaceholders(&json);
    QCOMPARE(keys(main), (Keys{{1, 0}, {1, 1003}, {2, 7}}));
    QCOMPARE(main.index(1).data(CellRowModel::TypeFlagRole).toInt(), 1);
    QCOMPARE(main.index(2).data(CellRowModel::NameRole).toString(), QStringLiteral("0"));
    QCOMPARE(main.index(2).data(CellRowModel::StateRole).toInt(), 3);
    // The stored group row takes the group's readings.
    main.setGroupTableData(1, 1003, 0, 1, "Group2", 9, 9, 9, 0, 0, 0, 0, 1, 0, 0, nullptr);
    main.flush();
    QCOMPARE(main.index(1).data(CellRowModel::WidthRole).toInt(), 9);
    QCOMPARE(main.rowCount(), 3);

    TableRowModel part;
    QAbstractItemModelTester partTester(&part, QAbstractItemModelTester::FailureReportingMode::QtTest);
    part.setPartIndex(3);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.loadPlaceholders(&json);
    QCOMPARE(keys(part), (Keys{{1, 0}, {2, 7}, {20, 5}}));

    TableRowModel unknown;
    unknown.setPartIndex(9);
    unknown.loadPlaceholders(&json);
    QCOMPARE(unknown.rowCount(), 0);
}

void TestTableRowStore::savedRowsComeBackAfterReopening()
{
    const QString path = writeProject(QJsonArray());
    MyJson json;
    QVERIFY(!json.readProjectFile(path).damaged);

    TableRowModel main;
    main.setTableData(1, 0, 0, 0, "ALL LOAD", 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, nullptr);
    main.setTableData(2, 4, 0, 0, "CZ 2.4", 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, nullptr);
    main.setGroupTableData(1, 1002, 0, 1, "Group1", 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, nullptr);
    TableRowModel part;
    part.setPartIndex(2);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 4, 0);

    json.clearParts();
    json.saveTableParts(0, QStringLiteral("main"));
    json.saveTableParts(2, QStringLiteral("south"));
    main.saveRows(&json);
    part.saveRows(&json);
    QVERIFY(json.writeProjectFile(path));

    MyJson reopened;
    QVERIFY(!reopened.readProjectFile(path).damaged);
    TableRowModel mainAgain;
    mainAgain.loadPlaceholders(&reopened);
    QCOMPARE(keys(mainAgain), (Keys{{1, 0}, {1, 1002}, {2, 4}}));
    QCOMPARE(mainAgain.index(1).data(CellRowModel::TypeFlagRole).toInt(), 1);
    TableRowModel partAgain;
    partAgain.setPartIndex(2);
    partAgain.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    partAgain.loadPlaceholders(&reopened);
    QCOMPARE(keys(partAgain), (Keys{{1, 0}, {2, 4}}));
}

QTEST_GUILESS_MAIN(TestTableRowStore)
#include "tst_tablerowstore.moc"
