#include "app/qmltypes.h"

#include <QtQml>

void registerQmlTypes()
{
}
