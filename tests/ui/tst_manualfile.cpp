#include "ui/models/manualfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// The manual pages are copied out of the program for the browser; the pages
// themselves cover what an operator needs in both languages.
class TestManualFile : public QObject
{
    Q_OBJECT

private slots:
    void copiesThePageOfTheLanguage_data();
    void copiesThePageOfTheLanguage();
    void replacesAnOlderCopy();
    void missingPageOrUnwritableFolderGiveNothing();
    void bothPagesCoverTheSameSections();

private:
    static void writeFile(const QString &path, const QByteArray &content);
};

void TestManualFile::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

void TestManualFile::copiesThePageOfTheLanguage_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << false << "manual_en.html";
    QTest::newRow("Chinese") << true << "manual_zh.html";
}

void TestManualFile::copiesThePageOfTheLanguage()
{
    QFETCH(bool, chinese);
    QFETCH(QString, name);

    QTemporaryDir source;
    QTemporaryDir target;
    writeFile(source.filePath(QStringLiteral("manual_en.html")), "english page");
    writeFile(source.filePath(QStringLiteral("manual_zh.html")), QStringLiteral("中文页").toUtf8());

    ManualFile manual;
    manual.setSourceFolder(source.path());
    manual.setTargetFolder(target.filePath(QStringLiteral("nested/manual")));
    const QString url = manual.extract(chinese);
    QVERIFY(!url.isEmpty());
    const QString local = QUrl(url).toLocalFile();
    QCOMPARE(QFileInfo(local).fileName(), name);
    QFile copy(local);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QFile original(source.filePath(name));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
}

void TestManualFile::replacesAnOlderCopy()
{
    QTemporaryDir source;
    QTemporaryDir target;
    writeFile(target.filePath(QStringLiteral("manual_en.html")), "an older, longer edition of the page");
    writeFile(source.filePath(QStringLiteral("manual_en.html")), "new");
    ManualFile manual;
    manual.setSourceFolder(source.path());
    manual.setTargetFolder(target.path());
    QFile copy(QUrl(manual.extract(false)).toLocalFile());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("new"));
}

void TestManualFile::missingPageOrUnwritableFolderGiveNothing()
{
    QTemporaryDir source;
    QTemporaryDir target;
    ManualFile manual;
    manual.setSourceFolder(source.path());
    manual.setTargetFolder(target.path());
    QCOMPARE(manual.extract(true), QString());

    writeFile(source.filePath(QStringLiteral("manual_zh.html")), "page");
    // A plain file where the folder should be.
    writeFile(target.filePath(QStringLiteral("blocked")), "x");
    manual.setTargetFolder(target.filePath(QStringLiteral("blocked")));
    QCOMPARE(manual.extract(true), QString());
}

void TestManualFile::bothPagesCoverTheSameSections()
{
    const QString folder = qEnvironmentVariable("VORN_SOURCE_DIR") + QStringLiteral("/ui/manual/");
    const QStringList wanted = {"start-up", "projects", "cells", "views", "recording", "links"};
    for (const bool chinese : {false, true}) {
        QFile page(folder + ManualFile::fileName(chinese));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
        const QString text = QString::fromUtf8(page.readAll());
        QStringList sections;
        const QRegularExpression heading(QStringLiteral("<h2 id=\"([a-z-]+)\">"));
        for (auto it = heading.globalMatch(text); it.hasNext();)
            sections << it.next().captured(1);
        QCOMPARE(sections, wanted);
        QVERIFY(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
    }
}

QTEST_GUILESS_MAIN(TestManualFile)
#include "tst_manualfile.moc"
