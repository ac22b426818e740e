#include "params/xmlcontrol.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

class TestXmlControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadReportsOutcome_data();
    void loadReportsOutcome();
    void sameValueTwiceLoadsOnceAndResetFails();
    void failedLoadDropsPreviousDocument();
    void namesNotifyOnChangeAndLoadNothing();

private:
    QString writeFile(const QString &name, const QByteArray &content);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestXmlControl::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestXmlControl::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

void TestXmlControl::loadReportsOutcome_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("asUrl");
    QTest::addColumn<QString>("expectedType");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedRoot");

    const QByteArray valid = "<?xml version=\"1.0\"?>\n<Device><Menu id=\"1\" name=\"A\"/></Device>\n";
    QTest::newRow("valid file as url") << valid << true << "INF" << "打开文件成功" << "Device";
    QTest::newRow("valid file as plain path") << valid << false << "INF" << "打开文件成功" << "Device";
    QTest::newRow("malformed file") << QByteArray("<Device><Menu></Device>") << true << "ERR"
                                    << "打开文件错误" << QString();
    QTest::newRow("empty file") << QByteArray() << false << "ERR" << "打开文件错误" << QString();
    QTest::newRow("missing file") << QByteArray() << true << "ERR" << "打开文件失败" << QString();
}

void TestXmlControl::loadReportsOutcome()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, asUrl);
    QFETCH(QString, expectedType);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedRoot);

    QString path = m_dir->filePath(QStringLiteral("params.xml"));
    if (expectedText != QStringLiteral("打开文件失败"))
        path = writeFile(QStringLiteral("params.xml"), content);
    QVERIFY(!path.isEmpty());

    XmlControl xml;
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    QSignalSpy changed(&xml, &XmlControl::xmlFilePathChanged);
    const QString value = asUrl ? QUrl::fromLocalFile(path).toString() : path;
    xml.setXmlFilePath(value);

    QCOMPARE(xml.xmlFilePath(), value);
    QCOMPARE(xml.currentFileName(), path);
    QCOMPARE(xml.workingDirectory(), QDir::currentPath());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.at(0), (QList<QVariant>{QStringLiteral("INF"), QStringLiteral("EVENT"), QDir::currentPath()}));
    QCOMPARE(log.at(1), (QList<QVariant>{expectedType, QStringLiteral("EVENT"), expectedText}));
    QCOMPARE(xml.document().documentElement().tagName(), expectedRoot);
}

void TestXmlControl::sameValueTwiceLoadsOnceAndResetFails()
{
    const QString path = writeFile(QStringLiteral("p.xml"), "<Device/>");
    XmlControl xml;
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    QSignalSpy changed(&xml, &XmlControl::xmlFilePathChanged);
    xml.setXmlFilePath(path);
    xml.setXmlFilePath(path);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(log.count(), 2);

    // A reset loads the empty path, which fails; a second reset changes nothing.
    xml.resetXmlFilePath();
    xml.resetXmlFilePath();
    QCOMPARE(xml.xmlFilePath(), QString());
    QCOMPARE(xml.currentFileName(), QString());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(log.count(), 4);
    QCOMPARE(log.at(3).at(2).toString(), QStringLiteral("打开文件失败"));
}

void TestXmlControl::failedLoadDropsPreviousDocument()
{
    const QString good = writeFile(QStringLiteral("good.xml"), "<Device/>");
    const QString bad = writeFile(QStringLiteral("bad.xml"), "<Device>");
    XmlControl xml;
    xml.setXmlFilePath(good);
    QCOMPARE(xml.document().documentElement().tagName(), QStringLiteral("Device"));
    xml.setXmlFilePath(bad);
    QVERIFY(xml.document().isNull());
    xml.setXmlFilePath(good);
    xml.setXmlFilePath(m_dir->filePath(QStringLiteral("missing.xml")));
    QVERIFY(xml.document().isNull());
}

void TestXmlControl::namesNotifyOnChangeAndLoadNothing()
{
    XmlControl xml;
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    for (const char *name : {"xmlSaveName", "xmlcompareName"}) {
        const QMetaProperty property = xml.metaObject()->property(xml.metaObject()->indexOfProperty(name));
        QSignalSpy changed(&xml, property.notifySignal());
        QVERIFY(property.write(&xml, QStringLiteral("a.xml")));
        QVERIFY(property.write(&xml, QStringLiteral("a.xml")));
        QCOMPARE(property.read(&xml).toString(), QStringLiteral("a.xml"));
        QVERIFY(property.reset(&xml));
        QCOMPARE(property.read(&xml).toString(), QString());
        QCOMPARE(changed.count(), 2);
    }
    QCOMPARE(log.count(), 0);
}

QTEST_GUILESS_MAIN(TestXmlControl)
#include "tst_xmlcontrol.moc"
