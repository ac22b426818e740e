#include "app/languageflag.h"
#include "app/qmllanguage.h"
#include "core/weightingcelldata.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

// The language switch with the catalogues compiled into the program: the
// interface starts in Chinese, setLanguage(0) shows the English catalogue and
// any other value the Chinese one, and a switch stays in effect.
class TestQmlLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void catalogueTextsFollowTheSwitch();
    void stateTextsUnderTheEnglishCatalogue_data();
    void stateTextsUnderTheEnglishCatalogue();

private:
    std::unique_ptr<QTranslator> m_startup;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<QmlLanguage> m_language;
};

void TestQmlLanguage::init()
{
    // The start-up sequence of the program: Chinese catalogue underneath.
    m_startup = std::make_unique<QTranslator>();
    QVERIFY(m_startup->load(QStringLiteral(":/lang_zh_CN.qm")));
    QCoreApplication::installTranslator(m_startup.get());
    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_language = std::make_unique<QmlLanguage>(qApp, m_engine.get());
}

void TestQmlLanguage::cleanup()
{
    m_language.reset(); // removes its translator with it
    m_engine.reset();
    QCoreApplication::removeTranslator(m_startup.get());
    m_startup.reset();
    LanguageFlag::setChinese(true);
}

void TestQmlLanguage::catalogueTextsFollowTheSwitch()
{
    QQmlComponent component(m_engine.get());
    component.setData("import QtQuick 2.15\n"
                      "QtObject {\n"
                      "    property string alarm: qsTranslate(\"WeightingCellData\", \"超重报警\")\n"
                      "    property string offline: qsTranslate(\"WeightingCellData\", \"离线\")\n"
                      "}\n",
                      QUrl(QStringLiteral("qrc:/LanguageProbe.qml")));
    std::unique_ptr<QObject> probe(component.create());
    QVERIFY2(probe, qPrintable(component.errorString()));

    const auto texts = [&probe] {
        return probe->property("alarm").toString() + QLatin1Char('|') + probe->property("offline").toString();
    };
    QCOMPARE(texts(), QStringLiteral("超重报警|离线"));

    m_language->setLanguage(0);
    QCOMPARE(texts(), QStringLiteral("Overload|Off-line"));
    QCoreApplication::processEvents();
    QCOMPARE(texts(), QStringLiteral("Overload|Off-line"));

    m_language->setLanguage(2);
    QCOMPARE(texts(), QStringLiteral("超重报警|离线"));
    QCoreApplication::processEvents();
    QCOMPARE(texts(), QStringLiteral("超重报警|离线"));

    // Repeated switches replace the translator each time instead of stacking.
    m_language->setLanguage(0);
    m_language->setLanguage(0);
    m_language->setLanguage(1);
    QCOMPARE(texts(), QStringLiteral("超重报警|离线"));
    m_language->setLanguage(0);
    QCOMPARE(texts(), QStringLiteral("Overload|Off-line"));
}

void TestQmlLanguage::stateTextsUnderTheEnglishCatalogue_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("linkState");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("sound");

    // Chinese texts come out as the catalogue's translations; the English
    // texts of the record have no translation and stay as written.
    QTest::newRow("zh flag alarm") << true << 3000 << 1 << QStringLiteral("Overload") << 2;
    QTest::newRow("zh flag lower alarm") << true << -1 << 1 << QStringLiteral("Underload") << 2;
    QTest::newRow("zh flag warning") << true << 2500 << 1 << QStringLiteral("OverWarn") << 0;
    QTest::newRow("zh flag fault") << true << 1500 << 3 << QStringLiteral("Fault") << 1;
    QTest::newRow("zh flag offline") << true << 1500 << 0 << QStringLiteral("Off-line") << 1;
    QTest::newRow("en flag alarm") << false << 3000 << 1 << QStringLiteral("Overweight alarm") << 2;
    QTest::newRow("en flag offline") << false << 1500 << 2 << QStringLiteral("OFF") << 1;
    QTest::newRow("en flag normal") << false << 1500 << 1 << QStringLiteral("Normal") << 0;
}

// Alarm and fault texts are recognised in whatever form the catalogue gives
// them, so sounds and error lines do not depend on the interface language.
void TestQmlLanguage::stateTextsUnderTheEnglishCatalogue()
{
    QFETCH(bool, chinese);
    QFETCH(int, raw);
    QFETCH(int, linkState);
    QFETCH(QString, expected);
    QFETCH(int, sound);

    m_language->setLanguage(0);
    LanguageFlag::setChinese(chinese);
    WeightingCellData record(300, QStringLiteral("CZ 20.300"), 0);
    record.setState(1);
    record.setMaxErrData(3000);
    record.setMaxWarnData(2000);
    record.setMinWarnData(1000);
    record.setCurData(1500);
    QCOMPARE(record.curState(), QStringLiteral("Normal"));

    QSignalSpy sounds(&record, &WeightingCellData::playAlarmMusicSignal);
    QSignalSpy lines(&record, &WeightingCellData::cellLogShowSignal);
    record.setState(quint8(linkState));
    record.setCurData(raw);
    QCOMPARE(record.curState(), expected);
    if (sound == 0) {
        QCOMPARE(sounds.count(), 0);
        QCOMPARE(lines.count(), 0);
    } else {
        QCOMPARE(sounds.count(), 1);
        QCOMPARE(sounds.first().first().toInt(), sound);
        const QString level = sound == 2 ? QStringLiteral("INF") : QStringLiteral("ERR");
        QCOMPARE(lines.count(), 1);
        QCOMPARE(lines.first().at(0).toString(), level);
        QCOMPARE(lines.first().at(1).toString(), QStringLiteral("CZ 20.300:") + expected);
    }
}

QTEST_MAIN(TestQmlLanguage)
#include "tst_qmllanguage.moc"
