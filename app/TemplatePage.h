// One tab's page of templates: the catalogue query for a category, the page
// arithmetic, the record/page label, and the fill of the ten slots through
// the view that owns them. Shared by the industry and the colour tab.
#pragma once

#include "app/PublicFunction.h"

#include <string>
#include <string_view>

namespace catalogue {
class TCatalogueQuery;
}

namespace gallery {

constexpr int PageSize = 10;
constexpr int SlotCount = 10;

// The order page host of the application server.
inline constexpr std::string_view OrderPageHost = "http://order.kanvio.example";

struct PageCount {
    int pages;    // at least 1, also for no rows
    int lastPage; // zero-based
};
PageCount CountPages(int rows);

// "共 23 记录　第 3/3 页" for 23 rows on the zero-based page 2.
std::string PageLabel(int rows, int page);

// The query for one category; the category goes in unchanged (no quoting),
// so an apostrophe in it makes the query fail.
std::string CategorySql(std::string_view column, std::string_view category);

// The order page address for a template number, unescaped.
std::string OrderPageAddress(std::string_view templateNumber);

// What a fill does to the controls of one tab.
class TabView {
public:
    virtual ~TabView() = default;
    virtual void HideArrows() = 0;
    virtual void ShowLeftArrow() = 0;
    virtual void ShowRightArrow() = 0;
    virtual void HideSlot(int slot) = 0;
    // Shows the slot's four controls and stores its two addresses.
    virtual void ShowSlot(int slot, const std::string& previewUrl, const std::string& orderUrl) = 0;
    // Loads the thumbnail file (a name in the Images folder); raises when the
    // picture cannot be loaded, which ends the fill at this slot.
    virtual void LoadThumbnail(int slot, const std::string& fileName) = 0;
    virtual void SetLabel(const std::string& text) = 0;
};

// Fills the tab for `category` at the zero-based `page`, filtering on
// `column` (Title3 for industries, Title4 for colours). A failed query shows
// "搜索模板时出错" and leaves slots and label as they were.
void FillPage(catalogue::TCatalogueQuery& query, const MessageSink& showMessage, TabView& view,
              std::string_view column, std::string_view category, int page);

} // namespace gallery
