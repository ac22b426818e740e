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

// Each QML test file's engine gets the program's types, catalogue, language switch, helpers and a fresh folder.
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
