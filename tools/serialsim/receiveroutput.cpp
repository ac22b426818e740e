#include "tools/serialsim/receiveroutput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

ReceiverOutput::~ReceiverOutput()
{
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
        // A full terminal queue (no reader) answers EAGAIN; those bytes are lost
        // like the radio traffic of a receiver nobody listens to.
        const ssize_t written = ::write(m_master, bytes.constData(), size_t(bytes.size()));
        Q_UNUSED(written)
    } else if (m_port.isOpen()) {
        m_port.write(bytes);
    }
}
