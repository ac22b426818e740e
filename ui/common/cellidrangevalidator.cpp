#include "ui/common/cellidrangevalidator.h"

#include "ui/common/cellidrange.h"

CellIdRangeValidator::CellIdRangeValidator(QObject *parent) : QValidator(parent)
{
}

QValidator::State CellIdRangeValidator::validate(QString &input, int &) const
{
    return CellIdRange::check(input);
}
