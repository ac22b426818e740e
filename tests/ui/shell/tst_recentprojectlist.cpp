#include "ui/shell/recentprojectlist.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The recent-projects list: ordering, and its round trip through the
// settings file across restarts.
class TestRecentProjectList : public QObject
{
    Q_OBJECT

private slots:
    void newestFirstWithoutDuplicatesAndChosenEntryOnTop();
    void restartKeepsAtMostTwenty_data();
    void restartKeepsAtMostTwenty();
    void loadSkipsEmptyAndListedEntries();
    void projectNameFromPath_data();
    void projectNameFromPath();

private:
    static QString path(int i) { return QStringLiteral("/w/p%1/p%1.VORNPRO").arg(i); }
};

void TestRecentProjectList::newestFirstWithoutDuplicatesAndChosenEntryOnTop()
{
    RecentProjectList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
    list.moveToTop(path(1));
    list.moveToTop(path(2));
    list.moveToTop(path(1));
    list.moveToTop(QString());
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.get(0), path(1));
    QCOMPARE(list.get(1), path(2));
    QCOMPARE(list.data(list.index(0), Qt::DisplayRole).toString(), path(1));
    QVERIFY(list.get(5).isEmpty());

    for (int i = 3; i < 6; ++i)
        list.moveToTop(path(i));
    // p5 p4 p3 p1 p2: the third moves up, the top stays, a row past the end is ignored.
    list.moveRowToTop(2);
    list.moveRowToTop(0);
    list.moveRowToTop(9);
    QCOMPARE(list.count(), 5);
    QCOMPARE(list.get(0), path(3));
    QCOMPARE(list.get(1), path(5));
    QCOMPARE(list.get(2), path(4));
    QCOMPARE(list.get(3), path(1));
}

void TestRecentProjectList::restartKeepsAtMostTwenty_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("storedCount");

    QTest::newRow("3") << 3 << 3;
    QTest::newRow("20") << 20 << 20;
    QTest::newRow("25") << 25 << 20;
}

void TestRecentProjectList::restartKeepsAtMostTwenty()
{
    QFETCH(int, entries);
    QFETCH(int, storedCount);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("setting.ini"));
    {
        RecentProjectList list;
        for (int i = 0; i < entries; ++i)
            list.moveToTop(path(i));
        list.save(file);
    }
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("projectSelect/count")).toInt(), storedCount);
    // Every entry is written; only the count limits what comes back.
    QCOMPARE(settings.value(QStringLiteral("projectSelect/%1").arg(entries - 1)).toString(), path(0));

    RecentProjectList restarted;
    QAbstractItemModelTester tester(&restarted, QAbstractItemModelTester::FailureReportingMode::QtTest);
    restarted.load(file);
    QCOMPARE(restarted.count(), storedCount);
    QCOMPARE(restarted.get(0), path(entries - 1));
}

void TestRecentProjectList::loadSkipsEmptyAndListedEntries()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("setting.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("projectSelect"));
        settings.setValue(QStringLiteral("0"), path(1));
        settings.setValue(QStringLiteral("1"), path(2));
        settings.setValue(QStringLiteral("3"), path(3));
        settings.setValue(QStringLiteral("count"), 4);
    }
    RecentProjectList list;
    // The project restored at start heads the list already.
    list.moveToTop(path(2));
    list.load(file);

    QCOMPARE(list.count(), 3);
    QCOMPARE(list.get(0), path(2));
    QCOMPARE(list.get(1), path(1));
    QCOMPARE(list.get(2), path(3));

    RecentProjectList none;
    none.load(dir.filePath(QStringLiteral("missing.ini")));
    QCOMPARE(none.count(), 0);
}

void TestRecentProjectList::projectNameFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");

    QTest::newRow("project file") << QStringLiteral("/w/p1/p1.VORNPRO") << QStringLiteral("p1");
    QTest::newRow("windows style") << QStringLiteral("D:/w/Crane 2/Crane 2.VORNPRO") << QStringLiteral("Crane 2");
    QTest::newRow("no suffix") << QStringLiteral("/w/readme.txt") << QStringLiteral("readme.txt");
    QTest::newRow("no folder") << QStringLiteral("p3.VORNPRO") << QStringLiteral("p3");
    QTest::newRow("empty") << QString() << QString();
}

void TestRecentProjectList::projectNameFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(RecentProjectList::projectName(path), name);
}

QTEST_GUILESS_MAIN(TestRecentProjectList)
#include "tst_recentprojectlist.moc"
