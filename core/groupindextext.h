#ifndef GROUPINDEXTEXT_H
#define GROUPINDEXTEXT_H

#include <QString>

// The comma-separated list of a group's ten member numbers as the table's
// group dialog edits it.
class GroupIndexText
{
public:
    static constexpr int ValueCount = 10;

    // Reads up to ten comma-separated decimal numbers (anything else reads 0,
    // missing ones are 0) and writes them back as ten values each followed by
    // a comma: "3,x,7" gives "3,0,7,0,0,0,0,0,0,0,". One trailing comma is
    // allowed, so a normalized text reads back unchanged. Returns false, and
    // leaves `normalized` alone, for more than ten pieces.
    static bool normalize(const QString &text, QString &normalized);
};

#endif
