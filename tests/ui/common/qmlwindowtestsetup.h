#ifndef QMLWINDOWTESTSETUP_H
#define QMLWINDOWTESTSETUP_H

#include "app/qmllanguage.h"

#include <QObject>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVector>

#include <memory>

class QApplication;
class QQmlEngine;

// Each QML test file runs in an engine of its own, with the program's types,
// its start-up catalogue, its language switch and a fresh working directory,
// as the program has them. The test's own helpers are published to every
// engine under their names. Handed to quick_test_main_with_setup, which calls
// the slots by name.
class QmlWindowTestSetup : public QObject
{
    Q_OBJECT
public:
    using ContextObjects = QVector<QPair<QString, QObject *>>;

    QmlWindowTestSetup(QApplication *app, const ContextObjects &contextObjects);

signals:
    // At the end of the run, before the language switch and the last working
    // directory go: the moment for a test's helpers to stop what they started.
    void finishing();

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
