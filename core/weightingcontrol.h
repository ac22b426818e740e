#ifndef WEIGHTINGCONTROL_H
#define WEIGHTINGCONTROL_H

#include "core/devicelinks.h"
#include "core/hubconnectionstate.h"
#include "core/weightingcelldata.h"
#include "core/weightingdata.h"
#include "core/weightingpages.h"
#include "core/weightingrefresh.h"
#include "links/blecellstate.h"
#include "links/device.h"
#include "links/serialdevice.h"
#include "links/udp_comm.h"
#include "project/pagesource.h"
#include "recording/datasourcelocal.h"

#include <QObject>
#include <QString>
#include <QTranslator>

#include <cstdint>

class ProjectControl;

// Everything that is weighed, as the user interface sees it: 21 pages of cell
// records (pages 0 to 19 behind the hubs, page 20 the wireless cells), the
// total "ALL LOAD" in page 1 cell 0 and the group records 1 to 19 in page 1's
// group slots. The controller edits the model for the user interface and
// leaves the work to its parts: the pages and their limits (WeightingPages),
// the buffered device data and the once-per-second refresh and publication
// (WeightingRefresh), the device links (DeviceLinks) and what the hub link
// reports about the hubs (HubConnectionState).
//
// Arguments outside the model's limits (page 0 to 20, cell index 0 to 1000,
// record index 0 to 1020, group 0 to 19) are ignored: the user interface can
// send them from its free-text fields.
class WeightingConTrol : public QObject, public PageSource
{
    Q_OBJECT
    Q_PROPERTY(int preMaxWarnData READ preMaxWarnData WRITE setPreMaxWarnData NOTIFY preMaxWarnDataChanged)
    Q_PROPERTY(int preMinErrData READ preMinErrData WRITE setPreMinErrData NOTIFY preMinErrDataChanged)
    Q_PROPERTY(UDP_Comm *Comm READ Comm WRITE setComm RESET resetComm NOTIFY CommChanged)
    Q_PROPERTY(DataSourceLocal *dataSourceLocal READ dataSourceLocal WRITE setDataSourceLocal RESET resetDataSourceLocal NOTIFY dataSourceLocalChanged)
    Q_PROPERTY(bool trace READ trace WRITE setTrace RESET resetTrace NOTIFY traceChanged)
    Q_PROPERTY(uint32_t disConnecttimes READ disConnecttimes WRITE setDisConnecttimes RESET resetDisConnecttimes NOTIFY disConnecttimesChanged)
    Q_PROPERTY(bool udpConnect READ udpConnect WRITE setUdpConnect RESET resetUdpConnect NOTIFY udpConnectChanged)
    Q_PROPERTY(double conFactor READ conFactor WRITE setConFactor RESET resetConFactor NOTIFY conFactorChanged)
    Q_PROPERTY(bool CH READ CH WRITE setCH RESET resetCH NOTIFY CHChanged)
    Q_PROPERTY(int udpConnectl READ udpConnectl WRITE setUdpConnectl RESET resetUdpConnectl NOTIFY udpConnectlChanged)
    Q_PROPERTY(uint8_t udpConnectID READ udpConnectID WRITE setUdpConnectID RESET resetUdpConnectID NOTIFY udpConnectIDChanged)
    Q_PROPERTY(uint8_t udpConnecti READ udpConnecti WRITE setUdpConnecti RESET resetUdpConnecti NOTIFY udpConnectiChanged)
    Q_PROPERTY(Device *bleComm READ bleComm WRITE setBleComm RESET resetBleComm NOTIFY bleCommChanged)
    Q_PROPERTY(serialdevice *serialDevice READ serialDevice WRITE setSerialDevice RESET resetSerialDevice NOTIFY serialDeviceChanged)

public:
    static constexpr int CellSlotCount = WeightingData::CellSlotCount;
    static constexpr int GroupCount = WeightingData::GroupCount;
    static constexpr int GroupSlotBase = WeightingData::GroupSlotBase;
    static constexpr int HubSlotCount = HubConnectionState::HubSlotCount;
    static constexpr uint32_t DisconnectedTimes = WeightingRefresh::DisconnectedTimes;

