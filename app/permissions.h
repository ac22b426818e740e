#ifndef PERMISSIONS_H
#define PERMISSIONS_H

#include <QObject>

// Storage permission check. Desktop systems need no runtime grant, so the
// answer is always yes here.
class Permissions : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE bool checkPermission();
};

#endif
