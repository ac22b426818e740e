#ifndef BLECELLSTATE_H
#define BLECELLSTATE_H

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <cstddef>

// One wireless cell reading as both wireless links deliver it: a plain 34-byte
// record without pointers, copied by value into queued signals and into the
// receivers' own buffers. Unused bytes of the text fields stay 0.
struct bleCellState
{
    quint16 cellIndex = 0;
    quint8 online = 0;   // 1: current data; 0: the Bluetooth link's poll found the cell silent
    quint8 errorNb = 0;  // never filled by the links
    quint16 boxType = 0;
    qint16 curData = 0;  // raw weight value
    quint8 battery = 0;  // percent
    char address[20] = {};  // "00:80:E1:26:D3:AA", NUL-terminated
    char rssi[5] = {};      // dBm with sign, "-67", NUL-terminated
};

static_assert(sizeof(bleCellState) == 34, "bleCellState is a 34-byte record");
static_assert(offsetof(bleCellState, cellIndex) == 0, "cellIndex at 0");
static_assert(offsetof(bleCellState, online) == 2, "online at 2");
static_assert(offsetof(bleCellState, errorNb) == 3, "errorNb at 3");
static_assert(offsetof(bleCellState, boxType) == 4, "boxType at 4");
static_assert(offsetof(bleCellState, curData) == 6, "curData at 6");
static_assert(offsetof(bleCellState, battery) == 8, "battery at 8");
static_assert(offsetof(bleCellState, address) == 9, "address at 9");
static_assert(offsetof(bleCellState, rssi) == 29, "rssi at 29");

Q_DECLARE_METATYPE(bleCellState)

// Writes the address text, truncated to the field and zero-padded.
void setCellAddress(bleCellState &record, const QString &address);
// Writes the signal strength in dBm as decimal text ("-67").
void setCellRssi(bleCellState &record, int dbm);
QString cellAddress(const bleCellState &record);
QString cellRssi(const bleCellState &record);

// Makes bleCellState known to the meta-type system so it crosses queued
// connections; safe to call any number of times.
void registerWirelessMetaTypes();

#endif
