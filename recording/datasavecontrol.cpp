#include "recording/datasavecontrol.h"

#include "app/localpath.h"

#include <QDebug>
#include <QDir>

#include <cstring>
#include <utility>

namespace {

// Splits the line (without its line end) at "," and returns field number
// column, or an empty view when the line has fewer fields. Only the commas up
// to the wanted field are looked at: a full table records thousands of columns
// and the plot needs one.
QByteArray fieldAt(const QByteArray &line, int column)
{
    const char *begin = line.constData();
    const char *end = begin + line.size();
    for (int i = 0; i < column; ++i) {
        const void *comma = std::memchr(begin, ',', static_cast<size_t>(end - begin));
        if (!comma)
            return QByteArray();
        begin = static_cast<const char *>(comma) + 1;
    }
    const void *comma = std::memchr(begin, ',', static_cast<size_t>(end - begin));
    const char *fieldEnd = comma ? static_cast<const char *>(comma) : end;
    return QByteArray::fromRawData(begin, static_cast<int>(fieldEnd - begin));
}

QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

DataSaveControl::DataSaveControl(QObject *parent)
    : DataSaveControl(&QDateTime::currentDateTime, parent)
{
}

DataSaveControl::DataSaveControl(Clock clock, QObject *parent)
    : QObject(parent), m_clock(std::move(clock)), m_lastWritten(m_clock())
{
}

DataSaveControl::~DataSaveControl() = default;

qulonglong DataSaveControl::saveTick() const
{
    return m_saveTick;
}

void DataSaveControl::setSaveTick(qulonglong saveTick)
{
    if (m_saveTick == saveTick)
        return;
    m_saveTick = saveTick;
    emit saveTickChanged();
}

void DataSaveControl::resetSaveTick()
{
    setSaveTick(0);
}

bool DataSaveControl::saveStart() const
{
    return m_saveStart;
}

void DataSaveControl::setSaveStart(bool saveStart)
{
    if (m_saveStart == saveStart)
        return;
    m_saveStart = saveStart;
    emit saveStartChanged();
}

void DataSaveControl::resetSaveStart()
{
    setSaveStart(false);
}

QString DataSaveControl::savePath() const
{
    return m_savePath;
}

void DataSaveControl::setSavePath(const QString &savePath)
{
    if (m_savePath == savePath)
        return;
    m_savePath = savePath;
    emit savePathChanged();
}

void DataSaveControl::resetSavePath()
{
    setSavePath(QString());
}

QString DataSaveControl::projectPath() const
{
    return m_projectPath;
}

void DataSaveControl::setProjectPath(const QString &projectPath)
{
    if (m_projectPath == projectPath)
        return;
    m_projectPath = projectPath;
    emit projectPathChanged();
}

void DataSaveControl::resetProjectPath()
{
    setProjectPath(QString());
}

QString DataSaveControl::saveDataHeader() const
{
    return m_saveDataHeader;
}

void DataSaveControl::setSaveDataHeader(const QString &saveDataHeader)
{
    if (m_saveDataHeader == saveDataHeader)
        return;
    m_saveDataHeader = saveDataHeader;
    // A file carries one header: other columns need a file of their own.
    m_lineCount = 0;
    emit saveDataHeaderChanged();
}

void DataSaveControl::resetSaveDataHeader()
{
    setSaveDataHeader(QString());
}

void DataSaveControl::saveDataStr(const QString &str, bool creat)
{
    QString fileName;
    if (m_lineCount == 0 || creat) {
        m_lineCount = 0;
        fileName = prepareNewFile();
        qDebug() << "file12:" << fileName << creat;
    }

    const QDateTime now = m_clock();
    // Unsigned on purpose: a clock set back yields a huge gap and keeps
    // recording instead of stalling until the clock catches up.
    const auto elapsed = static_cast<qulonglong>(now.toMSecsSinceEpoch() - m_lastWritten.toMSecsSinceEpoch());
    if (elapsed <= m_saveTick)
        return;
    m_lastWritten = now;

    if (m_lineCount == 0 && !openRecordingFile(fileName)) {
        qDebug() << "warning open err";
        return;
    }

    if (m_lineCount < maxLinesPerFile) {
        const QString line = now.toString(QStringLiteral("yyyy-MM-dd hh_mm_ss_zzz")) + QLatin1Char(',')
                + str + QLatin1Char('\n');
        // Flushed at once: a crash loses at most the line being written.
        if (m_file->write(line.toUtf8()) < 0 || !m_file->flush())
            qDebug() << "warning write err" << m_file->errorString();
        ++m_lineCount;
    } else {
        m_file.reset();
        m_lineCount = 0;
    }
}

QString DataSaveControl::prepareNewFile()
{
    // A file abandoned for a new one is complete: release it now.
    m_file.reset();

    const QStringList stamp = m_clock().toString(QStringLiteral("yyyy-MM-dd hh_mm_ss")).split(QLatin1Char(' '));
    const QStringList date = stamp.at(0).split(QLatin1Char('-'));
    const QString folder = m_projectPath + QStringLiteral("/Data/") + date.at(0) + QLatin1Char('/') + date.at(1)
            + QLatin1Char('/') + date.at(2);
    QDir dir(folder);
    if (!dir.exists())
        qDebug() << "log file:" << dir.mkpath(QStringLiteral("."));
    setSavePath(folder);
    return folder + QLatin1Char('/') + stamp.at(1) + QStringLiteral("user.csv");
}

bool DataSaveControl::openRecordingFile(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_file = std::move(file);
    m_file->write((m_saveDataHeader + QLatin1Char('\n')).toUtf8());
    m_file->flush();
    return true;
}

void DataSaveControl::readDataFromPathErr(const QString &path, double partIndex, const QString &id, int count)
{
    const QString localPath = localPathFromUrl(path);
    qDebug() << "path:" << localPath;

    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "文件打开失败";
        return;
    }
    if (file.atEnd())
        return;

    const QStringList header = QString::fromUtf8(withoutLineEnd(file.readLine())).split(QLatin1Char(','));
    int column = -1;
    for (int i = 0; i < header.size(); ++i) {
        if (header.at(i).section(QLatin1Char('/'), 0, 0) == id) {
            column = i;
            break;
        }
    }
    if (column < 0)
        return;

    while (!file.atEnd()) {
        const QByteArray line = withoutLineEnd(file.readLine());
        const QString time = QString::fromUtf8(fieldAt(line, 0));
        // A line cut short (a crash while writing it) reads as 0 for the
        // missing field rather than past its end.
        const double value = QString::fromUtf8(fieldAt(line, column)).toDouble();
        emit upLoadErrDataSignal(partIndex, time, value, count, id);
    }
}
