#include "tools/hubsim/simulatedhub.h"

#include "tools/hubsim/hubdatagrambuilder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

SimulatedHub::SimulatedHub(int page, int cellCount, quint32 seed)
    : m_page(page),
      m_random(seed ^ (0x9E3779B9u * static_cast<quint32>(page + 1)))
{
    m_cells.reserve(cellCount);
    for (int i = 1; i <= cellCount; ++i)
        m_cells.append(SimulatedCell(static_cast<quint16>(i), m_random));
}

quint16 SimulatedHub::tag() const
{
    return HubDatagramBuilder::tagForPage(m_page);
}

void SimulatedHub::step(double seconds)
{
    for (SimulatedCell &cell : m_cells)
        cell.step(seconds, m_random);
}

QByteArray SimulatedHub::nextDatagram()
{
    QVector<HubCellRecord> records;
    records.reserve(m_cells.size());
    for (const SimulatedCell &cell : qAsConst(m_cells))
        records.append(cell.record());
    return HubDatagramBuilder::build(tag(), m_serial++, records);
}

int SimulatedHub::applyThresholdDocument(const QByteArray &document)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()
        || !json.object().value(QStringLiteral("VornCellList")).isArray())
        return -1;
    int applied = 0;
    const QJsonArray list = json.object().value(QStringLiteral("VornCellList")).toArray();
    for (const QJsonValue &entry : list) {
        const QJsonObject cell = entry.toObject();
        const int id = cell.value(QStringLiteral("VornCellId")).toInt(-1);
        if (id < 1 || id > m_cells.size())
            continue;
        SimulatedCell::Thresholds t;
        t.minErr = cell.value(QStringLiteral("minErr")).toDouble();
        t.minWarn = cell.value(QStringLiteral("minWarn")).toDouble();
        t.maxWarn = cell.value(QStringLiteral("maxWarn")).toDouble();
        t.maxErr = cell.value(QStringLiteral("maxErr")).toDouble();
        m_cells[id - 1].setThresholds(t);
        ++applied;
    }
    return applied;
}
