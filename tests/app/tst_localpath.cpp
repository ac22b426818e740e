#include "app/localpath.h"

#include <QtTest>

class TestLocalPath : public QObject
{
    Q_OBJECT

private slots:
    void convertsUrlsAndKeepsPaths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unix url") << "file:///home/op/w" << "/home/op/w";
        QTest::newRow("url with spaces") << "file:///home/op/my%20site/p.VORNPRO" << "/home/op/my site/p.VORNPRO";
#ifdef Q_OS_WIN
        QTest::newRow("windows drive url") << "file:///D:/w" << "D:/w";
#endif
        QTest::newRow("absolute path") << "/home/op/w" << "/home/op/w";
        QTest::newRow("relative path") << "0_Project_source/p" << "0_Project_source/p";
        QTest::newRow("empty") << "" << "";
    }
    void convertsUrlsAndKeepsPaths()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(localPathFromUrl(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestLocalPath)
#include "tst_localpath.moc"
