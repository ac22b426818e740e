// A figure's values by role, its state colour and its information text:
// member definitions of PlanFigureModel kept apart from placing and storage.
#include "ui/plan/planfiguremodel.h"

#include "app/languageflag.h"
#include "ui/common/cellinfotext.h"

QString PlanFigureModel::cellLabel(const CellRow &row)
{
    return QString::number(row.pageId001) + QLatin1Char('.') + QString::number(row.index001) + QLatin1Char(' ')
        + row.name001;
}

QVariant PlanFigureModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || !validRow(index.row()))
        return QVariant();
    const PlanFigure &figure = m_figures.at(index.row());
    switch (role) {
    case PageIdRole:
        return figure.values.pageId001;
    case IndexRole:
        return figure.values.index001;
    case PosXRole:
        return figure.x;
    case PosYRole:
        return figure.y;
    case StackRole:
        return figure.z;
    case NameRole:
        return figure.values.name001;
    case WidthRole:
        return figure.values.width1;
    case FigureColorRole:
        return figureState(figure).color;
    case StateTextRole:
        return figureState(figure).text;
    case LabelRole:
    case Qt::DisplayRole:
        return cellLabel(figure.values);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> PlanFigureModel::roleNames() const
{
    return {
        {PageIdRole, "pageId001"},
        {IndexRole, "index001"},
        {PosXRole, "posX"},
        {PosYRole, "posY"},
        {StackRole, "stack"},
        {NameRole, "name001"},
        {WidthRole, "width1"},
        {FigureColorRole, "figureColor"},
        {StateTextRole, "stateText"},
        {LabelRole, "label"},
    };
}

FigureState::Result PlanFigureModel::figureState(const PlanFigure &figure) const
{
    const CellRow &v = figure.values;
    const TableRules::Thresholds limits{double(v.minErr001), double(v.minWarn001), double(v.maxWarn001),
                                        double(v.maxErr001)};
    return FigureState::evaluate(v.width1, limits, v.state001, m_columns, m_palette, LanguageFlag::isChinese());
}

QString PlanFigureModel::infoText(int row, const QString &unit) const
{
    if (!validRow(row))
        return QString();
    const PlanFigure &figure = m_figures.at(row);
    return CellInfoText::text(figure.values, figureState(figure).text, unit, LanguageFlag::isChinese());
}
