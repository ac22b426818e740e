#include <QCoreApplication>
#include <QGenericPlugin>
#include <QTimer>

// Loaded into the real program (QT_QPA_GENERIC_PLUGINS) to quit through its event loop a second after
// start, as when the operator closes the window.
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
