#include "ui/common/qmlwindowtestsetup.h"

#include "app/qmltypes.h"

#include <QApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>

void QmlWindowTestSetup::applicationAvailable()
{
    registerQmlTypes();
    m_startup.load(QStringLiteral(":/lang_zh_CN.qm"));
    m_app->installTranslator(&m_startup);
}

void QmlWindowTestSetup::qmlEngineAvailable(QQmlEngine *engine)
{
    m_folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_folder->path());
    m_language = std::make_unique<QmlLanguage>(m_app, engine);
    engine->rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());
    for (const auto &object : m_contextObjects)
        engine->rootContext()->setContextProperty(object.first, object.second);
}

void QmlWindowTestSetup::cleanupTestCase()
{
    emit finishing();
    m_language.reset();
    QDir::setCurrent(QDir::tempPath());
    m_folder.reset();
}
