#ifndef HUBFEED_H
#define HUBFEED_H

#include <QObject>
#include <QVariantList>

// Hands hub datagrams to the weighing controller as its hub link does.
class HubFeed : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // records: [index, weight, state, boxType] per cell of the page.
    Q_INVOKABLE void send(QObject *controller, int page, const QVariantList &records) const;
};

#endif
