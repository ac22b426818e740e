#include "app/mylogcontrol.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace mylogcontrol {
namespace {

QString g_baseDirectory;
QFile *g_logFile = nullptr; // lives until the process ends, like the handler that uses it
QMutex g_writeMutex;        // lines from the replay worker and Bluetooth threads never interleave

const char *levelName(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "Debug   ";
    case QtWarningMsg:
        return "Warning ";
    case QtCriticalMsg:
        return "Critical";
    case QtFatalMsg:
        return "Fatal   ";
    case QtInfoMsg:
        return "Info    ";
    }
    return "Debug   ";
}

} // namespace

void setBaseDirectory(const QString &directory)
{
    g_baseDirectory = directory;
}

QString baseDirectory()
{
    return g_baseDirectory;
}

QString logFilePath()
{
    return g_logFile ? g_logFile->fileName() : QString();
}

QString formatLine(QtMsgType type, const QMessageLogContext &context, const QString &text,
                   const QString &time)
{
    return QStringLiteral("%1 | %6 | %2:%3, %4 | %5\n")
        .arg(QLatin1String(levelName(type)),
             QString::fromUtf8(context.file ? context.file : ""),
             QString::number(context.line),
             QString::fromUtf8(context.function ? context.function : ""),
             text, time);
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QString time =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss:zzz ddd"));
    const QString line = formatLine(type, context, text, time);
    QMutexLocker lock(&g_writeMutex);
    QTextStream stream(g_logFile);
    stream.setCodec("UTF-8");
    stream << line;
}

bool logSysInit()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh_mm_ss"));
    const QString directory = g_baseDirectory + QStringLiteral("/log");
    if (!QDir(directory).exists())
        qDebug() << QDir().mkpath(directory);

    auto *file = new QFile(directory + QStringLiteral("/") + stamp + QStringLiteral("_log.txt"));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        delete file;
        return false;
    }
    g_logFile = file;
    qInstallMessageHandler(messageHandler);
    return true;
}

} // namespace mylogcontrol
