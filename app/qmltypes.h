#ifndef QMLTYPES_H
#define QMLTYPES_H

// Registers every C++ type the QML interface instantiates or names.
void registerQmlTypes();

#endif
