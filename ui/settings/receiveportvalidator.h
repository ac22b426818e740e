#ifndef RECEIVEPORTVALIDATOR_H
#define RECEIVEPORTVALIDATOR_H

#include <QValidator>

// The receive-port field of the settings page takes digits only and a port
// from 1 to 65535. A value beyond 65535 cannot be typed at all, so it never
// reaches the hub link, truncated or otherwise; an empty field or 0 may stand
// while the operator edits but configures nothing.
class ReceivePortValidator : public QValidator
{
    Q_OBJECT

public:
    static constexpr int MinPort = 1;
    static constexpr int MaxPort = 65535;

    explicit ReceivePortValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The port the text names, or 0 when the text is not an acceptable port.
    static int portFromText(const QString &text);
    Q_INVOKABLE int port(const QString &text) const { return portFromText(text); }
};

#endif
