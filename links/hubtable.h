#ifndef HUBTABLE_H
#define HUBTABLE_H

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// The hubs that have sent datagrams, without any socket: up to ten slots filled
// in arrival order and never freed. Each slot keeps the sender, the two tag
// bytes of its first datagram and a counter packing hub ID × 10 + credit. The
// credit (0..4) rises with every datagram and falls with every send, so a hub
// that keeps talking between two sends counts as connected.
class HubTable
{
public:
    static constexpr int SlotCount = 10;
    static constexpr quint32 MaxCredit = 4;

    enum class Arrival { Credited, Registered, Unregistered };

    struct ArrivalResult
    {
        Arrival arrival = Arrival::Unregistered;
        int slot = -1;
    };

    // Credits a known sender or registers a new one in the first free slot.
    // Bytes past `length` count as zero, like the cleared receive buffer.
    ArrivalResult receive(const QHostAddress &sender, const uint8_t *datagram, int length);

    bool isFree(int slot) const;
    QHostAddress address(int slot) const;
    quint32 counter(int slot) const;
    quint8 hubId(int slot) const;
    quint32 credit(int slot) const;
    quint8 tagLow(int slot) const;
    quint8 tagHigh(int slot) const;
    bool connected(int slot) const;
    void setConnected(int slot, bool connected);

    // Slots a display command goes to: every used slot, in order.
    QVector<int> dataTargets() const;
    // Slots a parameter document for hub `id` goes to. Free slots have counter
    // 0, so for id 0 the walk ends at the first free slot.
    QVector<int> setParaTargets(quint8 id) const;

    // Advances the sequence shared by every frame and builds the next frame
    // for `slot`; the first frame carries 1 and 65535 is followed by 0.
    QByteArray nextFrame(int slot, const QByteArray &payload);
    quint16 sequence() const { return m_sequence; }

    // One send's worth of credit: true (and one credit less) when the hub has
    // sent since it was last charged, false when it has nothing left.
    bool spendCredit(int slot);

    // The text after the last '.' of the address, read as a hub's number.
    static QString lastAddressPart(const QHostAddress &address);
    // Last part of the dotted address modulo 30; 0 when it is not a number.
    static quint8 hubIdFromAddress(const QHostAddress &address);

private:
    struct Slot
    {
        QHostAddress address;
        quint32 counter = 0;
        bool connected = false;
        quint8 tagLow = 0;
        quint8 tagHigh = 0;
    };

    std::array<Slot, SlotCount> m_slots {};
    quint16 m_sequence = 0;
};

#endif
