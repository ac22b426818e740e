#ifndef CELLIDRANGEVALIDATOR_H
#define CELLIDRANGEVALIDATOR_H

#include <QValidator>

// A range field ("1.05-2.07") takes only what can still become a range.
class CellIdRangeValidator : public QValidator
{
    Q_OBJECT

public:
    explicit CellIdRangeValidator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};

#endif
