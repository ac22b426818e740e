// The weighing controller's invokables and its refresh with sums and the total.
#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "publicationlog.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using ControlCall = std::function<void(WeightingConTrol &)>;
Q_DECLARE_METATYPE(ControlCall)

namespace {

// Everything the records of every page show, for "nothing changed" checks.
QStringList modelState(const WeightingConTrol &control)
{
    QStringList state;
    for (int p = 0; p < WeightingConTrol::PageCount; ++p) {
        for (int slot = 0; control.page(p) && slot < WeightingData::SlotCount; ++slot) {
            if (const WeightingCellData *r = control.page(p)->cell(slot))
                state << QStringLiteral("%1.%2 %3 %4 %5 %6 %7 %8 %9").arg(p).arg(slot).arg(r->name()).arg(r->groupId())
                             .arg(r->maxWarnData()).arg(r->minWarnData()).arg(r->maxErrData()).arg(r->minErrData())
                             .arg(r->peel()) + r->bleAddress();
        }
    }
    return state;
}

} // namespace

class TestWeightingControl : public QObject
{
    Q_OBJECT

private slots:
    void init() { LanguageFlag::setChinese(true); }

    // New cells take the presets; an occupied slot keeps its record.
    void createCells()
    {
        WeightingConTrol control;
        control.setPreData(10, 900, 100, 800);
        QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
        control.createCell(3, 17);
        control.createBleCell(QStringLiteral("AB:CD"), 5);
        WeightingCellData *cell = control.page(3)->cell(17);
        QCOMPARE((QVector<double>{cell->minErrData(), cell->maxErrData(), cell->minWarnData(), cell->maxWarnData()}),
                 (QVector<double>{10, 900, 100, 800}));
        cell->setName(QStringLiteral("kept"));
        control.createCell(3, 17);
        control.createBleCell(QStringLiteral("11:22"), 5);
        QCOMPARE(control.page(3)->cell(17)->name(), QStringLiteral("kept"));
        QCOMPARE(control.page(20)->cell(5)->bleAddress(), QStringLiteral("00:80:E1:26:AB:CD"));
        QCOMPARE(log.count(), 2);
    }

    // Without page 1 nothing is published. Group records follow the cells of
    // page 1; page 0 is never published. Each member's net value (2 less a
    // tare of 0.5) is 1.5; the running sums are cut after each step.
    void refreshPublishes()
    {
        WeightingConTrol control;
        PublicationLog published(&control);
        control.createCell(3, 2);
        feed(control, 3, 2, 700);
        control.qmlRequestReflsh();
        QCOMPARE(control.page(3)->cell(2)->curData(), 700);
        QVERIFY(published.entries.isEmpty() && !control.page(1));
        for (int at : {1, 100, 101, 102, 302, 405, 2007})
            control.createCell(at / 100, at % 100); // page × 100 + index
        for (int index : {1, 2}) {
            control.qmlSetGroup(1, index, 4);
            control.page(1)->cell(index)->setPeel(0.5);
            control.page(1)->cell(index)->setPeelEnable(true);
        }
        control.qmlSetGroup(3, 2, 1);
        control.page(4)->cell(5)->setGroupId(25);
        // The first reading is classified while the cell is still offline.
        for (int round = 0; round < 2; ++round) {
            deliver(control, hubDatagram(1, {hubRecord(1, 2), hubRecord(2, 2)}));
            deliver(control, hubDatagram(3, {hubRecord(2, 1500, 1, 5, 9)}));
            feed(control, 4, 5, 100, 0);
            control.qmlRequestReflsh();
        }
        published.entries.clear();
        control.qmlRequestReflsh();
        QStringList order;
        for (const Publication &entry : published.entries)
            order << QStringLiteral("%1.%2").arg(entry.pageId).arg(entry.index);
        QCOMPARE(order, (QStringList{"1.0", "1.1", "1.2", "1.1002", "1.1005", "3.2", "4.5", "20.7"}));
        QCOMPARE(published.find(1, 1005).name + QString::number(published.find(1, 1005).curData), QStringLiteral("Group42"));
        // The total runs over pages 1 to 20; 20.7 has no reading yet (-1).
        QCOMPARE((QVector<int>{published.find(1, 0).curData, published.find(1, 0).state}),
                 (QVector<int>{2 + 1500 + 100 - 1, 1}));
        QCOMPARE(published.find(4, 5).name, QStringLiteral("CZ 4.5"));

        const Publication cell = published.find(3, 2);
        QCOMPARE(cell.record, control.page(3)->cell(2));
        QCOMPARE(cell.name, QStringLiteral("CZ 3.2(Group1)"));
        QCOMPARE((QVector<int>{cell.groupId, cell.typeFlag, cell.curData, cell.maxData, cell.minData, cell.maxWarnData,
                               cell.minWarnData, cell.maxErrData, cell.minErrData, cell.state, cell.errorNb, cell.boxType}),
                 (QVector<int>{1, 0, 1500, 1500, 0, 4000, 0, 5000, 0, 1, 9, 5}));

        // Removing a group clears its members on every page, for good.
        QPointer<WeightingCellData> group = control.page(1)->group(1);
        control.removeGroup(1, 1002);
        control.qmlRequestReflsh();
        QVERIFY(group.isNull() && !control.page(1)->group(1));
        QCOMPARE(control.page(3)->cell(2)->groupId(), 0);
    }

