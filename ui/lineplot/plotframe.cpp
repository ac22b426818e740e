#include "ui/lineplot/plotframe.h"

#include "app/languageflag.h"

#include <QCoreApplication>

namespace {

QString plotText(const char *chinese, const char *english)
{
    return LanguageFlag::isChinese() ? QCoreApplication::translate("LinePlot", chinese) : QString::fromLatin1(english);
}

} // namespace

QString PlotSeries::label() const
{
    const QString load = plotText("重量:", "Load:");
    if (recorded)
        return id + QLatin1Char(' ') + load;
    return id + QLatin1Char(' ') + plotText("名字:", "Name:") + name + QLatin1Char(' ') + load;
}

void PlotSeries::clear()
{
    points.clear();
    id.clear();
    name.clear();
    recorded = false;
}

QColor PlotFrame::colour(int k)
{
    static const std::array<QColor, SeriesCount> colours{QColor(QStringLiteral("#0DB784")), QColor(Qt::red),
                                                         QColor(Qt::blue), QColor(QStringLiteral("Purple"))};
    return colours.at(size_t(k));
}

void PlotFrame::setCapacity(int capacity)
{
    for (PlotSeries &s : series)
        s.points.setCapacity(capacity);
}

void PlotFrame::clear()
{
    for (PlotSeries &s : series)
        s.clear();
    yAxis = {300, 0};
}
