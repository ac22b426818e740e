#include "ui/common/hubfeed.h"
#include "ui/common/qmlwindowtestsetup.h"
#include "ui/common/workingfolder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QtQuickTest>

// The working directory's files and settings, and the URLs handed to the
// desktop (the manual), which a test must not really open.
class TestFiles : public WorkingFolder
{
    Q_OBJECT
public:
    using WorkingFolder::WorkingFolder;

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

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestFiles files;
    HubFeed feed;
    HubSimulator simulator;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &files, "openUrl");
    QmlWindowTestSetup setup(&app, {{QStringLiteral("testFiles"), &files},
                                    {QStringLiteral("hubFeed"), &feed},
                                    {QStringLiteral("hubSimulator"), &simulator}});
    QObject::connect(&setup, &QmlWindowTestSetup::finishing, [&simulator] {
        simulator.stop();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    });
    return quick_test_main_with_setup(argc, argv, VORN_SYSTEMSETTING_TEST_NAME, VORN_SYSTEMSETTING_QML_TEST_DIR, &setup);
}

#include "tst_systemsetting_qml.moc"