    explicit WeightingConTrol(ProjectControl *owner = nullptr);
    ~WeightingConTrol() override;

    WeightingConTrol(const WeightingConTrol &) = delete;
    WeightingConTrol &operator=(const WeightingConTrol &) = delete;

    ProjectControl *owner() const { return m_owner; }

    // Page tables, for the project file. page() is null for a missing page or
    // a number outside 0 to 20; ensurePage() creates a missing one. Page 1
    // (GroupPage) holds the total and the groups, page 20 (WirelessPage) the
    // Bluetooth and serial cells.
    WeightingData *page(int pageId) const override;
    WeightingData *ensurePage(int pageId) override;
    // Closing a project: every page and record is deleted at once. The record
    // pointers published before are invalid from here on; pagesDeleted()
    // tells their holders.
    void deleteAllPages();

    int preMaxWarnData() const { return m_pages.preMaxWarnData(); }
    void setPreMaxWarnData(int value) { m_pages.setPreMaxWarnData(value); }
    int preMinErrData() const { return m_pages.preMinErrData(); }
    void setPreMinErrData(int value) { m_pages.setPreMinErrData(value); }
    int preMinWarnData() const { return m_pages.preMinWarnData(); }
    int preMaxErrData() const { return m_pages.preMaxErrData(); }
    // Presets for new cells, as the project page passes them.
    void setPreData(ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn)
    {
        m_pages.setPreData(minErr, maxErr, minWarn, maxWarn);
    }

    UDP_Comm *Comm() const { return m_links.hubLink(); }
    void setComm(UDP_Comm *comm) { m_links.setHubLink(comm); }
    void resetComm() { m_links.setHubLink(nullptr); }
    DataSourceLocal *dataSourceLocal() const { return m_links.replay(); }
    void setDataSourceLocal(DataSourceLocal *source) { m_links.setReplay(source); }
    void resetDataSourceLocal() { m_links.setReplay(nullptr); }
    Device *bleComm() const { return m_links.bleLink(); }
    void setBleComm(Device *device) { m_links.setBleLink(device); }
    void resetBleComm() { m_links.setBleLink(nullptr); }
    serialdevice *serialDevice() const { return m_links.serialLink(); }
    void setSerialDevice(serialdevice *device) { m_links.setSerialLink(device); }
    void resetSerialDevice() { m_links.setSerialLink(nullptr); }

    bool trace() const { return m_trace; }
    void setTrace(bool trace);
    void resetTrace();
    uint32_t disConnecttimes() const { return m_refresh.disConnecttimes(); }
    void setDisConnecttimes(uint32_t times) { m_refresh.setDisConnecttimes(times); }
    void resetDisConnecttimes() { m_refresh.setDisConnecttimes(DisconnectedTimes); }
    // The connected flag of hub-link slot udpConnecti.
    bool udpConnect() const { return m_hubState.udpConnect(); }
    void setUdpConnect(bool connected) { m_hubState.setUdpConnect(connected); }
    void resetUdpConnect();
    double conFactor() const { return m_conFactor; }
    void setConFactor(double factor);
    void resetConFactor();
    bool CH() const { return m_CH; }
    void setCH(bool chinese);
    void resetCH();
    int udpConnectl() const { return m_hubState.udpConnectl(); }
    void setUdpConnectl(int mask) { m_hubState.setUdpConnectl(mask); }
    void resetUdpConnectl() { m_hubState.setUdpConnectl(0); }
    uint8_t udpConnectID() const { return m_hubState.udpConnectID(); }
    void setUdpConnectID(uint8_t id) { m_hubState.setUdpConnectID(id); }
    void resetUdpConnectID() { m_hubState.setUdpConnectID(0); }
    uint8_t udpConnecti() const { return m_hubState.udpConnecti(); }
    void setUdpConnecti(uint8_t slot) { m_hubState.setUdpConnecti(slot); }
    void resetUdpConnecti() { m_hubState.setUdpConnecti(0); }

    QString savePath() const { return m_savePath; }

    // Live data (index 0) or the replay of the folder `path` with `time`
    // milliseconds between records (index 1); other values do nothing.
    void setDataSource(const QString &path, int index, int time);

