#ifndef RECEIVEROUTPUT_H
#define RECEIVEROUTPUT_H

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// Where the simulated receiver writes: a pseudo-terminal of its own, whose
// other end a serial link opens like a real port, or a given serial device.
class ReceiverOutput
{
public:
    ReceiverOutput() = default;
    ~ReceiverOutput();
    ReceiverOutput(const ReceiverOutput &) = delete;
    ReceiverOutput &operator=(const ReceiverOutput &) = delete;

    bool openPseudoTerminal(QString *error);
    bool openDevice(const QString &path, QString *error);

    // The path a serial link opens.
    QString path() const;
    // Bytes nobody reads yet are dropped rather than blocking the simulator.
    void write(const QByteArray &bytes);

private:
    int m_master = -1;
    int m_slave = -1;
    QSerialPort m_port;
    QString m_path;
};

#endif
