#ifndef SINGLEINSTANCE_H
#define SINGLEINSTANCE_H

#include <QSharedMemory>

// Guards against a second running instance with a one-byte shared-memory
// segment. On Linux a segment outlives a killed owner; attaching and detaching
// once clears such a stale segment while a live owner keeps it attached.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);

    // True when this process now owns the segment, false when another live
    // instance holds it.
    bool acquire();

private:
    QSharedMemory m_memory;
};

#endif
