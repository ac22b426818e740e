#ifndef OWNEDPAGES_H
#define OWNEDPAGES_H

#include "core/weightingdata.h"
#include "project/pagesource.h"

#include <array>
#include <memory>

// Page tables of their own, for project files without the weighing controller.
class OwnedPages : public PageSource
{
public:
    WeightingData *page(int pageId) const override
    {
        return pageId >= 0 && pageId < PageCount ? m_pages[pageId].get() : nullptr;
    }
    WeightingData *ensurePage(int pageId) override
    {
        if (pageId >= 0 && pageId < PageCount && !m_pages[pageId])
            m_pages[pageId] = std::make_unique<WeightingData>();
        return page(pageId);
    }

private:
    std::array<std::unique_ptr<WeightingData>, PageCount> m_pages;
};

#endif
