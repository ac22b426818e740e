#include "links/blecellstate.h"
#include "links/serialdevice.h"

#include <QProcess>
#include <QtTest>

// The serial link reads what the receiver simulator writes to its pseudo-terminal.
class TestSerialSim : public QObject
{
    Q_OBJECT

private slots:
    void linkDecodesSimulatedReceiver()
    {
        QTemporaryDir dir;
        const QString linkPath = dir.filePath(QStringLiteral("receiver"));
        QProcess simulator;
        simulator.start(qEnvironmentVariable("SERIALSIM"), {"--cells", "3", "--rate", "50", "--link", linkPath});
        QVERIFY(simulator.waitForReadyRead(5000));
        const QString firstLine = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        const QString prefix = QStringLiteral("serialsim: writing receiver frames to ");
        QVERIFY2(firstLine.startsWith(prefix), qPrintable(firstLine));
        // The port setting names the stable link, not the changing terminal.
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), firstLine.mid(prefix.size()));

        serialdevice link;
        QMap<QString, QVector<bleCellState>> byAddress;
        connect(&link, &serialdevice::deviceDataUpdated, this, [&](const bleCellState &record, const QString &address) {
            byAddress[address].append(record);
        });
        link.openSerialPort(linkPath);
        QTRY_VERIFY_WITH_TIMEOUT(byAddress.size() == 3 && byAddress.first().size() >= 10, 10000);
        simulator.kill();
        simulator.waitForFinished();

        QCOMPARE(byAddress.keys(), (QStringList{"00:80:E1:00:00:01", "00:80:E1:00:00:02", "00:80:E1:00:00:03"}));
        int cell = 1;
        for (const QVector<bleCellState> &records : qAsConst(byAddress)) {
            QSet<qint16> weights;
            for (const bleCellState &record : records) {
                QCOMPARE(record.cellIndex, quint16(cell));
                QCOMPARE(record.online, quint8(1));
                weights.insert(record.curData);
            }
            QVERIFY2(weights.size() > 1, "weights change");
            ++cell;
        }
    }
};

QTEST_GUILESS_MAIN(TestSerialSim)
#include "tst_serialsim.moc"
