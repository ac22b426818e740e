#include "links/blecellstate.h"
#include "links/receiverframe.h"
#include "links/serialdevice.h"

#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {

QString simulatorPath()
{
    return QString::fromLocal8Bit(qgetenv("SERIALSIM"));
}

} // namespace

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
        simulator.start(simulatorPath(), {QStringLiteral("--cells"), QStringLiteral("3"), QStringLiteral("--rate"),
                                          QStringLiteral("50"), QStringLiteral("--link"), linkPath});
        QVERIFY(simulator.waitForStarted());
        QVERIFY(simulator.waitForReadyRead(5000));
        const QString firstLine = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        const QString prefix = QStringLiteral("serialsim: writing receiver frames to ");
        QVERIFY2(firstLine.startsWith(prefix), qPrintable(firstLine));

        serialdevice link;
        QMap<QString, QVector<bleCellState>> byAddress;
        QStringList order;
        connect(&link, &serialdevice::bleAddOnlineDevice, this, [&](const QString &address, int) {
            order << QStringLiteral("add ") + address;
        });
        connect(&link, &serialdevice::deviceDataUpdated, this, [&](const bleCellState &record, const QString &address) {
            order << QStringLiteral("data ") + address;
            byAddress[address].append(record);
        });
        QCOMPARE(QFileInfo(linkPath).symLinkTarget(), firstLine.mid(prefix.size()));
        // The port setting names the stable link, not the changing terminal.
        link.openSerialPort(linkPath);

        QTRY_VERIFY_WITH_TIMEOUT(byAddress.size() == 3 && byAddress.first().size() >= 10, 10000);
        simulator.kill();
        simulator.waitForFinished();

        QCOMPARE(byAddress.keys(), (QStringList{QStringLiteral("00:80:E1:00:00:01"), QStringLiteral("00:80:E1:00:00:02"),
                                                QStringLiteral("00:80:E1:00:00:03")}));
        for (int i = 0; i < order.size(); i += 2) {
            QVERIFY(order[i].startsWith(QLatin1String("add ")));
            QCOMPARE(order[i + 1].mid(5), order[i].mid(4));
        }
        int cell = 1;
        for (const QVector<bleCellState> &records : qAsConst(byAddress)) {
            QSet<qint16> weights;
            for (const bleCellState &record : records) {
                QCOMPARE(record.cellIndex, quint16(cell));
                QCOMPARE(record.online, quint8(1));
                QVERIFY(cellRssi(record).toInt() <= -45);
                weights.insert(record.curData);
            }
            QVERIFY2(weights.size() > 1, "weights change");
            ++cell;
        }
    }

    void writesToGivenDevice()
    {
        int master = -1;
        int slave = -1;
        char name[128] = {};
        QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);
        ::close(slave);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

        QProcess simulator;
        simulator.start(simulatorPath(), {QStringLiteral("--device"), QString::fromLocal8Bit(name),
                                          QStringLiteral("--cells"), QStringLiteral("2"),
                                          QStringLiteral("--rate"), QStringLiteral("50")});
        QVERIFY(simulator.waitForStarted());

        // The bytes arriving at the other end cut into the two cells' frames.
        QByteArray buffer;
        QSet<QString> addresses;
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
            char chunk[4096];
            const ssize_t got = ::read(master, chunk, sizeof chunk);
            if (got > 0)
                buffer.append(chunk, int(got));
            const auto frames = receiverframe::cutFrames(buffer);
            for (const receiverframe::CellFrame &frame : frames) {
                if (frame.reading)
                    addresses.insert(frame.address);
            }
            return addresses.size() == 2;
        }()), 10000);
        simulator.kill();
        simulator.waitForFinished();
        ::close(master);
        QCOMPARE(addresses, (QSet<QString>{QStringLiteral("00:80:E1:00:00:01"), QStringLiteral("00:80:E1:00:00:02")}));
    }

    void rejectsBadOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no cells") << QStringList{QStringLiteral("--cells"), QStringLiteral("0")};
        QTest::newRow("rate text") << QStringList{QStringLiteral("--rate"), QStringLiteral("fast")};
        QTest::newRow("missing device") << QStringList{QStringLiteral("--device"), QStringLiteral("/nonexistent/tty")};
    }
    void rejectsBadOptions()
    {
        QFETCH(QStringList, arguments);
        QProcess simulator;
        simulator.start(simulatorPath(), arguments);
        QVERIFY(simulator.waitForFinished(5000));
        QCOMPARE(simulator.exitCode(), 2);
        QVERIFY(simulator.readAllStandardError().startsWith("serialsim: "));
    }
};

QTEST_GUILESS_MAIN(TestSerialSim)
#include "tst_serialsim.moc"
