#ifndef FILEBYTES_H
#define FILEBYTES_H

#include <QByteArray>
#include <QFile>
#include <QString>

// A whole file's bytes, read or written in one go: empty when unreadable, false when not all written.
inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

#endif
