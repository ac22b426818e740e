#ifndef LOCALPATH_H
#define LOCALPATH_H

#include <QString>

// The interface hands over file URLs ("file:///D:/w" on Windows,
// "file:///home/op/w" on Linux). A text starting with "file:" becomes the local
// path of that URL; any other text is a path already and is returned as it is.
QString localPathFromUrl(const QString &text);

#endif