    Q_INVOKABLE void createCell(int pageId, int index);
    Q_INVOKABLE void createBleCell(const QString &addr, int index);
    Q_INVOKABLE void deleteCell(int pageId, int index);
    Q_INVOKABLE void removeGroup(int pageId, int index);
    Q_INVOKABLE void qmlSetGroup(int pageId, int index, int groupId);
    Q_INVOKABLE void setGroupIndex(int pageId, int groupId, const QString &groupIndex);
    Q_INVOKABLE void setName(int pageId, int index, const QString &name);
    Q_INVOKABLE void setMinWarnData(int pageId, int index, double value);
    Q_INVOKABLE void setMaxWarnData(int pageId, int index, double value);
    Q_INVOKABLE void setMinErrData(int pageId, int index, double value);
    Q_INVOKABLE void setMaxErrData(int pageId, int index, double value);
    Q_INVOKABLE void setCellConfig(int pageId, int index, int minWarnData, int maxWarnData,
                                   int minErrData, int maxErrData);
    Q_INVOKABLE void setConfigSave(int pageId);
    Q_INVOKABLE void setPeelData(int pageId, int index, double peelData);
    Q_INVOKABLE void traceEnable(int pageId, int index);
    Q_INVOKABLE void traceDisable(int pageId, int index);
    Q_INVOKABLE void setAddBleAddress(int pageId, int index, const QString &address);
    Q_INVOKABLE QString getAddBleAddress(int pageId, int index) const;
    Q_INVOKABLE void resetMaxMinData(int pageId);
    Q_INVOKABLE void scanOnlineDevice();
    Q_INVOKABLE void qmlRequestReflsh();
    Q_INVOKABLE void qmlSetSavePath(const QString &str);
    Q_INVOKABLE void changeLanguage(bool CH);
    Q_INVOKABLE void sendData(const QString &str);
    Q_INVOKABLE void sendSetPara();

signals:
    void qmlLogShowSignal(QString st, QString str);
    void qmlCellLogShowSignal(QString st, QString str);
    void qmlreadGroupNameSignal(int pageId, int groupId, QString name);
    void readGroup(int pageId, int groupId, QString groupIndex);
    void readCellDataSignal(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                            int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                            int minErrData, int state, int errorNb, int boxType,
                            WeightingCellData *cellAddr);
    void readGroupCellDataSignal(int pageid, int index, int groupId, int typeFlag, QString name,
                                 int curData, int maxData, int minData, int maxWarnData,
                                 int minWarnData, int maxErrData, int minErrData, int state,
                                 int errorNb, int boxType, WeightingCellData *cellAddr);
    void removeGroupSignal(int pageId, int index);
    void deleteCellSignal(int pageId, int index);
    // The refresh has published every record: views that gather publications
    // show them now, in the same frame as everything else the refresh changed.
    void publicationFinished();
    void preMaxWarnDataChanged();
    void preMinErrDataChanged();
    void CommChanged();
    void dataSourceLocalChanged();
    void cellLogShowSignal(QString st, QString str);
    void playAlarmMusicSignal(int sound);
    void traceChanged();
    void disConnecttimesChanged();
    void udpConnectChanged();
    void conFactorChanged();
    void CHChanged();
    void udpConnectlChanged();
    void udpConnectIDChanged();
    void udpConnectiChanged();
    void bleCommChanged();
    void serialDeviceChanged();
    // Every page and record was deleted (project closed).
    void pagesDeleted();

public slots:
    void udpReadData(uint8_t *arr, int len);
    void bleReadData(bleCellState str, QString address);
    void bleAddOnlineDevice(QString address, int index);
    void udpConnectFlagChangedSlot(bool con, uint8_t i, uint8_t id);
    void cellLogShowSlot(QString st, QString str);
    void playAlarmMusicSlot(int sound);

private:
    void emitCreationMessage(int pageId, int index);

    ProjectControl *m_owner;
    // Declared first, the links are destroyed last, after the records they feed.
    DeviceLinks m_links;
    WeightingPages m_pages;
    WeightingRefresh m_refresh;
    HubConnectionState m_hubState;
    QString m_savePath;
    bool m_trace = false;
    double m_conFactor = 1.0;
    bool m_CH = true;
    QTranslator m_translator;
};

#endif
