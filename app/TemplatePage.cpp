#include "app/TemplatePage.h"

#include "catalogue/Catalogue.h"

namespace gallery {

PageCount CountPages(int rows) {
    // Integer division truncating toward zero: 0 rows give one (empty) page.
    return {(rows - 1) / PageSize + 1, (rows - 1) / PageSize};
}

std::string PageLabel(int rows, int page) {
    return "共 " + std::to_string(rows) + " 记录　第 " + std::to_string(page + 1) + "/" +
           std::to_string(CountPages(rows).pages) + " 页";
}

std::string CategorySql(std::string_view column, std::string_view category) {
    std::string sql = "Select * From Title Where (TitleIndex > 0) And (";
    sql += column;
    sql += " = '";
    sql += category;
    sql += "') Order By TitleIndex";
    return sql;
}

std::string OrderPageAddress(std::string_view templateNumber) {
    std::string address(OrderPageHost);
    address += "/index.asp?TemplateNum=";
    address += templateNumber;
    return address;
}

void FillPage(catalogue::TCatalogueQuery& query, const MessageSink& showMessage, TabView& view,
              std::string_view column, std::string_view category, int page) {
    view.HideArrows();
    if (!RunQuery(query, CategorySql(column, category), "搜索模板时出错", showMessage)) {
        return;
    }

    const int rows = query.RecordCount();
    if (rows < 1) {
        for (int slot = 0; slot < SlotCount; ++slot) {
            view.HideSlot(slot);
        }
    } else {
        query.First();
        if (page < CountPages(rows).lastPage) {
            view.ShowRightArrow();
        }
        if (page > 0) {
            view.ShowLeftArrow();
        }
        for (int skipped = 0; skipped < page; ++skipped) {
            for (int row = 0; row < PageSize; ++row) {
                if (!query.Eof()) {
                    query.Next();
                }
            }
        }
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (query.Eof()) {
                view.HideSlot(slot);
                continue;
            }
            view.ShowSlot(slot, query.FieldByName("Title1"),
                          OrderPageAddress(query.FieldByName("TitleTxt")));
            view.LoadThumbnail(slot, query.FieldByName("Title5"));
            query.Next();
        }
    }
    view.SetLabel(PageLabel(rows, page));
}

} // namespace gallery
