#include "app/permissions.h"

bool Permissions::checkPermission()
{
    return true;
}
