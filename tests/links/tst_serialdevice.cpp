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

// A pseudo-terminal pair: the link opens the slave by its path, the test
// writes receiver bytes into the master.
class PseudoTerminal
{
public:
    PseudoTerminal()
    {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) {
            m_path = QString::fromLocal8Bit(name);
            termios raw;
            tcgetattr(m_master, &raw);
            cfmakeraw(&raw);
            tcsetattr(m_master, TCSANOW, &raw);
        }
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    QString path() const { return m_path; }
    bool write(const QByteArray &bytes) const
    {
        return ::write(m_master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

// Bytes without markers that push the frames before them over the parse threshold.
const QByteArray Flush(130, '\x11');

QByteArray cellFrame(quint16 index, qint16 weight, quint64 address)
{
    cellpayload::CellReading reading;
    reading.cellIndex = index;
    reading.weight = weight;
    reading.boxType = 5;
    reading.battery = 64;
    return receiverframe::build(address, -55, cellpayload::encode(reading));
}

// Records the link's signals in the order they arrive.
struct SignalLog
{
    QStringList events;
    QVector<bleCellState> records;

    explicit SignalLog(serialdevice &link)
    {
        QObject::connect(&link, &serialdevice::bleAddOnlineDevice, [this](const QString &address, int index) {
            events << QStringLiteral("add %1 %2").arg(address).arg(index);
        });
        QObject::connect(&link, &serialdevice::deviceDataUpdated, [this](const bleCellState &record, const QString &address) {
            events << QStringLiteral("data %1 %2").arg(address).arg(record.cellIndex);
            records.append(record);
        });
    }
};

} // namespace

class TestSerialDevice : public QObject
{
    Q_OBJECT

private slots:
    void portChoice_data()
    {
        const SerialPortDescription generic{QStringLiteral("COM5"), QStringLiteral("USB 串行设备"), QStringLiteral("Microsoft")};
        const SerialPortDescription otherMaker{QStringLiteral("COM3"), QStringLiteral("USB 串行设备"), QStringLiteral("Prolific")};
        const SerialPortDescription english{QStringLiteral("COM4"), QStringLiteral("USB Serial Device"), QStringLiteral("Microsoft")};
        const SerialPortDescription second{QStringLiteral("COM9"), QStringLiteral("USB 串行设备"), QStringLiteral("Microsoft")};

        QTest::addColumn<QVector<SerialPortDescription>>("ports");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("no ports") << QVector<SerialPortDescription>{} << QStringLiteral("COM27");
        QTest::newRow("generic driver") << QVector<SerialPortDescription>{english, generic} << QStringLiteral("COM5");
        QTest::newRow("other manufacturer") << QVector<SerialPortDescription>{otherMaker} << QStringLiteral("COM27");
        QTest::newRow("English description") << QVector<SerialPortDescription>{english} << QStringLiteral("COM27");
        QTest::newRow("first match wins") << QVector<SerialPortDescription>{otherMaker, second, generic} << QStringLiteral("COM9");
    }
    void portChoice()
    {
        QFETCH(QVector<SerialPortDescription>, ports);
        QFETCH(QString, chosen);
        QCOMPARE(chooseSerialPort(QStringLiteral("COM27"), ports), chosen);
    }

    void comProperty()
    {
        serialdevice link;
        QVERIFY(!link.owner());
        QSignalSpy changed(&link, &serialdevice::comChanged);
        link.setCom(QStringLiteral("COM27"));
        link.setCom(QStringLiteral("COM27"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(link.property("com").toString(), QStringLiteral("COM27"));
        link.resetCom();
        link.resetCom();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(link.com(), QString());
    }

    void receivesFramesFromPseudoTerminal()
    {
        PseudoTerminal pty;
        QVERIFY(!pty.path().isEmpty());
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(pty.path());

        // Three cells, the second with weight 0xBC so its payload is stuffed; the
        // trailing bytes push the last frame over the parse threshold.
        QVERIFY(pty.write(cellFrame(1, 100, Q_UINT64_C(0x0080E1000001))));
        QVERIFY(pty.write(cellFrame(2, 0xBC, Q_UINT64_C(0x0080E1000002)) + QByteArray::fromHex("00ff")));
        QVERIFY(pty.write(cellFrame(3, -300, Q_UINT64_C(0x0080E126D3AA))));
        QVERIFY(pty.write(Flush));

        QTRY_COMPARE(log.records.size(), 3);
        QCOMPARE(log.events, (QStringList{
            QStringLiteral("add 00:80:E1:00:00:01 1"), QStringLiteral("data 00:80:E1:00:00:01 1"),
            QStringLiteral("add 00:80:E1:00:00:02 2"), QStringLiteral("data 00:80:E1:00:00:02 2"),
            QStringLiteral("add 00:80:E1:26:D3:AA 3"), QStringLiteral("data 00:80:E1:26:D3:AA 3")}));
        QCOMPARE(log.records[1].curData, qint16(0xBC));
        QCOMPARE(log.records[2].curData, qint16(-300));
        QCOMPARE(log.records[2].online, quint8(1));
        QCOMPARE(log.records[2].errorNb, quint8(0));
        QCOMPARE(log.records[2].boxType, quint16(5));
        QCOMPARE(log.records[2].battery, quint8(64));
        QCOMPARE(cellAddress(log.records[2]), QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(cellRssi(log.records[2]), QStringLiteral("-55"));
    }

    void damagedFrameIsDropped()
    {
        PseudoTerminal pty;
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(pty.path());
        QByteArray damaged = receiverframe::unstuff(cellFrame(8, 80, Q_UINT64_C(0x0080E1000008)));
        damaged[receiverframe::PayloadOffset + 12] = char(0x7F);  // the weight's low byte
        QVERIFY(pty.write(receiverframe::stuff(damaged) + cellFrame(9, 90, Q_UINT64_C(0x0080E1000009))
                          + Flush));
        QTRY_COMPARE(log.records.size(), 1);
        QCOMPARE(log.events, (QStringList{QStringLiteral("add 00:80:E1:00:00:09 9"),
                                          QStringLiteral("data 00:80:E1:00:00:09 9")}));
    }

    void emptyNameFallsBackToCom()
    {
        PseudoTerminal pty;
        serialdevice link;
        SignalLog log(link);
        link.setCom(pty.path());
        link.openSerialPort(QString());
        QVERIFY(pty.write(cellFrame(4, 40, Q_UINT64_C(0x0080E1000004)) + Flush));
        QTRY_COMPARE(log.records.size(), 1);
        QCOMPARE(log.records[0].cellIndex, quint16(4));
    }

    void secondOpenKeepsReceiving()
    {
        PseudoTerminal pty;
        PseudoTerminal other;
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(pty.path());
        link.openSerialPort(other.path());
        QVERIFY(pty.write(cellFrame(6, 60, Q_UINT64_C(0x0080E1000006)) + Flush));
        QTRY_COMPARE(log.records.size(), 1);
        // Still one record per frame: the second open did not connect twice.
        QVERIFY(pty.write(cellFrame(7, 70, Q_UINT64_C(0x0080E1000007)) + Flush));
        QTRY_COMPARE(log.records.size(), 2);
        QTest::qWait(50);
        QCOMPARE(log.records.size(), 2);
    }

    void missingPortStaysSilent()
    {
        QTemporaryDir dir;
        serialdevice link;
        SignalLog log(link);
        link.openSerialPort(dir.filePath(QStringLiteral("no-such-port")));
        QTest::qWait(20);
        QVERIFY(log.events.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialDevice)
#include "tst_serialdevice.moc"
