#include "ui/common/colouredrowmodel.h"

#include "app/languagenotice.h"

ColouredRowModel::ColouredRowModel(QObject *parent) : CellRowModel(parent)
{
    // State and type texts follow the interface language.
    connect(LanguageNotice::instance(), &LanguageNotice::languageChanged, this, &ColouredRowModel::announceAllChanged);
}

void ColouredRowModel::recolor()
{
    announceAllChanged();
}

void ColouredRowModel::setColor(QString &field, const QString &color)
{
    if (field == color)
        return;
    field = color;
    emit paletteChanged();
    recolor();
}

void ColouredRowModel::setUnderloadColor(const QString &color)
{
    setColor(m_palette.underload3, color);
}

void ColouredRowModel::resetUnderloadColor()
{
    setUnderloadColor(TableRules::Palette().underload3);
}

void ColouredRowModel::setOverloadColor(const QString &color)
{
    setColor(m_palette.overload4, color);
}

void ColouredRowModel::resetOverloadColor()
{
    setOverloadColor(TableRules::Palette().overload4);
}

void ColouredRowModel::setUnderwarnColor(const QString &color)
{
    setColor(m_palette.underwarn7, color);
}

void ColouredRowModel::resetUnderwarnColor()
{
    setUnderwarnColor(TableRules::Palette().underwarn7);
}

void ColouredRowModel::setOverwarnColor(const QString &color)
{
    setColor(m_palette.overwarn8, color);
}

void ColouredRowModel::resetOverwarnColor()
{
    setOverwarnColor(TableRules::Palette().overwarn8);
}

void ColouredRowModel::setColumn(bool &field, int value)
{
    // Only the two switch values mean anything; others are ignored.
    if (value != ColumnShown && value != ColumnHidden)
        return;
    const bool shown = value == ColumnShown;
    if (field == shown)
        return;
    field = shown;
    emit columnsChanged();
    recolor();
}

void ColouredRowModel::setRect3(int value)
{
    setColumn(m_columns.underAlarm, value);
}

void ColouredRowModel::resetRect3()
{
    setRect3(ColumnShown);
}

void ColouredRowModel::setRect4(int value)
{
    setColumn(m_columns.overAlarm, value);
}

void ColouredRowModel::resetRect4()
{
    setRect4(ColumnShown);
}

void ColouredRowModel::setRect7(int value)
{
    setColumn(m_columns.underWarn, value);
}

void ColouredRowModel::resetRect7()
{
    setRect7(ColumnShown);
}

void ColouredRowModel::setRect8(int value)
{
    setColumn(m_columns.overWarn, value);
}

void ColouredRowModel::resetRect8()
{
    setRect8(ColumnShown);
}
