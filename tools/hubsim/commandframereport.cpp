#include "tools/hubsim/commandframereport.h"

#include "links/hubcommandframe.h"

#include <QJsonDocument>

namespace CommandFrameReport {

namespace {

// The display command is a 36-character text: 0x24 0x00 0x03 0x00, the flag
// byte, then zeros. Flag bit 0: digit display off; bit 1: weights shown.
constexpr int DisplayLength = 36;
const QByteArray DisplayStart = QByteArray::fromHex("24000300");

} // namespace

QJsonObject describe(const QByteArray &frame, quint16 expectedTag)
{
    QJsonObject report;
    const HubCommandFrame::Parsed parsed = HubCommandFrame::parse(frame);
    if (!parsed.valid) {
        report.insert(QStringLiteral("kind"), QStringLiteral("invalid"));
        report.insert(QStringLiteral("hex"), QString::fromLatin1(frame.toHex()));
        return report;
    }
    report.insert(QStringLiteral("tag"), parsed.tag);
    report.insert(QStringLiteral("tagMatches"), parsed.tag == expectedTag);
    report.insert(QStringLiteral("sequence"), parsed.sequence);
    report.insert(QStringLiteral("length"), parsed.length);
    report.insert(QStringLiteral("lengthMatches"), parsed.length == (parsed.payload.size() & 0xFFFF));

    const QByteArray &payload = parsed.payload;
    if (payload.size() == DisplayLength && payload.startsWith(DisplayStart)) {
        const int flag = quint8(payload.at(4));
        report.insert(QStringLiteral("kind"), QStringLiteral("display"));
        report.insert(QStringLiteral("flag"), flag);
        report.insert(QStringLiteral("digitDisplayOff"), (flag & 1) != 0);
        report.insert(QStringLiteral("showWeight"), (flag & 2) != 0);
        return report;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()
        && document.object().contains(QStringLiteral("VornCellList"))) {
        report.insert(QStringLiteral("kind"), QStringLiteral("thresholds"));
        report.insert(QStringLiteral("document"), document.object());
        return report;
    }
    report.insert(QStringLiteral("kind"), QStringLiteral("other"));
    report.insert(QStringLiteral("payloadHex"), QString::fromLatin1(payload.toHex()));
    return report;
}

} // namespace CommandFrameReport
