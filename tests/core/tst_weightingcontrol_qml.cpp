// The controller as the QML pages use it (registered type, invokables,
// publication handlers reading the record) and its messages through the
// compiled catalogues of the program's resources.
#include "app/qmltypes.h"
#include "core/weightingcontrol.h"
#include "testdatagrams.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

class TestWeightingControlQml : public QObject
{
    Q_OBJECT

private slots:
    void publicationInQml()
    {
        registerQmlTypes();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQml 2.15
            import MyWeightingConTrol 1.0
            WeightingConTrol {
                property var cells: []
                property var groups: []
                onReadCellDataSignal: cells.push(pageid + "." + index + " " + name + " " + curData + " "
                                                 + maxErrData + " " + cellAddr.curState + " " + cellAddr.batter)
                onReadGroupCellDataSignal: groups.push(pageid + "." + index + " " + name + " " + typeFlag)
                Component.onCompleted: {
                    createCell(1, 0)
                    createCell(1, 5)
                    qmlSetGroup(1, 5, 2)
                    setMaxErrData(1, 5, 900)
                }
            })", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto *control = qobject_cast<WeightingConTrol *>(object.get());
        for (int tick = 0; tick < 2; ++tick) {
            QByteArray bytes = hubDatagram(1, {hubRecord(5, 700)});
            control->udpReadData(bytesOf(bytes), bytes.size());
            control->qmlRequestReflsh();
        }
        QCOMPARE(object->property("cells").toStringList().value(3), QStringLiteral("1.5 CZ 1.5(Group2) 700 900 正常 -"));
        QCOMPARE(object->property("groups").toStringList().value(1), QStringLiteral("1.1003 Group2 1"));
    }

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

QTEST_GUILESS_MAIN(TestWeightingControlQml)
#include "tst_weightingcontrol_qml.moc"
