#ifndef PLANPICTURE_H
#define PLANPICTURE_H

#include <QObject>
#include <QString>

class MyJson;

// The background of one plan and how it is shown: the picture's source as
// stored ("planPic"), its position and scale, the size of every cell figure
// and whether names are shown. A stored picture file that no longer exists
// leaves the plan without a picture (`shownSource` empty) until another is
// chosen; the stored source is kept, so the picture comes back once the file
// does, and the plan says so once in the log when it is applied.
class PlanPicture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource RESET resetSource NOTIFY sourceChanged)
    Q_PROPERTY(QString shownSource READ shownSource NOTIFY sourceChanged)
    Q_PROPERTY(bool missing READ missing NOTIFY sourceChanged)
    Q_PROPERTY(double x READ x WRITE setX RESET resetX NOTIFY xChanged)
    Q_PROPERTY(double y READ y WRITE setY RESET resetY NOTIFY yChanged)
    Q_PROPERTY(double scale READ scale WRITE setScale RESET resetScale NOTIFY scaleChanged)
    Q_PROPERTY(double cellWidth READ cellWidth WRITE setCellWidth RESET resetCellWidth NOTIFY cellSizeChanged)
    Q_PROPERTY(double cellHeight READ cellHeight WRITE setCellHeight RESET resetCellHeight NOTIFY cellSizeChanged)
    Q_PROPERTY(bool narrow READ narrow WRITE setNarrow RESET resetNarrow NOTIFY narrowChanged)

public:
    static const QString DefaultSource;
    static constexpr double DefaultScale = 0.6;
    static constexpr double DefaultCellWidth = 100;
    static constexpr double DefaultCellHeight = 50;

    explicit PlanPicture(QObject *parent = nullptr);

    QString source() const { return m_source; }
    void setSource(const QString &source);
    void resetSource();
    // What the picture item shows: the source, or nothing when its file is gone.
    QString shownSource() const { return m_missing ? QString() : m_source; }
    bool missing() const { return m_missing; }
    double x() const { return m_x; }
    void setX(double x);
    void resetX();
    double y() const { return m_y; }
    void setY(double y);
    void resetY();
    double scale() const { return m_scale; }
    void setScale(double scale);
    void resetScale();
    double cellWidth() const { return m_cellWidth; }
    void setCellWidth(double width);
    void resetCellWidth();
    double cellHeight() const { return m_cellHeight; }
    void setCellHeight(double height);
    void resetCellHeight();
    bool narrow() const { return m_narrow; }
    void setNarrow(bool narrow);
    void resetNarrow();

    // Whether a picture source names a file or resource that exists: "" is
    // no picture, "qrc:" and relative sources are the program's resources,
    // anything else a local file.
    static bool sourceExists(const QString &source);

    // "清除背景图片": no picture.
    Q_INVOKABLE void clear() { setSource(QString()); }
    // "图片复位": position 0, 0 and scale 1.
    Q_INVOKABLE void reset();
    // Moves the picture by a drag's displacement.
    Q_INVOKABLE void moveBy(double dx, double dy);
    // The mouse wheel: 1 / 0.9 per notch up, 0.9 per notch down (120 units a notch).
    Q_INVOKABLE void zoomByWheel(double angleDelta);
    // The cell-size slider: width = value, height = value / 2.
    Q_INVOKABLE void setCellSize(double sliderValue);
    // The stored settings of the plan; sizes and scale that are not positive
    // (members missing from the file) keep their defaults.
    Q_INVOKABLE void apply(const QString &planPic, bool narrow, double cellHeight, double celllWidth, double x,
                           double y, double scale);
    Q_INVOKABLE void save(MyJson *json, int partIndex) const;

signals:
    void sourceChanged();
    void xChanged();
    void yChanged();
    void scaleChanged();
    void cellSizeChanged();
    void narrowChanged();
    // A log line for the information page ("ERR").
    void qmlLogShowSignal(QString st, QString str);

private:
    void reportMissing();

    QString m_source;
    bool m_missing = false;
    double m_x = 0;
    double m_y = 0;
    double m_scale = DefaultScale;
    double m_cellWidth = DefaultCellWidth;
    double m_cellHeight = DefaultCellHeight;
    bool m_narrow = true;
};

#endif
