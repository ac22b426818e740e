#include "ui/common/hubfeed.h"
#include "ui/common/qmlwindowtestsetup.h"
#include "ui/common/workingfolder.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QtQuickTest>

// The working directory's files, with the project file and recordings read.
class TestFiles : public WorkingFolder
{
    Q_OBJECT
public:
    // A file's text; of a folder, that of its first recording.
    Q_INVOKABLE QString read(const QString &path) const
    {
        const QStringList recordings = QDir(path).entryList({"*user.csv"}, QDir::Files, QDir::Name);
        QFile file(recordings.isEmpty() ? path : path + '/' + recordings.first());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

// The hub simulator named by $HUBSIM, inside the private network namespace;
// its standard output holds one JSON object per frame the hubs receive.
class HubSimulator : public QProcess
{
    Q_OBJECT
public:
    ~HubSimulator() override { stop(); }
    Q_INVOKABLE bool start(const QStringList &arguments)
    {
        setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcess::start(qEnvironmentVariable("HUBSIM"), arguments);
        return waitForStarted(5000);
    }
    Q_INVOKABLE QString output() { return m_output += QString::fromUtf8(readAllStandardOutput()); }
    Q_INVOKABLE void stop()
    {
        terminate();
        if (!waitForFinished(3000))
            kill();
    }

private:
    QString m_output;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestFiles files;
    HubFeed feed;
    HubSimulator simulator;
    QmlWindowTestSetup setup(&app, {{"testFiles", &files}, {"hubFeed", &feed}, {"hubSimulator", &simulator}});
    QObject::connect(&setup, &QmlWindowTestSetup::finishing, &simulator, &HubSimulator::stop);
    return quick_test_main_with_setup(argc, argv, VORN_SYSTEMSETTING_TEST_NAME, VORN_SYSTEMSETTING_QML_TEST_DIR, &setup);
}

#include "tst_systemsetting_qml.moc"
