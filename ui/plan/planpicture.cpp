#include "ui/plan/planpicture.h"

#include "app/languageflag.h"
#include "project/myjson.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>
#include <QtMath>

namespace {

constexpr double WheelNotch = 120;
constexpr double ZoomOutPerNotch = 0.9;

bool sameValue(double a, double b)
{
    return qFuzzyCompare(a, b) || (qFuzzyIsNull(a) && qFuzzyIsNull(b));
}

void store(double &field, double value, void (PlanPicture::*changed)(), PlanPicture *picture)
{
    if (sameValue(field, value))
        return;
    field = value;
    emit(picture->*changed)();
}

} // namespace

const QString PlanPicture::DefaultSource = QStringLiteral("pic/backpicture.png");

PlanPicture::PlanPicture(QObject *parent) : QObject(parent), m_source(DefaultSource)
{
}

bool PlanPicture::sourceExists(const QString &source)
{
    if (source.isEmpty())
        return false;
    const QUrl url(source);
    if (url.scheme() == QLatin1String("qrc"))
        return QFileInfo::exists(QLatin1Char(':') + url.path());
    if (url.isRelative())
        return QFileInfo::exists(QStringLiteral(":/") + source);
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile();
}

void PlanPicture::setSource(const QString &source)
{
    const bool missing = !source.isEmpty() && !sourceExists(source);
    if (m_source == source && m_missing == missing)
        return;
    m_source = source;
    m_missing = missing;
    emit sourceChanged();
}

void PlanPicture::resetSource()
{
    setSource(DefaultSource);
}

void PlanPicture::setX(double x)
{
    store(m_x, x, &PlanPicture::xChanged, this);
}

void PlanPicture::resetX()
{
    setX(0);
}

void PlanPicture::setY(double y)
{
    store(m_y, y, &PlanPicture::yChanged, this);
}

void PlanPicture::resetY()
{
    setY(0);
}

void PlanPicture::setScale(double scale)
{
    store(m_scale, scale, &PlanPicture::scaleChanged, this);
}

void PlanPicture::resetScale()
{
    setScale(DefaultScale);
}

void PlanPicture::setCellWidth(double width)
{
    store(m_cellWidth, width, &PlanPicture::cellSizeChanged, this);
}

void PlanPicture::resetCellWidth()
{
    setCellWidth(DefaultCellWidth);
}

void PlanPicture::setCellHeight(double height)
{
    store(m_cellHeight, height, &PlanPicture::cellSizeChanged, this);
}

void PlanPicture::resetCellHeight()
{
    setCellHeight(DefaultCellHeight);
}

void PlanPicture::setNarrow(bool narrow)
{
    if (m_narrow == narrow)
        return;
    m_narrow = narrow;
    emit narrowChanged();
}

void PlanPicture::resetNarrow()
{
    setNarrow(true);
}

void PlanPicture::reset()
{
    setX(0);
    setY(0);
    setScale(1);
}

void PlanPicture::moveBy(double dx, double dy)
{
    setX(m_x + dx);
    setY(m_y + dy);
}

void PlanPicture::zoomByWheel(double angleDelta)
{
    setScale(m_scale * qPow(ZoomOutPerNotch, -angleDelta / WheelNotch));
}

void PlanPicture::setCellSize(double sliderValue)
{
    setCellWidth(sliderValue);
    setCellHeight(sliderValue / 2);
}

void PlanPicture::apply(const QString &planPic, bool narrow, double cellHeight, double celllWidth, double x, double y,
                        double scale)
{
    setSource(planPic);
    setNarrow(narrow);
    setCellHeight(cellHeight > 0 ? cellHeight : DefaultCellHeight);
    setCellWidth(celllWidth > 0 ? celllWidth : DefaultCellWidth);
    setX(x);
    setY(y);
    setScale(scale > 0 ? scale : DefaultScale);
    // Told once the workspace is built, so the information page has taken
    // in its stored log and the project's language first.
    if (m_missing)
        QMetaObject::invokeMethod(this, &PlanPicture::reportMissing, Qt::QueuedConnection);
}

void PlanPicture::reportMissing()
{
    if (!m_missing)
        return;
    const QString message = LanguageFlag::isChinese()
        ? QCoreApplication::translate("PlanPicture", "布局图背景图片不存在:") + m_source
        : QStringLiteral("Plan background picture not found:") + m_source;
    emit qmlLogShowSignal(QStringLiteral("ERR"), message);
}

void PlanPicture::save(MyJson *json, int partIndex) const
{
    if (json)
        json->savePlanPartSet(partIndex, m_source, m_narrow, m_cellHeight, m_cellWidth, m_x, m_y, m_scale);
}
