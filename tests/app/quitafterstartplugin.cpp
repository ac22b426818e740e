#include <QCoreApplication>
#include <QGenericPlugin>
#include <QTimer>

// Loaded into the real program (QT_QPA_GENERIC_PLUGINS) so that it leaves
// through its event loop, as when the operator closes the window, a second
// after start: long enough for the main window to be created or to fail.
class QuitAfterStartPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitafterstartplugin.json")
public:
    QObject *create(const QString &, const QString &) override
    {
        auto *owner = new QObject;
        QTimer::singleShot(1000, owner, [] { QCoreApplication::quit(); });
        return owner;
    }
};

#include "quitafterstartplugin.moc"
