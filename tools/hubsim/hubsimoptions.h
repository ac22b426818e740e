#ifndef HUBSIMOPTIONS_H
#define HUBSIMOPTIONS_H

#include <QHostAddress>
#include <QString>
#include <QStringList>

// The simulator's command line. Hub page p sends from baseAddress + p, so with
// the default 10.99.0.30 its hub ID (last octet mod 30) is its page.
struct HubSimOptions
{
    int hubs = 1;
    int firstPage = 1;
    int cells = 10;
    // Datagrams per second and hub. The program keeps a hub connected only
    // while its datagrams outpace the display command it sends every half
    // second; real hubs send about ten a second.
    double rate = 10.0;
    QHostAddress group { QStringLiteral("239.5.7.31") };
    quint16 port = 2001;                     // the program's receive port
    quint16 listenPort = 7100;               // the program's transmit port
    QHostAddress baseAddress { QStringLiteral("10.99.0.30") };
    quint32 seed = 1;
    double duration = 0;                     // seconds; 0 runs until stopped
    QString replayFolder;                    // write a replay folder instead of sending
    int ticks = 600;                         // replay lines per hub

    static constexpr int MaxCells = 100;     // cell indexes the program takes in: 1..100

    QHostAddress hubAddress(int page) const;
    static int hubIdOf(const QHostAddress &address);

    // Parses arguments (program name first). On failure returns false with
    // the reason in `error`; --help sets `helpText` and returns false with an
    // empty error.
    static bool parse(const QStringList &arguments, HubSimOptions *options, QString *error,
                      QString *helpText);
};

#endif
