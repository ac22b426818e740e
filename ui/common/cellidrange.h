#ifndef CELLIDRANGE_H
#define CELLIDRANGE_H

#include <QString>
#include <QValidator>

#include <optional>

// A range of cells as the operator types it: "1.05-2.07", each end a page of
// one digit 1 to 9, a point and an index of one or two digits. Plans add and
// delete the cells of such a range in bulk.
struct CellIdRange
{
    int firstPage = 0;
    int firstIndex = 0;
    int lastPage = 0;
    int lastIndex = 0;

    // The range a whole text names; nothing for a malformed text.
    static std::optional<CellIdRange> parse(const QString &text);
    // How a range field takes a text being typed: Acceptable when it is a
    // whole range, Intermediate while it can still become one.
    static QValidator::State check(const QString &text);

    // The cell lies in the block of pages firstPage..lastPage and indices
    // firstIndex..lastIndex, the first end being the lower bound of both.
    bool containsBlock(int page, int index) const;
};

#endif
