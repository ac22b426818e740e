#include "ui/hubfeed.h"
#include "ui/qmlwindowtestsetup.h"
#include "ui/workingfolder.h"

#include <QApplication>
#include <QtQuickTest>

// Each test file runs the real window with its controllers in a fresh working
// directory; the bar chart is fed with hub datagrams.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    WorkingFolder files;
    HubFeed feed;
    QmlWindowTestSetup setup(&app, {{QStringLiteral("workingFolder"), &files}, {QStringLiteral("hubFeed"), &feed}});
    return quick_test_main_with_setup(argc, argv, "tst_barchart_qml", VORN_BARCHART_QML_TEST_DIR, &setup);
}
