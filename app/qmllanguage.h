#ifndef QMLLANGUAGE_H
#define QMLLANGUAGE_H

#include <QObject>

class QCoreApplication;
class QQmlEngine;
class QTranslator;

// Switches the interface language at run time. The start-up translator stays
// installed underneath; each call replaces the translator of the previous call.
class QmlLanguage : public QObject
{
    Q_OBJECT
public:
    QmlLanguage(QCoreApplication *app, QQmlEngine *engine, QObject *parent = nullptr);

    // 0 selects English, any other value Chinese.
    Q_INVOKABLE void setLanguage(int nLanguage);

private:
    QCoreApplication *m_app;
    QQmlEngine *m_engine;
    QTranslator *m_translator = nullptr;
};

#endif
