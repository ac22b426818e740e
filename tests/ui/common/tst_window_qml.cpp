#include "ui/common/hubfeed.h"
#include "ui/common/qmlwindowtestsetup.h"
#include "ui/common/workingfolder.h"

#include <QApplication>
#include <QtQuickTest>

int main(int argc, char **argv)
{
    QApplication app(argc, argv); // the charts need the widgets application
    WorkingFolder files;
    HubFeed feed;
    QmlWindowTestSetup setup(&app, {{QStringLiteral("workingFolder"), &files}, {QStringLiteral("hubFeed"), &feed}});
    return quick_test_main_with_setup(argc, argv, VORN_QML_TEST_NAME, VORN_QML_TEST_DIR, &setup);
}
