#include "ui/plan/planfigureitem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

// Text caches stay small: a plan shows a few hundred names and weights.
constexpr int TextCacheLimit = 4000;
const QColor NameColour(QStringLiteral("#05033f"));

QFont figureFont(int pixelSize)
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

} // namespace

PlanFigureItem::PlanFigureItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    m_sources.hook.load(QStringLiteral(":/pic/widthmode2.png"));
    m_sources.cell.load(QStringLiteral(":/pic/widthmode.png"));
}

PlanFigureModel *PlanFigureItem::model() const
{
    return m_model;
}

void PlanFigureItem::setModel(PlanFigureModel *model)
{
    if (m_model == model)
        return;
    cancelDrag();
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) {
        const auto repaint = [this] { update(); };
        connect(m_model, &QAbstractItemModel::dataChanged, this, repaint);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, repaint);
        connect(m_model, &QAbstractItemModel::modelReset, this, repaint);
        // Rows move up when one goes: a drag in progress would name another figure.
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] {
            cancelDrag();
            update();
        });
    }
    emit modelChanged();
    update();
}

void PlanFigureItem::resetModel()
{
    setModel(nullptr);
}

PlanPicture *PlanFigureItem::picture() const
{
    return m_picture;
}

void PlanFigureItem::setPicture(PlanPicture *picture)
{
    if (m_picture == picture)
        return;
    if (m_picture)
        disconnect(m_picture, nullptr, this, nullptr);
    m_picture = picture;
    if (m_picture) {
        const auto repaint = [this] { update(); };
        connect(m_picture, &PlanPicture::xChanged, this, repaint);
        connect(m_picture, &PlanPicture::yChanged, this, repaint);
        connect(m_picture, &PlanPicture::scaleChanged, this, repaint);
        connect(m_picture, &PlanPicture::cellSizeChanged, this, repaint);
        connect(m_picture, &PlanPicture::narrowChanged, this, repaint);
    }
    emit pictureChanged();
    update();
}

void PlanFigureItem::resetPicture()
{
    setPicture(nullptr);
}

void PlanFigureItem::setPictureSize(const QSizeF &size)
{
    if (m_pictureSize == size)
        return;
    m_pictureSize = size;
    emit pictureSizeChanged();
    update();
}

void PlanFigureItem::resetPictureSize()
{
    setPictureSize(QSizeF());
}

void PlanFigureItem::setUnit(const QString &unit)
{
    if (m_unit == unit)
        return;
    m_unit = unit;
    emit unitChanged();
    update();
}

void PlanFigureItem::resetUnit()
{
    setUnit(QStringLiteral("KG"));
}

PlanFigureLayout::Parts PlanFigureItem::partsOf(const PlanFigure &figure) const
{
    return PlanFigureLayout::parts(QPointF(m_picture->x(), m_picture->y()), m_picture->scale(),
                                   QPointF(figure.x, figure.y), m_picture->cellWidth(), m_picture->cellHeight(),
                                   m_picture->narrow());
}

QVector<int> PlanFigureItem::paintOrder() const
{
    QVector<int> order;
    if (!m_model || !m_picture || !pictureShown())
        return order;
    const QVector<PlanFigure> &figures = m_model->figures();
    order.reserve(figures.size());
    for (int row = 0; row < figures.size(); ++row)
        order.append(row);
    std::stable_sort(order.begin(), order.end(),
                     [&figures](int a, int b) { return figures.at(a).z < figures.at(b).z; });
    return order;
}

int PlanFigureItem::figureAt(double x, double y) const
{
    const QVector<int> order = paintOrder();
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (partsOf(m_model->figures().at(*it)).whole.contains(QPointF(x, y)))
            return *it;
    }
    return -1;
}

QRectF PlanFigureItem::figureRect(int row) const
{
    if (!m_model || !m_picture || row < 0 || row >= m_model->figures().size())
        return QRectF();
    return partsOf(m_model->figures().at(row)).whole;
}

QRectF PlanFigureItem::trashRect() const
{
    if (!m_picture)
        return QRectF();
    const double scale = m_picture->scale();
    const double side = trashSize();
    return QRectF(m_picture->x() + (m_pictureSize.width() - side) * scale,
                  m_picture->y() + (m_pictureSize.height() - side) * scale, side * scale, side * scale);
}

bool PlanFigureItem::onPicture(double x, double y) const
{
    if (!m_picture || !pictureShown())
        return false;
    return QRectF(m_picture->x(), m_picture->y(), m_pictureSize.width() * m_picture->scale(),
                  m_pictureSize.height() * m_picture->scale())
        .contains(QPointF(x, y));
}

