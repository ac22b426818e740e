#include "links/blecellstate.h"
#include "links/cellpayload.h"
#include "links/receiverframe.h"
#include "links/serialdevice.h"
#include "links/serialportchoice.h"

#include <QtTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SerialPortDescription)

namespace {

// A raw pseudo-terminal: the link opens the slave by its path, the test writes
// receiver bytes into the master.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) {
            path = QString::fromLocal8Bit(name);
            termios raw;
            tcgetattr(m_master, &raw);
            cfmakeraw(&raw);
            tcsetattr(m_master, TCSANOW, &raw);
        }
    }
    ~PseudoTerminal() { ::close(m_master), ::close(m_slave); }
    bool write(const QByteArray &bytes) const
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    QString path;

private:
    int m_master = -1;
    int m_slave = -1;
};

// Marker-free bytes that push the frames before them over the parse threshold.
const QByteArray Flush(130, '\x11');

QByteArray cellFrame(quint16 index, qint16 weight)
{
    return receiverframe::build(Q_UINT64_C(0x0080E1000000) + index, -55, cellpayload::encode({0, index, 0, weight, 64}));
}

// The link's signals in the order they arrive.
struct SignalLog
{
    explicit SignalLog(serialdevice &link)
    {
        QObject::connect(&link, &serialdevice::bleAddOnlineDevice, [this](const QString &address, int index) {
            events << QStringLiteral("add %1 %2").arg(address).arg(index);
        });
        QObject::connect(&link, &serialdevice::deviceDataUpdated, [this](const bleCellState &record, const QString &address) {
            events << QStringLiteral("data %1").arg(address);
            records.append(record);
        });
    }
    QStringList events;
    QVector<bleCellState> records;
};

} // namespace

class TestSerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void portChoice_data()
    {
        const QString generic = QStringLiteral("USB 串行设备");
        const SerialPortDescription first{"COM5", generic, "Microsoft"}, second{"COM9", generic, "Microsoft"};
        const SerialPortDescription otherMaker{"COM3", generic, "Prolific"}, english{"COM4", "USB Serial", "Microsoft"};
        QTest::addColumn<QVector<SerialPortDescription>>("ports");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("no ports") << QVector<SerialPortDescription>{} << "COM27";
        QTest::newRow("generic driver") << QVector<SerialPortDescription>{english, first} << "COM5";
        QTest::newRow("other manufacturer") << QVector<SerialPortDescription>{otherMaker} << "COM27";
        QTest::newRow("English description") << QVector<SerialPortDescription>{english} << "COM27";
        QTest::newRow("first match wins") << QVector<SerialPortDescription>{otherMaker, second, first} << "COM9";
    }
    void portChoice()
    {
        QFETCH(QVector<SerialPortDescription>, ports);
        QFETCH(QString, chosen);
        QCOMPARE(chooseSerialPort(QStringLiteral("COM27"), ports), chosen);
    }

    void receivesFramesFromPseudoTerminal()
    {
        PseudoTerminal pty;
        QVERIFY(!pty.path.isEmpty());
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(pty.path);
        // The second cell's weight 0xBC is stuffed; a damaged payload between
        // the frames is dropped without holding back the frame behind it.
        QByteArray damaged = receiverframe::unstuff(cellFrame(8, 80));
        damaged[receiverframe::PayloadOffset + 12] = char(0x7F);
        QVERIFY(pty.write(cellFrame(1, 100) + cellFrame(2, 0xBC) + receiverframe::stuff(damaged)));
        QVERIFY(pty.write(QByteArray::fromHex("00ff") + cellFrame(3, -300) + Flush));

        QTRY_COMPARE(log.records.size(), 3);
        QCOMPARE(log.events, (QStringList{"add 00:80:E1:00:00:01 1", "data 00:80:E1:00:00:01",
                                          "add 00:80:E1:00:00:02 2", "data 00:80:E1:00:00:02",
                                          "add 00:80:E1:00:00:03 3", "data 00:80:E1:00:00:03"}));
        QCOMPARE(log.records[1].curData, qint16(0xBC));
        QCOMPARE(log.records[2].curData, qint16(-300));
        QCOMPARE(log.records[2].battery, quint8(64));
        QCOMPARE(cellRssi(log.records[2]), QStringLiteral("-55"));
    }

    void emptyNameFallsBackToComAndASecondOpenConnectsOnce()
    {
        PseudoTerminal pty, other;
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(QStringLiteral("/nonexistent/tty"));
        link.setCom(pty.path);
        link.openSerialPort(QString());
        link.openSerialPort(other.path);
        QVERIFY(pty.write(cellFrame(4, 40) + Flush));
        QTRY_COMPARE(log.records.size(), 1);
        QVERIFY(pty.write(cellFrame(5, 50) + Flush));
        QTRY_COMPARE(log.records.size(), 2);
        QCOMPARE(log.events.size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestSerialDevice)
#include "tst_serialdevice.moc"
