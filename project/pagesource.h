#ifndef PAGESOURCE_H
#define PAGESOURCE_H

class WeightingData;

// The page tables a project file is read into and written from: the weighing
// controller's pages in the program, plain page tables in tests and fuzzing.
class PageSource
{
public:
    static constexpr int PageCount = 21;
    static constexpr int WirelessPage = 20;
    static constexpr int GroupPage = 1;

    virtual ~PageSource() = default;

    // The page table of pageId (0 to 20); null when it has none.
    virtual WeightingData *page(int pageId) const = 0;
    // The page table of pageId (0 to 20), created empty when missing.
    virtual WeightingData *ensurePage(int pageId) = 0;
};

#endif
