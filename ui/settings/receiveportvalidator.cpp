#include "ui/settings/receiveportvalidator.h"

namespace {

bool digitsOnly(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

ReceivePortValidator::ReceivePortValidator(QObject *parent) : QValidator(parent) {}

QValidator::State ReceivePortValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (!digitsOnly(input))
        return Invalid;
    if (input.isEmpty())
        return Intermediate;
    bool ok = false;
    const qulonglong value = input.toULongLong(&ok);
    if (!ok || value > qulonglong(MaxPort))
        return Invalid;
    return value < qulonglong(MinPort) ? Intermediate : Acceptable;
}

int ReceivePortValidator::portFromText(const QString &text)
{
    if (text.isEmpty() || !digitsOnly(text))
        return 0;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value < qulonglong(MinPort) || value > qulonglong(MaxPort))
        return 0;
    return int(value);
}
