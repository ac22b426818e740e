#ifndef DEVICELINKS_H
#define DEVICELINKS_H

#include <QObject>
#include <QString>

#include <memory>

class DataSourceLocal;
class Device;
class PageSource;
class UDP_Comm;
class WeightingConTrol;
class serialdevice;

// The device links the weighing controller takes its data from: the hub link
// over UDP (which owns the recorder), the Bluetooth LE link, the serial
// receiver and the replay of stored hub datagrams. It creates one of each,
// living as long as the controller, and wires the ones in use to the
// controller's slots: the live links, or the replay in their place. Any link
// may be replaced or removed (null); nothing is sent to a missing one.
class DeviceLinks : public QObject
{
    Q_OBJECT

public:
    explicit DeviceLinks(WeightingConTrol *control);
    ~DeviceLinks() override;

    UDP_Comm *hubLink() const { return m_hubLink; }
    void setHubLink(UDP_Comm *link);
    Device *bleLink() const { return m_bleLink; }
    void setBleLink(Device *link);
    serialdevice *serialLink() const { return m_serialLink; }
    void setSerialLink(serialdevice *link);
    DataSourceLocal *replay() const { return m_replay; }
    void setReplay(DataSourceLocal *replay);

    // Stops and deletes the replay created here, so that no frame reaches a
    // controller being destroyed.
    void endOwnReplay();

    // Live data (index 0) or the replay of the folder `path` with `time`
    // milliseconds between records (index 1); other values do nothing.
    void setDataSource(const QString &path, int index, int time);

    // Starts a Bluetooth discovery and polls the known devices.
    void scanWireless();
    void sendData(const QString &str);
    // Downloads every page's thresholds to its hub.
    void sendThresholds(const PageSource &pages);

signals:
    void hubLinkChanged();
    void bleLinkChanged();
    void serialLinkChanged();
    void replayChanged();

private:
    WeightingConTrol *m_control;
    std::unique_ptr<UDP_Comm> m_ownHubLink;
    std::unique_ptr<Device> m_ownBleLink;
    std::unique_ptr<serialdevice> m_ownSerialLink;
    std::unique_ptr<DataSourceLocal> m_ownReplay;
    UDP_Comm *m_hubLink = nullptr;
    Device *m_bleLink = nullptr;
    serialdevice *m_serialLink = nullptr;
    DataSourceLocal *m_replay = nullptr;
};

#endif
