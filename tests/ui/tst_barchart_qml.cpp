#include "app/qmllanguage.h"
#include "app/qmltypes.h"
#include "core/testdatagrams.h"
#include "core/weightingcontrol.h"

#include <QApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>

#include <memory>

// Delivers hub datagrams to the weighing controller exactly as its hub link
// does, so the bar chart sees cells the way the operator does.
class HubFeed : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // records: [index, weight, state, boxType] per cell of the page.
    Q_INVOKABLE void send(QObject *controller, int page, const QVariantList &records) const
    {
        auto *control = qobject_cast<WeightingConTrol *>(controller);
        if (!control)
            return;
        QVector<HubCellRecord> cells;
        for (const QVariant &entry : records) {
            const QVariantList r = entry.toList();
            cells.append(hubRecord(r.value(0).toInt(), r.value(1).toInt(), r.value(2, 1).toInt(), r.value(3).toInt()));
        }
        QByteArray bytes = hubDatagram(page, cells);
        control->udpReadData(bytesOf(bytes), bytes.size());
    }
};

// The working directory's settings, which the program reads at start.
class WorkingFolder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QString url() const { return QUrl::fromLocalFile(QDir::currentPath()).toString(); }
    Q_INVOKABLE void setSetting(const QString &file, const QString &key, const QVariant &value) const
    {
        QSettings(file, QSettings::IniFormat).setValue(key, value);
    }
    // Where screenshots are kept for a person to look at: the build folder.
    Q_INVOKABLE QString artifactPath(const QString &name) const
    {
        const QString folder = qEnvironmentVariable("VORN_BINARY_DIR") + QStringLiteral("/test-artifacts");
        QDir().mkpath(folder);
        return folder + QLatin1Char('/') + name;
    }
};

// Each test file runs the real window with its controllers in a fresh working
// directory.
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
        engine->rootContext()->setContextProperty(QStringLiteral("hubFeed"), &m_feed);
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
    HubFeed m_feed;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<QTemporaryDir> m_folder;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Setup setup(&app);
    return quick_test_main_with_setup(argc, argv, "tst_barchart_qml", VORN_BARCHART_QML_TEST_DIR, &setup);
}

#include "tst_barchart_qml.moc"
