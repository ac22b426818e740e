#include "app/mylogcontrol.h"
#include "app/qmllanguage.h"
#include "app/qmltypes.h"
#include "app/singleinstance.h"

#include <QApplication>
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
    engine.load(mainUrl);
    return app.exec();
}
