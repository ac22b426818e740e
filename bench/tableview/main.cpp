#include "app/qmltypes.h"
#include "core/projectcontrol.h"
#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int HubPages = 20;
constexpr int CellsPerHubPage = 105;
constexpr int BluetoothCells = 999;
constexpr int Ticks = 100;

// The real table part with the project file it is given, and a handler per
// reading the way a QML view would take each publication when
// `perReadingHandler` is set.
const char *const Scene = R"(
import QtQuick 2.15
import MyProjectControl 1.0
import "qrc:/"

Item {
    width: 1280
    height: 800
    property bool perReadingHandler: false
    property int handled: 0
    property alias table: table

    Table {
        id: table
        projectFile: control.Json
        anchors.fill: parent
        weightingControl1: weighing
    }
    Connections {
        target: perReadingHandler ? weighing : null
        function onReadCellDataSignal() { deliver(table, "setTableData", arguments) }
        function onReadGroupCellDataSignal() { deliver(table, "setGroupTableData", arguments) }
    }
    function deliver(view, method, args) {
        ++handled
        if (typeof view[method] === "function")
            view[method].apply(view, args)
    }
}
)";

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerQmlTypes();
    QTextStream out(stdout);

    ProjectControl project;
    WeightingConTrol *control = project.getWeightingConTrol();
    std::vector<WeightingCellData *> records;
    for (int page = 0; page < HubPages; ++page) {
        for (int index = 1; index <= CellsPerHubPage; ++index) {
            control->createCell(page, index);
            control->qmlSetGroup(page, index, 1 + (page * CellsPerHubPage + index) % 19);
            records.push_back(control->page(page)->cell(index));
        }
    }
    for (int index = 1; index <= BluetoothCells; ++index) {
        control->createCell(20, index);
        records.push_back(control->page(20)->cell(index));
    }
    control->createCell(1, 0);

    QQuickView view;
    view.rootContext()->setContextProperty(QStringLiteral("control"), &project);
    view.rootContext()->setContextProperty(QStringLiteral("weighing"), control);
    QQmlComponent component(view.engine());
    component.setData(Scene, QUrl(QStringLiteral("qrc:/bench-tableview.qml")));
    QObject *root = component.create(view.rootContext());
    if (!root) {
        out << component.errorString() << "\n";
        return 1;
    }
    view.setContent(QUrl(), &component, root);
    view.resize(1280, 800);
    view.show();

    auto tick = [&](int number) {
        for (size_t i = 0; i < records.size(); ++i) {
            records[i]->setCurData(int(100 + (i * 7 + number * 13) % 4000));
            records[i]->setState(1);
        }
        control->qmlRequestReflsh();
        QCoreApplication::processEvents(); // the model announces, the delegates rebind
    };
    auto measure = [&](bool withFrame) {
        std::vector<double> times;
        for (int number = 0; number <= Ticks; ++number) {
            QElapsedTimer timer;
            timer.start();
            tick(number);
            if (withFrame)
                view.grabWindow(); // polish, sync and render one frame
            if (number > 0)
                times.push_back(timer.nsecsElapsed() / 1e6);
        }
        return median(times);
    };

    const double modelAndDelegates = measure(false);
    // Offscreen windows render nothing; a frame needs a display (xvfb-run).
    const bool renders = !view.grabWindow().isNull();
    const double withFrame = renders ? measure(true) : 0;
    root->setProperty("perReadingHandler", true);
    const double withHandler = measure(false);
    const int handled = root->property("handled").toInt();
    const QVariant rows = root->property("table").value<QObject *>()->property("rows").value<QObject *>()->property("count");

    out << "table rows: " << rows.toInt() << ", readings handled in QML: " << handled / (Ticks + 1) << " per tick\n";
    out << "median ms per tick, refresh + publication + row model + visible delegates: " << modelAndDelegates << "\n";
    if (renders)
        out << "median ms per tick, the same plus one rendered frame: " << withFrame << "\n";
    else
        out << "no rendered frame measured: the window has no display (run under xvfb-run)\n";
    out << "median ms per tick, with a QML handler per reading as well: " << withHandler << "\n";
    out.flush();
    return 0;
}
