// Times the line plot's readback of one cell from a recording of a full table:
// 3000 data lines of 3000 cells, the largest file the recorder writes.

#include "recording/datasavecontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int lineCount = DataSaveControl::maxLinesPerFile;
constexpr int columnCount = 3000;

bool writeRecording(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray header("timer,");
    for (int c = 0; c < columnCount; ++c)
        header += "ID:" + QByteArray::number(c / 1000) + '.' + QByteArray::number(c % 1000) + "/1,";
    file.write(header + '\n');
    for (int l = 0; l < lineCount; ++l) {
        QByteArray line = "2024-03-07 14_03_59_" + QByteArray::number(l % 1000).rightJustified(3, '0') + ',';
        for (int c = 0; c < columnCount; ++c)
            line += QByteArray::number((l + c) % 5000 / 10.0) + ',';
        if (file.write(line + '\n') < 0)
            return false;
    }
    return file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("full.csv"));
    if (!dir.isValid() || !writeRecording(fileName)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
        return 1;
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    DataSaveControl recorder;
    int samples = 0;
    QObject::connect(&recorder, &DataSaveControl::upLoadErrDataSignal, [&samples] { ++samples; });

    std::printf("recording: %d lines x %d columns, %lld bytes\n", lineCount, columnCount,
                static_cast<long long>(QFile(fileName).size()));
    const struct { const char *name; QString id; } columns[] = {
        {"first column", QStringLiteral("ID:0.0")},
        {"middle column", QStringLiteral("ID:1.500")},
        {"last column", QStringLiteral("ID:2.999")},
    };
    for (const auto &column : columns) {
        for (int run = 0; run < 3; ++run) {
            samples = 0;
            QElapsedTimer timer;
            timer.start();
            recorder.readDataFromPathErr(fileName, 0, column.id, 0);
            std::printf("%-13s run %d: %6.1f ms, %d samples\n", column.name, run + 1, timer.nsecsElapsed() / 1e6,
                        samples);
        }
    }
    return samples == lineCount ? 0 : 1;
}
