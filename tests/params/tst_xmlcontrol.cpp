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
    void sameValueTwiceLoadsOnce();
    void resetLoadsEmptyPathAndFails();
    void failedLoadDropsPreviousDocument();
    void namesNotifyOnChangeOnly_data();
    void namesNotifyOnChangeOnly();

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

void TestXmlControl::sameValueTwiceLoadsOnce()
{
    const QString path = writeFile(QStringLiteral("p.xml"), "<Device/>");
    XmlControl xml;
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    QSignalSpy changed(&xml, &XmlControl::xmlFilePathChanged);
    xml.setXmlFilePath(path);
    xml.setXmlFilePath(path);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(log.count(), 2);
}

void TestXmlControl::resetLoadsEmptyPathAndFails()
{
    const QString path = writeFile(QStringLiteral("p.xml"), "<Device/>");
    XmlControl xml;
    xml.setXmlFilePath(path);
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    QSignalSpy changed(&xml, &XmlControl::xmlFilePathChanged);
    xml.resetXmlFilePath();
    QCOMPARE(xml.xmlFilePath(), QString());
    QCOMPARE(xml.currentFileName(), QString());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.at(1).at(2).toString(), QStringLiteral("打开文件失败"));

    xml.resetXmlFilePath();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(log.count(), 2);
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

void TestXmlControl::namesNotifyOnChangeOnly_data()
{
    QTest::addColumn<bool>("saveName");
    QTest::newRow("xmlSaveName") << true;
    QTest::newRow("xmlcompareName") << false;
}

void TestXmlControl::namesNotifyOnChangeOnly()
{
    QFETCH(bool, saveName);
    XmlControl xml;
    QSignalSpy log(&xml, &XmlControl::uploadLogSignal);
    QSignalSpy changed(&xml, saveName ? &XmlControl::xmlSaveNameChanged : &XmlControl::xmlcompareNameChanged);
    const auto set = [&](const QString &v) { saveName ? xml.setXmlSaveName(v) : xml.setXmlcompareName(v); };
    const auto get = [&] { return saveName ? xml.xmlSaveName() : xml.xmlcompareName(); };

    set(QStringLiteral("a.xml"));
    set(QStringLiteral("a.xml"));
    QCOMPARE(get(), QStringLiteral("a.xml"));
    QCOMPARE(changed.count(), 1);
    saveName ? xml.resetXmlSaveName() : xml.resetXmlcompareName();
    QCOMPARE(get(), QString());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(log.count(), 0);
}

QTEST_GUILESS_MAIN(TestXmlControl)
#include "tst_xmlcontrol.moc"
