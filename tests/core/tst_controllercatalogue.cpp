// The controller's messages through the compiled catalogues of the program's
// resources, switched with changeLanguage.
#include "core/weightingcontrol.h"

#include <QSignalSpy>
#include <QtTest>

class TestControllerCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data()
    {
        QTest::addColumn<bool>("catalogueChinese");
        QTest::addColumn<QString>("message");
        QTest::newRow("Chinese catalogue") << true << "创建设备ID:3.17";
        QTest::newRow("English catalogue") << false << "Create the device ID:3.17";
    }
    void catalogue()
    {
        QFETCH(bool, catalogueChinese);
        QFETCH(QString, message);
        WeightingConTrol control;
        control.changeLanguage(catalogueChinese);
        QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
        control.createCell(3, 17);
        QCOMPARE(log.at(0).at(1).toString(), message);
    }
};

QTEST_GUILESS_MAIN(TestControllerCatalogue)
#include "tst_controllercatalogue.moc"
