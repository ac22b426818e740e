#include "ui/common/hubfeed.h"
#include "ui/common/qmlwindowtestsetup.h"
#include "ui/common/workingfolder.h"

#include <QApplication>
#include <QtQuickTest>

// Each test file runs the real window with its controllers in a fresh working
// directory; the table and bar chart tests feed it hub datagrams.
int main(int argc, char **argv)
{
    // The interface's charts need the widgets application object.
    QApplication app(argc, argv);
    WorkingFolder files;
    HubFeed feed;
    QmlWindowTestSetup setup(&app, {{QStringLiteral("workingFolder"), &files}, {QStringLiteral("hubFeed"), &feed}});
    return quick_test_main_with_setup(argc, argv, VORN_QML_TEST_NAME, VORN_QML_TEST_DIR, &setup);
}
