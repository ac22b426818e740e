#include "app/localpath.h"

#include <QUrl>

QString localPathFromUrl(const QString &text)
{
    if (text.startsWith(QLatin1String("file:")))
        return QUrl(text).toLocalFile();
    return text;
}
