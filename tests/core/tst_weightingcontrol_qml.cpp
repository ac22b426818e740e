// The controller as the QML pages use it: the registered type, invokables
// called from QML and the publication signals read in QML handlers, record
// pointer included.
#include "app/qmltypes.h"
#include "core/weightingcontrol.h"
#include "testdatagrams.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include <memory>

class TestWeightingControlQml : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void publicationInQml();
};

void TestWeightingControlQml::initTestCase()
{
    registerQmlTypes();
}

void TestWeightingControlQml::publicationInQml()
{
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
            onReadGroupCellDataSignal: groups.push(pageid + "." + index + " " + name + " " + curData
                                                   + " " + typeFlag)
            Component.onCompleted: {
                createCell(1, 0)
                createCell(1, 5)
                qmlSetGroup(1, 5, 2)
                setMaxErrData(1, 5, 900)
            }
        }
    )", QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *control = qobject_cast<WeightingConTrol *>(object.get());
    QVERIFY(control);

    for (int tick = 0; tick < 2; ++tick) {
        QByteArray bytes = hubDatagram(1, {hubRecord(5, 700)});
        control->udpReadData(bytesOf(bytes), bytes.size());
        control->qmlRequestReflsh();
    }
    const QStringList cells = object->property("cells").toStringList();
    const QStringList groups = object->property("groups").toStringList();
    QCOMPARE(cells.size(), 4);
    QCOMPARE(cells.at(3), QStringLiteral("1.5 CZ 1.5(Group2) 700 900 正常 -"));
    QCOMPARE(groups.size(), 2);
    QCOMPARE(groups.at(1), QStringLiteral("1.1003 Group2 700 1"));
}

QTEST_GUILESS_MAIN(TestWeightingControlQml)
#include "tst_weightingcontrol_qml.moc"
