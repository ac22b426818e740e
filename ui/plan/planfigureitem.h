#ifndef PLANFIGUREITEM_H
#define PLANFIGUREITEM_H

#include "ui/plan/planfigurelayout.h"
#include "ui/plan/planfiguremodel.h"
#include "ui/plan/planpicture.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QStaticText>

// Paints every figure of one plan over the plan's area, in stacking order
// (then row order), at the picture's position and scale, and only while the
// picture has a size. One item for all figures keeps a refresh of hundreds of
// them to one repaint. It also finds the figure under the mouse and carries a
// figure's drag: the figure follows the mouse at the picture's scale, the
// trash in the picture's bottom-right corner grows while the figure overlaps
// it, and a drop there removes the figure. Coordinates are the item's own.
class PlanFigureItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(PlanFigureModel *model READ model WRITE setModel RESET resetModel NOTIFY modelChanged)
    Q_PROPERTY(PlanPicture *picture READ picture WRITE setPicture RESET resetPicture NOTIFY pictureChanged)
    // The picture's own size; empty while there is no picture to show.
    Q_PROPERTY(QSizeF pictureSize READ pictureSize WRITE setPictureSize RESET resetPictureSize NOTIFY pictureSizeChanged)
    Q_PROPERTY(bool pictureShown READ pictureShown NOTIFY pictureSizeChanged)
    Q_PROPERTY(QString unit READ unit WRITE setUnit RESET resetUnit NOTIFY unitChanged)
    Q_PROPERTY(int draggedRow READ draggedRow NOTIFY draggedRowChanged)
    Q_PROPERTY(bool trashActive READ trashActive NOTIFY trashActiveChanged)
    // The trash's side in the picture's coordinates: 50, 75 while a figure is over it.
    Q_PROPERTY(double trashSize READ trashSize NOTIFY trashActiveChanged)

public:
    static constexpr double TrashSize = 50;
    static constexpr double TrashGrownSize = 75;

    explicit PlanFigureItem(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    PlanFigureModel *model() const;
    void setModel(PlanFigureModel *model);
    void resetModel();
    PlanPicture *picture() const;
    void setPicture(PlanPicture *picture);
    void resetPicture();
    QSizeF pictureSize() const { return m_pictureSize; }
    void setPictureSize(const QSizeF &size);
    void resetPictureSize();
    bool pictureShown() const { return !m_pictureSize.isEmpty(); }
    QString unit() const { return m_unit; }
    void setUnit(const QString &unit);
    void resetUnit();
    int draggedRow() const { return m_dragRow; }
    bool trashActive() const { return m_trashActive; }
    double trashSize() const { return m_trashActive ? TrashGrownSize : TrashSize; }

    // The topmost figure at a point, -1 for none.
    Q_INVOKABLE int figureAt(double x, double y) const;
    Q_INVOKABLE QRectF figureRect(int row) const;
    Q_INVOKABLE QRectF trashRect() const;
    Q_INVOKABLE bool onPicture(double x, double y) const;
    // A press: the figure under it starts to be dragged; answers its row or -1.
    Q_INVOKABLE int beginDrag(double x, double y);
    Q_INVOKABLE void dragTo(double x, double y);
    // The drop: over the trash the figure leaves the plan (answers true).
    Q_INVOKABLE bool endDrag();
    Q_INVOKABLE void cancelDrag();

signals:
    void modelChanged();
    void pictureChanged();
    void pictureSizeChanged();
    void unitChanged();
    void draggedRowChanged();
    void trashActiveChanged();

private:
    struct Pictures
    {
        QImage hook;
        QImage cell;
    };

    PlanFigureLayout::Parts partsOf(const PlanFigure &figure) const;
    QVector<int> paintOrder() const;
    bool overTrash(int row) const;
    void setDragRow(int row);
    void setTrashActive(bool active);
    const QImage &scaled(const QImage &source, QImage &cache, const QSize &size) const;
    const QStaticText &text(QHash<QString, QStaticText> &cache, const QString &value, double width) const;
    QColor colour(const QString &name) const;

    QPointer<PlanFigureModel> m_model;
    QPointer<PlanPicture> m_picture;
    QSizeF m_pictureSize;
    QString m_unit = QStringLiteral("KG");
    int m_dragRow = -1;
    QPointF m_grab;
    QPoint m_start;
    bool m_trashActive = false;

    // What painting re-uses from frame to frame.
    Pictures m_sources;
    mutable Pictures m_scaled;
    mutable QHash<QString, QStaticText> m_names;
    mutable QHash<QString, QStaticText> m_weights;
    mutable QHash<QString, QColor> m_colours;
    mutable int m_textSize = 0;
    mutable double m_textWidth = 0;
};

#endif
