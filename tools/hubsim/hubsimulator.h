#ifndef HUBSIMULATOR_H
#define HUBSIMULATOR_H

#include "tools/hubsim/hubsimoptions.h"
#include "tools/hubsim/simulatedhub.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <functional>

class QUdpSocket;

// The hubs on the network: each hub has one socket bound to its own address
// and the listen port; it multicasts the hub's datagrams from there and
// receives the command frames the program sends back.
class HubSimulator : public QObject
{
    Q_OBJECT

public:
    using Output = std::function<void(const QJsonObject &)>;

    HubSimulator(const HubSimOptions &options, Output output, QObject *parent = nullptr);

    // Binds every hub; false with the reason when an address is missing.
    bool start(QString *error);

signals:
    void finished();

private:
    void tick();
    void readFrames(int hub);

    HubSimOptions m_options;
    Output m_output;
    QVector<SimulatedHub> m_hubs;
    QVector<QUdpSocket *> m_sockets;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    qint64 m_sent = 0;
};

#endif
