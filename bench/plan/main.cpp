#include "app/qmltypes.h"
#include "bench/common/timingfigures.h"
#include "ui/plan/planfigureitem.h"
#include "ui/plan/planfiguremodel.h"
#include "ui/plan/planpicture.h"
#include "ui/table/tablerowmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTextStream>

#include <vector>

namespace {

// Five hub pages of 100 cells, every one of them on the plan.
constexpr int Pages = 5;
constexpr int CellsPerPage = 100;
constexpr int Columns = 25;
constexpr int Ticks = 100;

const char *const Scene = R"(
import QtQuick 2.15
import "qrc:/"

Item {
    width: 1280
    height: 800
    property alias plan: plan
    Plan {
        id: plan
        anchors.fill: parent
        mainRows: tableRows
    }
}
)";

// One publication round of the main table; weights drift from tick to tick
// across the warning and alarm thresholds.
void publish(TableRowModel &rows, int tick)
{
    for (int page = 1; page <= Pages; ++page) {
        for (int index = 1; index <= CellsPerPage; ++index) {
            const int weight = (page * 37 + index * 13 + tick * 7) % 260;
            rows.setTableData(page, index, 0, 0, QStringLiteral("CZ%1.%2").arg(page).arg(index), weight, weight + 5,
                              weight - 5, 160, 60, 200, 30, index % 40 ? 1 : 0, 0, 2, nullptr);
        }
    }
    rows.flush();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerQmlTypes();
    QTextStream out(stdout);

    TableRowModel rows;
    publish(rows, 0);

    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("tableRows"), &rows);
    QQmlComponent component(view.engine());
    component.setData(Scene, QUrl(QStringLiteral("qrc:/bench-planrefresh.qml")));
    QObject *root = component.create(view.rootContext());
    if (!root) {
        out << component.errorString() << "\n";
        return 1;
    }
    view.setContent(QUrl(), &component, root);
    view.resize(1280, 800);
    view.show();

    QObject *plan = root->property("plan").value<QObject *>();
    auto *model = plan->property("figures").value<PlanFigureModel *>();
    auto *picture = plan->property("picture").value<PlanPicture *>();
    picture->setCellSize(60);
    int placed = 0;
    for (int page = 1; page <= Pages; ++page) {
        for (int index = 1; index <= CellsPerPage; ++index, ++placed) {
            model->addCell(page, index);
            model->moveTo(placed, 10 + (placed % Columns) * 63, 10 + (placed / Columns) * 49);
        }
    }
    QCoreApplication::processEvents();

    auto measure = [&](bool withFrame) {
        std::vector<double> times;
        for (int tick = 1; tick <= Ticks; ++tick) {
            publish(rows, tick);
            QElapsedTimer timer;
            timer.start();
            model->refresh(); // the figures copy the rows; the item repaints
            if (withFrame)
                view.grabWindow(); // polish, sync and render one frame
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        return figures(times);
    };

    // The figures' own painting, without the scene graph around it.
    auto *painted = plan->property("painter").value<PlanFigureItem *>();
    QImage image(painted->size().toSize(), QImage::Format_ARGB32_Premultiplied);
    std::vector<double> paints;
    for (int tick = 1; tick <= Ticks; ++tick) {
        publish(rows, tick);
        model->refresh();
        QElapsedTimer timer;
        timer.start();
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painted->paint(&painter);
        painter.end();
        paints.push_back(timer.nsecsElapsed() / 1e6);
    }
    const Figures refresh = measure(false);
    // Offscreen windows render nothing; a frame needs a display (xvfb-run).
    const bool renders = !view.grabWindow().isNull();
    out << "figures on the plan: " << model->count() << "\n";
    const Figures paint = figures(paints);
    out << "ms per paint of every figure into a " << image.width() << " x " << image.height() << " image: median "
        << paint.median << ", p99 " << paint.p99 << "\n";
    out << "ms per refresh, figures copying the main table's rows and announcing them: median "
        << refresh.median << ", p99 " << refresh.p99 << "\n";
    if (renders) {
        const Figures frame = measure(true);
        out << "ms per refresh plus the frame it causes: median " << frame.median << ", p99 " << frame.p99 << "\n";
    } else {
        out << "no rendered frame measured: the window has no display (run under xvfb-run)\n";
    }
    out.flush();
    return 0;
}
