#include "ui/common/partnumberpool.h"

PartNumberPool::PartNumberPool(QObject *parent) : QObject(parent)
{
}

QVariantList PartNumberPool::used() const
{
    QVariantList numbers;
    for (int number = FirstPart; number <= LastPart; ++number) {
        if (m_used.test(number))
            numbers.append(number);
    }
    return numbers;
}

int PartNumberPool::take()
{
    for (int number = FirstPart; number <= LastPart; ++number) {
        if (!m_used.test(number)) {
            reserve(number);
            return number;
        }
    }
    return 0;
}

bool PartNumberPool::reserve(int number)
{
    if (number < FirstPart || number > LastPart || m_used.test(number))
        return false;
    m_used.set(number);
    emit usedChanged();
    return true;
}

void PartNumberPool::release(int number)
{
    if (!isUsed(number))
        return;
    m_used.reset(number);
    emit usedChanged();
}

bool PartNumberPool::isUsed(int number) const
{
    return number >= FirstPart && number <= LastPart && m_used.test(number);
}
