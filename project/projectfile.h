#ifndef PROJECTFILE_H
#define PROJECTFILE_H

#include <QByteArray>
#include <QDateTime>
#include <QString>

// File handling of project files: whole reads, saves that leave the previous
// file intact when they fail, and keeping a damaged file aside.
namespace ProjectFile {

// Reads the whole file; false when it cannot be opened or read to its end.
bool readAll(const QString &path, QByteArray *content);

// Replaces the file through a temporary file in the same folder: a save that
// fails at any point leaves the previous file as it was. In a folder that
// takes no new file, a writable project file is written in place instead.
bool writeSafely(const QString &path, const QByteArray &content);

// Keeps a damaged file next to itself as "<file>.damaged-yyyyMMdd-hhmmss"
// (with "-2", "-3"... when that name is taken). The file is copied unchanged;
// one that cannot be copied (unreadable) is moved aside instead. Returns the
// path it is kept under, or an empty text when neither worked.
QString keepAside(const QString &path, const QDateTime &when);

} // namespace ProjectFile

#endif
