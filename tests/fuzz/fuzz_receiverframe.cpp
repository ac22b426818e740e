// Feeds arbitrary receiver bytes to the serial frame cutter in read-sized
// pieces, the way the port delivers them.
#include "links/receiverframe.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    const QByteArray plain = receiverframe::unstuff(input);
    if (plain.size() > input.size())
        std::abort();

    QByteArray buffer;
    // The first byte chooses the read size, so chunk boundaries vary.
    const int chunk = size > 0 ? 1 + data[0] : 1;
    for (int offset = 0; offset < input.size(); offset += chunk) {
        buffer.append(input.constData() + offset, qMin(chunk, input.size() - offset));
        const QVector<receiverframe::CellFrame> frames = receiverframe::cutFrames(buffer);
        for (const receiverframe::CellFrame &frame : frames) {
            if (!frame.address.startsWith(QLatin1String("00:80:E1:")) || frame.address.size() != 17)
                std::abort();
        }
        if (buffer.size() > receiverframe::MaxPendingBytes)
            std::abort();
    }
    return 0;
}
