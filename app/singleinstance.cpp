#include "app/singleinstance.h"

SingleInstance::SingleInstance(const QString &key) : m_memory(key)
{
}

bool SingleInstance::acquire()
{
    // The last detach of a segment whose owner died destroys it; with a live
    // owner still attached the segment stays and create() below fails.
    if (m_memory.attach(QSharedMemory::ReadWrite))
        m_memory.detach();
    if (m_memory.create(1, QSharedMemory::ReadWrite))
        return true;
    return m_memory.error() != QSharedMemory::AlreadyExists;
}
