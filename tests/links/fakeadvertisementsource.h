#ifndef FAKEADVERTISEMENTSOURCE_H
#define FAKEADVERTISEMENTSOURCE_H

#include "links/advertisementsource.h"

#include <QtGlobal>

// Stands in for the platform's Bluetooth stack: remembers how it was started
// and lets the test call the watcher the way a platform thread would.
class FakeAdvertisementSource : public AdvertisementSource
{
public:
    void start(quint8 methods, AdvertisementSink *sink) override
    {
        ++starts;
        startedMethods = methods;
        this->sink = sink;
    }
    void stop() override
    {
        ++stops;
        sink = nullptr;
    }

    int starts = 0;
    int stops = 0;
    quint8 startedMethods = 0;
    AdvertisementSink *sink = nullptr;
};

#endif
