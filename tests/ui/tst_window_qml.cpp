#include "app/qmllanguage.h"
#include "app/qmltypes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>

#include <memory>

// Files of the temporary working directory, for the QML test cases: the
// program keeps its settings there, and the tests seed and read them.
class WorkingFolder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QString path() const { return QDir::currentPath(); }
    Q_INVOKABLE QString url() const { return QUrl::fromLocalFile(QDir::currentPath()).toString(); }
    Q_INVOKABLE bool exists(const QString &relative) const { return QFile::exists(relative); }
    Q_INVOKABLE QVariant setting(const QString &file, const QString &key) const
    {
        return QSettings(file, QSettings::IniFormat).value(key);
    }
    Q_INVOKABLE void setSetting(const QString &file, const QString &key, const QVariant &value) const
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(key, value);
    }
    Q_INVOKABLE bool removeFile(const QString &relative) const { return QFile::remove(relative); }
};

// Each QML test file runs in an engine of its own, with the program's types,
// its language switch and a fresh working directory, as the program has them.
class Setup : public QObject
{
    Q_OBJECT
public:
    explicit Setup(QApplication *app) : m_app(app) {}

public slots:
    void applicationAvailable()
    {
        registerQmlTypes();
        m_startup.load(QStringLiteral(":/lang_zh_CN.qm"));
        m_app->installTranslator(&m_startup);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_folder->path());
        m_language = std::make_unique<QmlLanguage>(m_app, engine);
        engine->rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());
        engine->rootContext()->setContextProperty(QStringLiteral("workingFolder"), &m_files);
    }

    void cleanupTestCase()
    {
        m_language.reset();
        QDir::setCurrent(QDir::tempPath());
        m_folder.reset();
    }

private:
    QApplication *m_app;
    QTranslator m_startup;
    WorkingFolder m_files;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<QTemporaryDir> m_folder;
};

int main(int argc, char **argv)
{
    // The interface's charts need the widgets application object.
    QApplication app(argc, argv);
    Setup setup(&app);
    return quick_test_main_with_setup(argc, argv, "tst_window_qml", VORN_QML_TEST_DIR, &setup);
}

#include "tst_window_qml.moc"
