#include "app/qmltypes.h"

#include "core/projectcontrol.h"
#include "core/weightingcontrol.h"
#include "recording/datasavecontrol.h"
#include "ui/settings/alarmsoundplayback.h"
#include "ui/settings/displaycommand.h"
#include "ui/settings/displayunit.h"
#include "ui/barchart/barchartitem.h"
#include "ui/barchart/barrowmodel.h"
#include "ui/lineplot/lineplotitem.h"
#include "ui/lineplot/lineplotmodel.h"
#include "ui/shell/hubconnectionmask.h"
#include "ui/shell/logscanrule.h"
#include "ui/settings/manualfile.h"
#include "ui/shell/messagelog.h"
#include "ui/common/cellidrangevalidator.h"
#include "ui/common/cellrowmodel.h"
#include "ui/common/colouredrowmodel.h"
#include "ui/common/partnumberpool.h"
#include "ui/plan/planfigureitem.h"
#include "ui/plan/planfiguremodel.h"
#include "ui/plan/planpicture.h"
#include "ui/settings/receiveportvalidator.h"
#include "ui/shell/recentprojectlist.h"
#include "ui/shell/screenbeat.h"
#include "ui/settings/recordingsampler.h"
#include "ui/table/percentagethresholds.h"
#include "ui/table/tablerowmodel.h"
#include "ui/table/tablesettingactions.h"
#include "ui/table/twinroworder.h"

#include <QtQml>

void registerQmlTypes()
{
    // The weighing controller; its publications hand records to the views.
    qmlRegisterType<WeightingConTrol>("MyWeightingConTrol", 1, 0, "WeightingConTrol");
    qRegisterMetaType<WeightingCellData *>("WeightingCellData*");
    // The project control the project page instantiates; it owns the weighing
    // controller and the project file.
    qmlRegisterType<ProjectControl>("MyProjectControl", 1, 0, "ProjectControl");
    // Rule helpers of the window and the information page.
    qmlRegisterType<LogScanRule>("VornUi", 1, 0, "LogScanRule");
    qmlRegisterType<MessageLog>("VornUi", 1, 0, "MessageLog");
    qmlRegisterType<ScreenBeat>("VornUi", 1, 0, "ScreenBeat");
    qmlRegisterType<RecentProjectList>("VornUi", 1, 0, "RecentProjectList");
    qmlRegisterType<HubConnectionMask>("VornUi", 1, 0, "HubConnectionMask");
    // Table view: the rows of each table part and the part numbers.
    qmlRegisterType<TableRowModel>("VornUi", 1, 0, "TableRowModel");
    qmlRegisterType<PartNumberPool>("VornUi", 1, 0, "PartNumberPool");
    qmlRegisterUncreatableType<CellRowModel>("VornUi", 1, 0, "CellRowModel",
                                             QStringLiteral("the rows of a table or bar chart part"));
    // Table settings panel: one order for a part and its bar chart twin, the
    // percentage thresholds and the panel's actions on the cells.
    qmlRegisterType<TwinRowOrder>("VornUi", 1, 0, "TwinRowOrder");
    qmlRegisterType<PercentageThresholds>("VornUi", 1, 0, "PercentageThresholds");
    qmlRegisterType<TableSettingActions>("VornUi", 1, 0, "TableSettingActions");
    // Bar chart view: the bar rows and the item that paints them.
    qmlRegisterType<BarRowModel>("VornUi", 1, 0, "BarRowModel");
    qmlRegisterType<BarChartItem>("VornUi", 1, 0, "BarChartItem");
    // The row models as views that read rows see them (line plot and plan).
    qmlRegisterAnonymousType<CellRowModel>("VornUi", 1);
    qmlRegisterAnonymousType<ColouredRowModel>("VornUi", 1);
    // Line plot view: the curves of one plot, read from the main table's
    // rows, and the item that paints them.
    qmlRegisterType<LinePlotModel>("VornUi", 1, 0, "LinePlotModel");
    qmlRegisterType<LinePlotItem>("VornUi", 1, 0, "LinePlotItem");
    // Plan view: the figures fed from the main table's rows (any row model
    // can be their source or an import), the picture, the item that paints
    // and drags the figures, and the range field.
    qmlRegisterType<PlanFigureModel>("VornUi", 1, 0, "PlanFigureModel");
    qmlRegisterType<PlanPicture>("VornUi", 1, 0, "PlanPicture");
    qmlRegisterType<PlanFigureItem>("VornUi", 1, 0, "PlanFigureItem");
    qmlRegisterType<CellIdRangeValidator>("VornUi", 1, 0, "CellIdRangeValidator");
    // System settings page: display command, unit, receive port, recording
    // line and alarm sounds, and the manual.
    qmlRegisterAnonymousType<DataSaveControl>("VornUi", 1);
    qmlRegisterType<DisplayCommand>("VornUi", 1, 0, "DisplayCommand");
    qmlRegisterType<DisplayUnit>("VornUi", 1, 0, "DisplayUnit");
    qmlRegisterType<ReceivePortValidator>("VornUi", 1, 0, "ReceivePortValidator");
    qmlRegisterType<RecordingSampler>("VornUi", 1, 0, "RecordingSampler");
    qmlRegisterType<AlarmSoundPlayback>("VornUi", 1, 0, "AlarmSoundPlayback");
    qmlRegisterType<ManualFile>("VornUi", 1, 0, "ManualFile");
}
