#include "ui/settings/manualfile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

// The manual pages are copied out of the program for the browser; the pages
// themselves cover what an operator needs in both languages.
class TestManualFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void copiesThePageOfTheLanguage_data();
    void copiesThePageOfTheLanguage();
    void replacesAnOlderCopy();
    void missingPageOrUnwritableFolderGiveNothing();
    void bothPagesCoverTheSameSections();

private:
    static void writeFile(const QString &path, const QByteArray &content);

    std::unique_ptr<QTemporaryDir> m_source;
    std::unique_ptr<QTemporaryDir> m_target;
    std::unique_ptr<ManualFile> m_manual;
};

void TestManualFile::init()
{
    m_source = std::make_unique<QTemporaryDir>();
    m_target = std::make_unique<QTemporaryDir>();
    m_manual = std::make_unique<ManualFile>();
    m_manual->setSourceFolder(m_source->path());
    m_manual->setTargetFolder(m_target->path());
}

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

    writeFile(m_source->filePath(QStringLiteral("manual_en.html")), "english page");
    writeFile(m_source->filePath(QStringLiteral("manual_zh.html")), QStringLiteral("中文页").toUtf8());
    m_manual->setTargetFolder(m_target->filePath(QStringLiteral("nested/manual")));
    const QString local = QUrl(m_manual->extract(chinese)).toLocalFile();
    QCOMPARE(QFileInfo(local).fileName(), name);
    QFile copy(local);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QFile original(m_source->filePath(name));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), original.readAll());
}

void TestManualFile::replacesAnOlderCopy()
{
    writeFile(m_target->filePath(QStringLiteral("manual_en.html")), "an older, longer edition of the page");
    writeFile(m_source->filePath(QStringLiteral("manual_en.html")), "new");
    QFile copy(QUrl(m_manual->extract(false)).toLocalFile());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("new"));
}

void TestManualFile::missingPageOrUnwritableFolderGiveNothing()
{
    QCOMPARE(m_manual->extract(true), QString());

    writeFile(m_source->filePath(QStringLiteral("manual_zh.html")), "page");
    // A plain file where the folder should be.
    writeFile(m_target->filePath(QStringLiteral("blocked")), "x");
    m_manual->setTargetFolder(m_target->filePath(QStringLiteral("blocked")));
    QCOMPARE(m_manual->extract(true), QString());
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
