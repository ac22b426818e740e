#include <QCoreApplication>
#include <QGenericPlugin>
#include <QTimer>

// Loaded into the real program by the single-instance test (through
// QT_QPA_GENERIC_PLUGINS) so that an instance can leave through its event loop
// like an operator closing the window, whatever the window contains.
class QuitAfterStartPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitafterstartplugin.json")
public:
    QObject *create(const QString &key, const QString &paramList) override
    {
        Q_UNUSED(key)
        Q_UNUSED(paramList)
        auto *owner = new QObject;
        // Long enough for the main window to be created; a window that fails
        // ends the run with -1 before this.
        QTimer::singleShot(1000, owner, [] { QCoreApplication::quit(); });
        return owner;
    }
};

#include "quitafterstartplugin.moc"
