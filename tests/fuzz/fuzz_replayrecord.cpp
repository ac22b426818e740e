// A replay line of any content fills at most the 1024-byte frame buffer.
#include "recording/datasourcelocalthread.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QByteArray buffer(DataSourceLocalThread::frameSize, '\0');
    QString time;
    const int length = DataSourceLocalThread::parseRecord(line, &time, &buffer);
    if (length < 0 || length > DataSourceLocalThread::frameSize || buffer.size() != DataSourceLocalThread::frameSize)
        std::abort();
    return 0;
}
