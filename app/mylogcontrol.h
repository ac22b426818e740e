#ifndef MYLOGCONTROL_H
#define MYLOGCONTROL_H

#include <QString>
#include <QtGlobal>

// One plain-text log file per run under "<base>/log". Once logSysInit() has
// opened the file, every Qt message of the process is appended to it.
namespace mylogcontrol {

void setBaseDirectory(const QString &directory);
QString baseDirectory();

// Creates the log folder and file and installs the message handler; returns
// whether the file could be opened (the handler is installed only then).
bool logSysInit();

// The path of this run's file, empty before a successful logSysInit().
QString logFilePath();

// The line written for one message, without reading the clock.
QString formatLine(QtMsgType type, const QMessageLogContext &context, const QString &text,
                   const QString &time);

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text);

} // namespace mylogcontrol

#endif
