#include "tools/hubsim/replaywriter.h"

#include <QDir>
#include <QSaveFile>

QString ReplayWriter::fileName()
{
    return QStringLiteral("hubsim.csv");
}

QString ReplayWriter::timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd hh_mm_ss_zzz"));
}

QByteArray ReplayWriter::line(const QString &time, const QByteArray &datagram)
{
    QByteArray text = time.toUtf8();
    text.reserve(text.size() + 4 * datagram.size() + 1);
    for (char byte : datagram) {
        text.append(',');
        text.append(QByteArray::number(quint8(byte)));
    }
    text.append('\n');
    return text;
}

bool ReplayWriter::write(const QString &folder, QVector<SimulatedHub> &hubs, int ticks, double rate,
                         const QDateTime &start, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return false;
    }
    QSaveFile file(QDir(folder).filePath(fileName()));
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    const double seconds = 1.0 / rate;
    for (int tick = 0; tick < ticks; ++tick) {
        const QString time = timeText(start.addMSecs(qint64(tick * seconds * 1000)));
        for (SimulatedHub &hub : hubs) {
            hub.step(seconds);
            file.write(line(time, hub.nextDatagram()));
        }
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}
