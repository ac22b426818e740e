#include "app/qmllanguage.h"

#include "app/languagenotice.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QTranslator>

QmlLanguage::QmlLanguage(QCoreApplication *app, QQmlEngine *engine, QObject *parent)
    : QObject(parent), m_app(app), m_engine(engine)
{
}

void QmlLanguage::setLanguage(int nLanguage)
{
    auto *translator = new QTranslator(this);
    translator->load(nLanguage == 0 ? QStringLiteral(":/lang_English.qm")
                                    : QStringLiteral(":/lang_zh_CN.qm"));
    if (m_translator) {
        m_app->removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    m_app->installTranslator(m_translator);
    LanguageNotice::instance()->announce();
    m_engine->retranslate();
}
