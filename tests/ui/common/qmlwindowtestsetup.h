#ifndef QMLWINDOWTESTSETUP_H
#define QMLWINDOWTESTSETUP_H

#include "app/qmllanguage.h"

#include <QObject>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVector>

#include <memory>

class QApplication;
class QQmlEngine;

// For quick_test_main_with_setup: each QML test file gets an engine with the program's types, start-up
// catalogue and language switch, a fresh working directory, and the test's helpers under their names.
class QmlWindowTestSetup : public QObject
{
    Q_OBJECT
public:
    using ContextObjects = QVector<QPair<QString, QObject *>>;
    QmlWindowTestSetup(QApplication *app, const ContextObjects &contextObjects)
        : m_app(app), m_contextObjects(contextObjects) {}

signals:
    void finishing(); // before the language switch and the last working directory go

public slots:
    void applicationAvailable();
    void qmlEngineAvailable(QQmlEngine *engine);
    void cleanupTestCase();

private:
    QApplication *m_app;
    ContextObjects m_contextObjects;
    QTranslator m_startup;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<QTemporaryDir> m_folder;
};

#endif
