#include "app/languageflag.h"
#include "app/qmllanguage.h"
#include "core/weightingcelldata.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

// The language switch with the compiled catalogues, over the Chinese one the program starts with.
class TestQmlLanguage : public QObject
{
    Q_OBJECT

    QTranslator m_startup;
    QQmlApplicationEngine m_engine;
    std::unique_ptr<QmlLanguage> m_language;

private slots:
    // 0 shows the English catalogue, any other value the Chinese one, replacing the translator each time.
    void catalogueTextsFollowTheSwitch()
    {
        QVERIFY(m_startup.load(":/lang_zh_CN.qm") && QCoreApplication::installTranslator(&m_startup));
        m_language = std::make_unique<QmlLanguage>(qApp, &m_engine);
        QQmlComponent component(&m_engine);
        component.setData("import QtQuick 2.15\nQtObject { property string text: qsTranslate(\"WeightingCellData\", "
                          "\"超重报警\") + qsTranslate(\"WeightingCellData\", \"离线\") }", QUrl("qrc:/LanguageProbe.qml"));
        std::unique_ptr<QObject> probe(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));
        for (int language : {-1, 0, 2, 0, 0, 1, 0}) {
            if (language >= 0)
                m_language->setLanguage(language);
            QCoreApplication::processEvents();
            QCOMPARE(probe->property("text").toString(), QString(language == 0 ? "OverloadOff-line" : "超重报警离线"));
        }
    }

    // Alarm and fault texts are recognised in whatever form the catalogue gives them.
    void stateTextsUnderTheEnglishCatalogue_data()
    {
        QTest::addColumn<bool>("chinese"); QTest::addColumn<int>("raw"); QTest::addColumn<int>("linkState");
        QTest::addColumn<QString>("line"); QTest::addColumn<int>("sound");
        QTest::newRow("zh flag alarm") << true << 3000 << 1 << "INF CZ 20.300:Overload" << 2;
        QTest::newRow("zh flag lower alarm") << true << -1 << 1 << "INF CZ 20.300:Underload" << 2;
        QTest::newRow("zh flag warning") << true << 2500 << 1 << "" << 0;
        QTest::newRow("zh flag fault") << true << 1500 << 3 << "ERR CZ 20.300:Fault" << 1;
        QTest::newRow("en flag offline") << false << 1500 << 0 << "ERR CZ 20.300:OFF" << 1;
    }
    void stateTextsUnderTheEnglishCatalogue()
    {
        QFETCH(bool, chinese); QFETCH(int, raw); QFETCH(int, linkState); QFETCH(QString, line); QFETCH(int, sound);
        m_language->setLanguage(0);
        LanguageFlag::setChinese(chinese);
        WeightingCellData record(300, "CZ 20.300", 0);
        record.setMaxErrData(3000);
        record.setMaxWarnData(2000);
        record.setState(1);
        record.setCurData(1500);
        QSignalSpy sounds(&record, &WeightingCellData::playAlarmMusicSignal);
        QSignalSpy lines(&record, &WeightingCellData::cellLogShowSignal);
        record.setState(quint8(linkState));
        record.setCurData(raw);
        LanguageFlag::setChinese(true);
        QCOMPARE(sounds.isEmpty() ? 0 : sounds.first().first().toInt(), sound);
        QCOMPARE(lines.isEmpty() ? QString() : lines.first().at(0).toString() + ' ' + lines.first().at(1).toString(), line);
        QCOMPARE(sounds.count() + lines.count(), sound ? 2 : 0);
    }
};

QTEST_MAIN(TestQmlLanguage)
#include "tst_qmllanguage.moc"