bool PlanFigureItem::overTrash(int row) const
{
    return pictureShown() && figureRect(row).intersects(trashRect());
}

int PlanFigureItem::beginDrag(double x, double y)
{
    const int row = figureAt(x, y);
    if (row >= 0) {
        m_grab = QPointF(x, y);
        m_start = QPoint(m_model->figures().at(row).x, m_model->figures().at(row).y);
    }
    setDragRow(row);
    return row;
}

void PlanFigureItem::dragTo(double x, double y)
{
    if (m_dragRow < 0 || !m_picture || m_picture->scale() <= 0)
        return;
    const QPointF moved = (QPointF(x, y) - m_grab) / m_picture->scale();
    m_model->moveTo(m_dragRow, m_start.x() + moved.x(), m_start.y() + moved.y());
    setTrashActive(overTrash(m_dragRow));
}

bool PlanFigureItem::endDrag()
{
    const int row = m_dragRow;
    const bool dropOnTrash = row >= 0 && overTrash(row);
    setTrashActive(false);
    setDragRow(-1);
    if (dropOnTrash)
        m_model->removeAt(row);
    return dropOnTrash;
}

void PlanFigureItem::cancelDrag()
{
    setTrashActive(false);
    setDragRow(-1);
}

void PlanFigureItem::setDragRow(int row)
{
    if (m_dragRow == row)
        return;
    m_dragRow = row;
    emit draggedRowChanged();
}

void PlanFigureItem::setTrashActive(bool active)
{
    if (m_trashActive == active)
        return;
    m_trashActive = active;
    emit trashActiveChanged();
}

const QImage &PlanFigureItem::scaled(const QImage &source, QImage &cache, const QSize &size) const
{
    if (cache.size() != size && !size.isEmpty())
        cache = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return cache;
}

const QStaticText &PlanFigureItem::text(QHash<QString, QStaticText> &cache, const QString &value, double width) const
{
    auto it = cache.constFind(value);
    if (it != cache.constEnd())
        return *it;
    if (cache.size() > TextCacheLimit)
        cache.clear();
    const QFont font = figureFont(m_textSize);
    QStaticText staticText(QFontMetricsF(font).elidedText(value, Qt::ElideRight, width));
    staticText.setTextFormat(Qt::PlainText);
    staticText.prepare(QTransform(), font);
    return *cache.insert(value, staticText);
}

QColor PlanFigureItem::colour(const QString &name) const
{
    auto it = m_colours.constFind(name);
    if (it == m_colours.constEnd())
        it = m_colours.insert(name, QColor(name));
    return *it;
}

void PlanFigureItem::paint(QPainter *painter)
{
    const QVector<int> order = paintOrder();
    if (order.isEmpty())
        return;
    const QRectF bounds(0, 0, width(), height());
    const QVector<PlanFigure> &figures = m_model->figures();
    bool fontSet = false;
    for (int row : order) {
        const PlanFigure &figure = figures.at(row);
        const PlanFigureLayout::Parts parts = partsOf(figure);
        if (!parts.whole.intersects(bounds))
            continue;
        // Texts are laid out once per size and width, then re-used.
        if (parts.textSize != m_textSize || !qFuzzyCompare(parts.bar.width(), m_textWidth)) {
            m_textSize = parts.textSize;
            m_textWidth = parts.bar.width();
            m_names.clear();
            m_weights.clear();
            fontSet = false;
        }
        if (!fontSet) {
            painter->setFont(figureFont(m_textSize));
            fontSet = true;
        }
        const QColor state = colour(m_model->figureState(figure).color);
        painter->drawImage(parts.hook.topLeft(), scaled(m_sources.hook, m_scaled.hook, parts.hook.size().toSize()));
        if (!parts.name.isEmpty()) {
            const QStaticText &name = text(m_names, figure.values.name001, parts.name.width());
            painter->setPen(NameColour);
            painter->drawStaticText(QPointF(parts.name.center().x() - name.size().width() / 2,
                                            parts.name.center().y() - name.size().height() / 2),
                                    name);
        }
        painter->fillRect(parts.square, state);
        painter->drawImage(parts.square.topLeft(), scaled(m_sources.cell, m_scaled.cell, parts.square.size().toSize()));
        painter->fillRect(parts.bar, state);
        const QStaticText &weight = text(m_weights, QString::number(figure.values.width1) + m_unit, parts.bar.width());
        painter->setPen(Qt::white);
        painter->drawStaticText(QPointF(parts.bar.center().x() - weight.size().width() / 2,
                                        parts.bar.center().y() - weight.size().height() / 2),
                                weight);
    }
}
