#include "ui/qmlwindowtestsetup.h"
#include "ui/workingfolder.h"

#include <QApplication>
#include <QtQuickTest>

int main(int argc, char **argv)
{
    // The interface's charts need the widgets application object.
    QApplication app(argc, argv);
    WorkingFolder files;
    QmlWindowTestSetup setup(&app, {{QStringLiteral("workingFolder"), &files}});
    return quick_test_main_with_setup(argc, argv, "tst_window_qml", VORN_QML_TEST_DIR, &setup);
}
