#ifndef RECEIVEROUTPUT_H
#define RECEIVEROUTPUT_H

#include <QByteArray>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QString>

#include <memory>

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
    // Never blocks the simulator. On the pseudo-terminal, what the terminal
    // queue cannot take yet follows as the reader drains it; beyond a few
    // seconds of line traffic nobody reads, the oldest bytes are dropped.
    void write(const QByteArray &bytes);

private:
    void flush();

    int m_master = -1;
    int m_slave = -1;
    QSerialPort m_port;
    QString m_path;
    QByteArray m_pending;
    std::unique_ptr<QSocketNotifier> m_writable;
};

#endif
