#include "app/mylogcontrol.h"
#include "app/qmllanguage.h"
#include "app/qmltypes.h"
#include "app/singleinstance.h"
#include "app/stallprobe.h"
#include "app/terminationsignals.h"

#include <QApplication>
#include <QDebug>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTranslator>
#include <QUrl>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication app(argc, argv);

    SingleInstance instance(QStringLiteral("vornView"));
    if (!instance.acquire())
        return 0;

    // A logout or a service stop (SIGTERM) and Ctrl+C (SIGINT) leave the way
    // the exit dialog's Yes does, without the dialog: the window, handed this
    // object, runs the workspace's save broadcast and ends the event loop.
    // Before a project is open there is nothing to save.
    TerminationSignals termination;
    termination.install();

    mylogcontrol::setBaseDirectory(QCoreApplication::applicationDirPath());
    mylogcontrol::logSysInit();

    QCoreApplication::setOrganizationName(QStringLiteral("Some organization"));
    registerQmlTypes();

    QTranslator startupTranslator;
    startupTranslator.load(QStringLiteral(":/lang_zh_CN.qm"));
    app.installTranslator(&startupTranslator);

    QQmlApplicationEngine engine;
    QmlLanguage language(&app, &engine);
    engine.rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), &language);

    const QUrl mainUrl(QStringLiteral("qrc:/main.qml"));
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &app,
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &engine,
                     [](int signalNumber) { qInfo() << "termination signal" << signalNumber << "received"; });
    engine.setInitialProperties({{QStringLiteral("terminationSignals"), QVariant::fromValue(&termination)}});
    engine.load(mainUrl);

    // Started once the window is up, so that loading it does not count.
    StallProbe stallProbe;
    stallProbe.startIfRequested();
    return app.exec();
}