    void factorAndTare_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("shown");
        QTest::newRow("tenths") << 0.1 << 123;
        QTest::newRow("pounds") << 2.20462262185 << 2721;
        QTest::newRow("zero leaves the tare alone") << 0.0 << 0;
    }
    // Readings and thresholds are published in display units; tares are raw,
    // and a factor of 0 leaves them alone rather than dividing by it.
    void factorAndTare()
    {
        QFETCH(double, factor);
        QFETCH(int, shown);
        WeightingConTrol control;
        control.setConFactor(factor);
        control.createCell(1, 6);
        feed(control, 1, 6, 1234);
        PublicationLog published(&control);
        control.qmlRequestReflsh();
        QCOMPARE(published.find(1, 6).curData, shown);
        QCOMPARE(published.find(1, 6).maxErrData, qRound(5000 * factor));

        control.traceEnable(1, 6);
        const WeightingCellData *cell = control.page(1)->cell(6);
        QCOMPARE(cell->peel(), 1234.0);
        feed(control, 1, 6, 1234);
        control.qmlRequestReflsh();
        QCOMPARE(published.find(1, 6).curData, 0);
        control.traceDisable(1, 6);
        QVERIFY(!cell->peelEnable());
        control.setPeelData(1, 6, 50);
        QVERIFY(qFuzzyCompare(cell->peel(), factor == 0 ? 1234.0 : 50 / factor));
    }

    // The messages through the compiled catalogues of the program's resources.
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
        if (!QFile::exists(QStringLiteral(":/lang_English.qm")))
            QSKIP("built without the interface and its catalogues");
        WeightingConTrol control;
        control.changeLanguage(catalogueChinese);
        QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
        control.createCell(3, 17);
        QCOMPARE(log.at(0).at(1).toString(), message);
    }

    void invalidArgumentsChangeNothing_data()
    {
        QTest::addColumn<ControlCall>("call");
        auto row = [](const char *name, ControlCall call) { QTest::newRow(name) << call; };
        row("createCell index 1001", [](WeightingConTrol &c) { c.createCell(1, 1001); });
        row("qmlSetGroup group 20", [](WeightingConTrol &c) { c.qmlSetGroup(1, 5, 20); });
        row("setGroupIndex group 20", [](WeightingConTrol &c) { c.setGroupIndex(1, 20, "1"); });
        row("setGroupIndex eleven values", [](WeightingConTrol &c) { c.setGroupIndex(1, 2, "1,2,3,4,5,6,7,8,9,10,11"); });
        row("setPeelData page 21", [](WeightingConTrol &c) { c.setPeelData(21, 5, 9); });
        row("empty slot", [](WeightingConTrol &c) { c.setName(1, 77, "x"); });
        row("missing page", [](WeightingConTrol &c) { c.setMaxErrData(9, 1, 9); });
    }
    void invalidArgumentsChangeNothing()
    {
        QFETCH(ControlCall, call);
        WeightingConTrol control;
        control.createCell(1, 0);
        control.createCell(1, 5);
        control.qmlSetGroup(1, 5, 2);
        control.createBleCell(QStringLiteral("AB:CD"), 3);
        const QStringList before = modelState(control);
        QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
        QSignalSpy deleted(&control, &WeightingConTrol::deleteCellSignal);
        QSignalSpy removed(&control, &WeightingConTrol::removeGroupSignal);
        QSignalSpy group(&control, &WeightingConTrol::readGroup);
        call(control);
        QCOMPARE(modelState(control), before);
        QCOMPARE(log.count() + deleted.count() + removed.count() + group.count(), 0);
        QCOMPARE(control.getAddBleAddress(20, 1021) + control.getAddBleAddress(21, 3), QString());
    }

    // No record handed out survives a project close, and nothing of the old
    // project is published afterwards. A new record in the slot is relayed:
    // one line and one sound per change, however many refreshes published it.
    void recordLifetime()
    {
        WeightingConTrol control;
        control.createCell(1, 0);
        control.createCell(1, 5);
        control.createCell(20, 2);
        control.qmlSetGroup(1, 5, 1);
        PublicationLog published(&control);
        control.qmlRequestReflsh();
        QVector<QPointer<WeightingCellData>> handed;
        for (const Publication &entry : published.entries)
            handed.append(entry.record);
        QCOMPARE(handed.size(), 4);
        control.deleteAllPages();
        for (const QPointer<WeightingCellData> &record : handed)
            QVERIFY(record.isNull());
        published.entries.clear();
        feed(control, 1, 5, 100);
        control.qmlRequestReflsh();
        QVERIFY(published.entries.isEmpty());

        control.createCell(1, 5);
        QSignalSpy lines(&control, &WeightingConTrol::cellLogShowSignal);
        QSignalSpy sounds(&control, &WeightingConTrol::playAlarmMusicSignal);
        for (int raw : {100, 9000, 9000, 9000}) {
            feed(control, 1, 5, raw);
            control.qmlRequestReflsh();
        }
        QCOMPARE(lines.count(), 1);
        QCOMPARE(lines.at(0), (QList<QVariant>{"INF", "CZ 1.5:超重报警"}));
        QCOMPARE(sounds.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestWeightingControl)
#include "tst_weightingcontrol.moc"
