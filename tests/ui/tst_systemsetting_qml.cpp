#include "app/qmllanguage.h"
#include "app/qmltypes.h"
#include "core/testdatagrams.h"
#include "core/weightingcontrol.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtQuickTest>

#include <memory>

// Delivers hub datagrams to the weighing controller exactly as its hub link
// does. records: [index, weight, state, boxType] per cell of the page.
class HubFeed : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

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

// The working directory's files and settings, and the URLs handed to the
// desktop (the manual), which a test must not really open.
class TestFiles : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QString url() const { return QUrl::fromLocalFile(QDir::currentPath()).toString(); }
    Q_INVOKABLE void setSetting(const QString &file, const QString &key, const QVariant &value) const
    {
        QSettings(file, QSettings::IniFormat).setValue(key, value);
    }
    Q_INVOKABLE QString read(const QString &path) const
    {
        QFile file(path.startsWith(QLatin1String("file:")) ? QUrl(path).toLocalFile() : path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // Every recording file below the folder, sorted.
    Q_INVOKABLE QStringList recordings(const QString &folder) const
    {
        QStringList files;
        QDirIterator it(folder, {QStringLiteral("*user.csv")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        return files;
    }
    Q_INVOKABLE QStringList openedUrls() const { return m_opened; }
    Q_INVOKABLE QVariant setting(const QString &file, const QString &key) const
    {
        return QSettings(file, QSettings::IniFormat).value(key);
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url.toString(); }

private:
    QStringList m_opened;
};

// The hub simulator named by $HUBSIM, for the tests that run inside a private
// network namespace; its standard output holds one JSON object per frame the
// hubs receive.
class HubSimulator : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~HubSimulator() override { stop(); }

    Q_INVOKABLE bool start(const QStringList &arguments)
    {
        stop();
        m_output.clear();
        m_process.setProgram(qEnvironmentVariable("HUBSIM"));
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        return m_process.waitForStarted(5000);
    }
    Q_INVOKABLE QString output()
    {
        m_output += QString::fromUtf8(m_process.readAllStandardOutput());
        return m_output;
    }
    Q_INVOKABLE void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    QProcess m_process;
    QString m_output;
};

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
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_files, "openUrl");
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_folder->path());
        m_language = std::make_unique<QmlLanguage>(m_app, engine);
        engine->rootContext()->setContextProperty(QStringLiteral("qmlLanguage"), m_language.get());
        engine->rootContext()->setContextProperty(QStringLiteral("testFiles"), &m_files);
        engine->rootContext()->setContextProperty(QStringLiteral("hubFeed"), &m_feed);
        engine->rootContext()->setContextProperty(QStringLiteral("hubSimulator"), &m_simulator);
    }

    void cleanupTestCase()
    {
        m_simulator.stop();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        m_language.reset();
        QDir::setCurrent(QDir::tempPath());
        m_folder.reset();
    }

private:
    QApplication *m_app;
    QTranslator m_startup;
    TestFiles m_files;
    HubFeed m_feed;
    HubSimulator m_simulator;
    std::unique_ptr<QmlLanguage> m_language;
    std::unique_ptr<QTemporaryDir> m_folder;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Setup setup(&app);
    return quick_test_main_with_setup(argc, argv, VORN_SYSTEMSETTING_TEST_NAME, VORN_SYSTEMSETTING_QML_TEST_DIR, &setup);
}

#include "tst_systemsetting_qml.moc"
