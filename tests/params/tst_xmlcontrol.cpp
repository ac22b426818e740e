#include "params/xmlcontrol.h"

#include <QtTest>

class TestXmlControl : public QObject
{
    Q_OBJECT

private slots:
    void loadReportsOutcome_data()
    {
        QTest::addColumn<QByteArray>("content"); // no file at all when null
        QTest::addColumn<bool>("asUrl");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("root");
        const QByteArray valid = "<?xml version=\"1.0\"?>\n<Device><Menu id=\"1\" name=\"A\"/></Device>\n";
        QTest::newRow("valid file as url") << valid << true << "INF" << "Device";
        QTest::newRow("valid file as plain path") << valid << false << "INF" << "Device";
        QTest::newRow("malformed file") << QByteArray("<Device><Menu></Device>") << true << "ERR" << QString();
        QTest::newRow("empty file") << QByteArray("") << false << "ERR" << QString();
        QTest::newRow("missing file") << QByteArray() << true << "ERR" << QString();
    }
    void loadReportsOutcome()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, asUrl);
        QFETCH(QString, outcome);
        QFETCH(QString, root);
        QTemporaryDir dir;
        auto write = [&dir](const QString &name, const QByteArray &bytes) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const QString path = dir.filePath(QStringLiteral("params.xml"));
        QVERIFY(write(QStringLiteral("earlier.xml"), "<Earlier/>"));
        QVERIFY(content.isNull() || write(QStringLiteral("params.xml"), content));

        XmlControl xml;
        // A document left from an earlier load must not survive a failed one.
        xml.setXmlFilePath(dir.filePath(QStringLiteral("earlier.xml")));
        QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
        QSignalSpy changed(&xml, &XmlControl::xmlFilePathChanged);
        const QString value = asUrl ? QUrl::fromLocalFile(path).toString() : path;
        xml.setXmlFilePath(value);
        xml.setXmlFilePath(value);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(xml.currentFileName(), path);
        QCOMPARE(log.count(), 2); // the working folder, then the outcome
        QCOMPARE(log.at(1).at(0).toString(), outcome);
        QCOMPARE(xml.document().documentElement().tagName(), root);

        // A reset loads the empty path, which fails.
        xml.resetXmlFilePath();
        QVERIFY(xml.document().isNull());
        QCOMPARE(log.last().at(0).toString(), QStringLiteral("ERR"));
    }
};

QTEST_GUILESS_MAIN(TestXmlControl)
#include "tst_xmlcontrol.moc"
