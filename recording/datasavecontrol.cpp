#include "recording/datasavecontrol.h"

#include "app/localpath.h"

#include <QDebug>
#include <QDir>

#include <cstring>
#include <utility>

namespace {

// Field number column of a line whose fields are separated by ",", or a null
// array when the line has fewer fields. Only the commas up to the wanted field
// are looked at: a full table records thousands of columns and the plot needs
// one.
QByteArray fieldAt(const QByteArray &line, int column)
{
    const char *begin = line.constData();
    const char *end = begin + line.size();
    // Fields are a few characters long: a plain loop beats a memchr call per field.
    for (int commas = 0; commas < column; ++begin) {
        if (begin == end)
            return QByteArray();
        if (*begin == ',')
            ++commas;
    }
    const auto *comma = static_cast<const char *>(std::memchr(begin, ',', static_cast<size_t>(end - begin)));
    return QByteArray::fromRawData(begin, static_cast<int>((comma ? comma : end) - begin));
}

QByteArray withoutCarriageReturn(const QByteArray &line)
{
    return line.endsWith('\r') ? QByteArray::fromRawData(line.constData(), line.size() - 1) : line;
}

// Hands every line of the device (without its line end) to handleLine, which
// returns false to stop. Reads in large blocks: a full-table recording is tens
// of megabytes in lines of many kilobytes.
template<typename Handler>
void forEachLine(QIODevice *device, Handler handleLine)
{
    constexpr int blockSize = 1 << 20;
    QByteArray pending;
    QByteArray block(blockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 read = device->read(block.data(), blockSize);
        if (read <= 0)
            break;
        pending.append(block.constData(), static_cast<int>(read));
        int start = 0;
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', start)) {
            if (!handleLine(withoutCarriageReturn(QByteArray::fromRawData(pending.constData() + start, end - start))))
                return;
            start = end + 1;
        }
        pending.remove(0, start);
    }
    if (!pending.isEmpty())
        handleLine(withoutCarriageReturn(pending));
}

// The column whose heading, up to its "/", is id ("ID:1.5/2" is the column of
// ID:1.5), or -1.
int findColumn(const QByteArray &header, const QString &id)
{
    const QStringList headings = QString::fromUtf8(header).split(QLatin1Char(','));
    for (int i = 0; i < headings.size(); ++i) {
        if (headings.at(i).section(QLatin1Char('/'), 0, 0) == id)
            return i;
    }
    return -1;
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
        writeLine(now.toString(QStringLiteral("yyyy-MM-dd hh_mm_ss_zzz")) + QLatin1Char(',') + str);
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
    writeLine(m_saveDataHeader);
    return true;
}

void DataSaveControl::writeLine(const QString &line)
{
    // Flushed at once: a crash loses at most the line being written.
    if (m_file->write((line + QLatin1Char('\n')).toUtf8()) < 0 || !m_file->flush())
        qDebug() << "warning write err" << m_file->errorString();
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
    int column = -1;
    bool header = true;
    forEachLine(&file, [&](const QByteArray &line) {
        if (header) {
            header = false;
            column = findColumn(line, id);
            return column >= 0;
        }
        const QString time = QString::fromUtf8(fieldAt(line, 0));
        // A line cut short (a crash while writing it) reads as 0 for the
        // missing field rather than past its end.
        const double value = QString::fromUtf8(fieldAt(line, column)).toDouble();
        emit upLoadErrDataSignal(partIndex, time, value, count, id);
        return true;
    });
}
