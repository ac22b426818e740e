#include "tools/serialsim/receiveroutput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// About five seconds of a 460800-baud line.
constexpr int MaxPending = 256 * 1024;

} // namespace

ReceiverOutput::~ReceiverOutput()
{
    m_writable.reset();
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool ReceiverOutput::openPseudoTerminal(QString *error)
{
    char name[128] = {};
    termios raw;
    std::memset(&raw, 0, sizeof raw);
    cfmakeraw(&raw);
    cfsetspeed(&raw, B460800);
    // The simulator keeps the terminal side open too, so the pseudo-terminal
    // exists before and between the program's opens; raw mode keeps the bytes
    // intact and echo off.
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_writable = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Write);
    m_writable->setEnabled(false);
    QObject::connect(m_writable.get(), &QSocketNotifier::activated, [this] { flush(); });
    m_path = QString::fromLocal8Bit(name);
    return true;
}

bool ReceiverOutput::openDevice(const QString &path, QString *error)
{
    m_port.setPortName(path);
    m_port.setBaudRate(460800);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::WriteOnly)) {
        *error = m_port.errorString();
        return false;
    }
    m_path = path;
    return true;
}

QString ReceiverOutput::path() const
{
    return m_path;
}

void ReceiverOutput::write(const QByteArray &bytes)
{
    if (m_master >= 0) {
        // A tick of many cells is larger than the terminal queue; the rest
        // goes out as the reader makes room, so every cell is heard.
        m_pending += bytes;
        if (m_pending.size() > MaxPending)
            m_pending.remove(0, m_pending.size() - MaxPending);
        flush();
    } else if (m_port.isOpen()) {
        m_port.write(bytes);
    }
}

void ReceiverOutput::flush()
{
    while (!m_pending.isEmpty()) {
        const ssize_t written = ::write(m_master, m_pending.constData(), size_t(m_pending.size()));
        if (written <= 0)
            break;
        m_pending.remove(0, int(written));
    }
    m_writable->setEnabled(!m_pending.isEmpty());
}
