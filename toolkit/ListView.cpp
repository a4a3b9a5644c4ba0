#include "toolkit/ListView.h"

#include "toolkit/Dpi.h"
#include "toolkit/ImageList.h"
#include "toolkit/Text.h"

#include <commctrl.h>

namespace tk {
namespace {
const EnumInfo ViewStyleEnum{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

DWORD ViewStyleBits(ViewStyle style) {
    switch (style) {
    case ViewStyle::Icon:
        return LVS_ICON;
    case ViewStyle::SmallIcon:
        return LVS_SMALLICON;
    case ViewStyle::List:
        return LVS_LIST;
    case ViewStyle::Report:
        return LVS_REPORT;
    }
    return LVS_REPORT;
}
} // namespace

const ClassInfo& ListColumn::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ListColumn>("TListColumn", &Persistent::StaticClass(), [](auto& p) {
            p.String("Caption", &ListColumn::Caption, &ListColumn::SetCaption);
            p.Integer("Width", &ListColumn::Width, &ListColumn::SetWidth);
            p.template Enumeration<tk::Alignment>(
                "Alignment", AlignmentEnum, &ListColumn::Alignment, &ListColumn::SetAlignment);
        });
    return info;
}

void ListColumn::SetCaption(const std::string& caption) {
    caption_ = caption;
    list_.Refill();
}
void ListColumn::SetWidth(int width) {
    width_ = width;
    list_.Refill();
}
void ListColumn::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    list_.Refill();
}

const ClassInfo& ListItem::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ListItem>("TListItem", &Persistent::StaticClass(), [](auto& p) {
            p.String("Caption", &ListItem::Caption, &ListItem::SetCaption);
            p.StringList("SubItems", &ListItem::SubItems, &ListItem::SetSubItems);
            p.Integer("ImageIndex", &ListItem::ImageIndex, &ListItem::SetImageIndex);
        });
    return info;
}

void ListItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    list_.Refill();
}
void ListItem::SetSubItems(const std::vector<std::string>& subItems) {
    subItems_ = subItems;
    list_.Refill();
}
void ListItem::SetImageIndex(int index) {
    imageIndex_ = index;
    list_.Refill();
}

const ClassInfo& ListView::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ListView>("TListView", &WinControl::StaticClass(), [](auto& p) {
            p.Collection("Columns", &ListView::ClearColumns,
                         [](ListView& l) -> Persistent& { return l.AddColumn(); });
            p.Collection("Items", &ListView::ClearItems,
                         [](ListView& l) -> Persistent& { return l.AddItem(); });
            p.template Enumeration<tk::ViewStyle>("ViewStyle", ViewStyleEnum, &ListView::ViewStyle,
                                                  &ListView::SetViewStyle);
            p.template Reference<tk::ImageList>("SmallImages", &ListView::SmallImages,
                                                &ListView::SetSmallImages);
        });
    return info;
}

ListView::ListView(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
}

ListColumn& ListView::AddColumn() {
    columns_.push_back(std::make_unique<ListColumn>(*this));
    Refill();
    return *columns_.back();
}

void ListView::ClearColumns() {
    columns_.clear();
    Refill();
}

ListItem& ListView::AddItem() {
    items_.push_back(std::make_unique<ListItem>(*this));
    Refill();
    return *items_.back();
}

void ListView::ClearItems() {
    items_.clear();
    Refill();
}

void ListView::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = WC_LISTVIEWW;
    params.style |= ViewStyleBits(viewStyle_) | LVS_SHOWSELALWAYS;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void ListView::HandleCreated() {
    Refill();
}

void ListView::Loaded() {
    WinControl::Loaded();
    Refill();
}

// The window does not paint while it is filled: each row would otherwise
// update the scroll bar and repaint (seconds for a thousand rows).
void ListView::Refill() {
    if (!HandleAllocated() || filling_ || IsLoading()) {
        return;
    }
    filling_ = true;
    HWND window = Handle();
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(window, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        std::wstring text = Widen(columns_[i]->Caption());
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = text.data();
        column.cx = columns_[i]->Width();
        column.fmt = columns_[i]->Alignment() == tk::Alignment::Right    ? LVCFMT_RIGHT
                     : columns_[i]->Alignment() == tk::Alignment::Center ? LVCFMT_CENTER
                                                                         : LVCFMT_LEFT;
        SendMessageW(window, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        std::wstring text = Widen(items_[i]->Caption());
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = text.data();
        item.iImage = items_[i]->ImageIndex();
        SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const auto& subItems = items_[i]->SubItems();
        for (size_t s = 0; s < subItems.size(); ++s) {
            std::wstring subText = Widen(subItems[s]);
            LVITEMW sub{};
            sub.iSubItem = static_cast<int>(s + 1);
            sub.pszText = subText.data();
            SendMessageW(window, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    filling_ = false;
}

void ListView::SetViewStyle(tk::ViewStyle style) {
    viewStyle_ = style;
    ChangeStyle(ViewStyleBits(style), LVS_TYPEMASK & ~ViewStyleBits(style));
}

void ListView::SetSmallImages(tk::ImageList* images) {
    smallImages_ = images;
    if (smallImages_) {
        smallImages_->FreeNotification(*this);
    }
    if (HandleAllocated()) {
        SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
    }
}

void ListView::ChangeScale(int to, int from) {
    WinControl::ChangeScale(to, from);
    for (auto& column : columns_) {
        column->width_ = ScaleMeasure(column->width_, to, from);
    }
    if (smallImages_) {
        SetSmallImages(smallImages_);
    }
    Refill();
}

HWND ListView::Header() {
    return reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
}

void ListView::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == smallImages_) {
        smallImages_ = nullptr;
    }
}

} // namespace tk
