// Data lines of any content read back as one sample each, never past a line.
#include "recording/datasavecontrol.h"

#include <QTemporaryDir>

#include <cstdlib>

static QTemporaryDir *folder = nullptr;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    folder = new QTemporaryDir;
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The fuzzed bytes are the data lines below a header that names the cell.
    const QByteArray lines = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QString fileName = folder->filePath(QStringLiteral("r.csv"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write("timer,ID:1.0/0,ID:1.1/0,\n") < 0
        || file.write(lines) != lines.size())
        std::abort();
    file.close();

    DataSaveControl recorder;
    int samples = 0;
    QObject::connect(&recorder, &DataSaveControl::upLoadErrDataSignal, [&samples] { ++samples; });
    recorder.readDataFromPathErr(fileName, 0, QStringLiteral("ID:1.1"), 0);

    const int expected = lines.count('\n') + (lines.isEmpty() || lines.endsWith('\n') ? 0 : 1);
    if (samples != expected)
        std::abort();
    return 0;
}
