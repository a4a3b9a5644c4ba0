#include "toolkit/PageControl.h"

#include "toolkit/ImageList.h"
#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {
namespace {
const EnumInfo TabPositionEnum{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
} // namespace

const ClassInfo& TabSheet::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TabSheet>("TTabSheet", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &TabSheet::Caption, &TabSheet::SetCaption);
            p.Integer("ImageIndex", &TabSheet::ImageIndex, &TabSheet::SetImageIndex);
            p.Boolean("TabVisible", &TabSheet::TabVisible, &TabSheet::SetTabVisible);
            p.template Reference<tk::PageControl>("PageControl", &TabSheet::PageControl,
                                                  &TabSheet::SetPageControl);
        });
    return info;
}

TabSheet::TabSheet(Component* owner) : WinControl(owner) {
    StoreVisible(false);
    SetParentColor(true);
}

TabSheet::~TabSheet() {
    SetPageControl(nullptr);
}

void TabSheet::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"TTabSheet";
    params.ownClass = true;
}

void TabSheet::SetParentComponent(Component& parent) {
    if (auto* pageControl = dynamic_cast<tk::PageControl*>(&parent)) {
        SetPageControl(pageControl);
        return;
    }
    WinControl::SetParentComponent(parent);
}

void TabSheet::SetPageControl(tk::PageControl* pageControl) {
    if (pageControl == pageControl_) {
        return;
    }
    if (pageControl_) {
        pageControl_->RemovePage(*this);
    }
    pageControl_ = pageControl;
    SetParent(pageControl);
    if (pageControl_) {
        pageControl_->InsertPage(*this);
    }
}

int TabSheet::PageIndex() const {
    if (!pageControl_) {
        return -1;
    }
    const auto& pages = pageControl_->Pages();
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TabSheet::SetImageIndex(int index) {
    imageIndex_ = index;
    if (pageControl_) {
        pageControl_->UpdateTabs();
    }
}

void TabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    if (pageControl_) {
        pageControl_->UpdateTabs();
    }
}

void TabSheet::CaptionChanged() {
    if (pageControl_) {
        pageControl_->UpdateTabs();
    }
}

const ClassInfo& PageControl::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<PageControl>("TPageControl", &WinControl::StaticClass(), [](auto& p) {
            p.template Reference<TabSheet>("ActivePage", &PageControl::ActivePage,
                                           &PageControl::SetActivePage);
            p.template Reference<tk::ImageList>("Images", &PageControl::Images,
                                                &PageControl::SetImages);
            p.Boolean("MultiLine", &PageControl::MultiLine, &PageControl::SetMultiLine);
            p.template Enumeration<tk::TabPosition>("TabPosition", TabPositionEnum,
                                                    &PageControl::TabPosition,
                                                    &PageControl::SetTabPosition);
            p.Event("OnChange", &PageControl::OnChange);
        });
    return info;
}

PageControl::PageControl(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 289, 193);
    // Its sheets take their colour through it from the form.
    SetParentColor(true);
    SetTabStop(true);
}

PageControl::~PageControl() {
    std::vector<TabSheet*> pages = pages_;
    for (TabSheet* page : pages) {
        page->pageControl_ = nullptr;
    }
    pages_.clear();
}

void PageControl::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = WC_TABCONTROLW;
    params.style |= WS_CLIPCHILDREN | (multiLine_ ? TCS_MULTILINE : 0);
    switch (tabPosition_) {
    case tk::TabPosition::Top:
        break;
    case tk::TabPosition::Bottom:
        params.style |= TCS_BOTTOM;
        break;
    case tk::TabPosition::Left:
        params.style |= TCS_VERTICAL | TCS_MULTILINE;
        break;
    case tk::TabPosition::Right:
        params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
        break;
    }
}

void PageControl::HandleCreated() {
    if (images_) {
        SendMessageW(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    }
    UpdateTabs();
}

void PageControl::InsertPage(TabSheet& page) {
    pages_.push_back(&page);
    if (!activePage_) {
        activePage_ = &page;
    }
    UpdateTabs();
}

void PageControl::RemovePage(TabSheet& page) {
    pages_.erase(std::remove(pages_.begin(), pages_.end(), &page), pages_.end());
    if (activePage_ == &page) {
        activePage_ = pages_.empty() ? nullptr : pages_.front();
    }
    UpdateTabs();
}

std::vector<TabSheet*> PageControl::VisiblePages() const {
    std::vector<TabSheet*> visible;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(visible),
                 [](TabSheet* p) { return p->TabVisible(); });
    return visible;
}

void PageControl::UpdateTabs() {
    if (HandleAllocated() && !IsDestroying()) {
        HWND window = Handle();
        SendMessageW(window, TCM_DELETEALLITEMS, 0, 0);
        std::vector<TabSheet*> visible = VisiblePages();
        for (size_t i = 0; i < visible.size(); ++i) {
            std::wstring text = Widen(visible[i]->Caption());
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_IMAGE;
            item.pszText = text.data();
            item.iImage = visible[i]->ImageIndex();
            SendMessageW(window, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        auto active = std::find(visible.begin(), visible.end(), activePage_);
        SendMessageW(window, TCM_SETCURSEL,
                     active == visible.end() ? WPARAM(-1) : WPARAM(active - visible.begin()), 0);
    }
    LayoutSheets();
}

RECT PageControl::AlignRect() {
    RECT r = ClientRect();
    if (HandleAllocated()) {
        SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

void PageControl::LayoutSheets() {
    RECT display = AlignRect();
    for (TabSheet* page : pages_) {
        page->SetBounds(display.left, display.top, display.right - display.left,
                        display.bottom - display.top);
        page->SetVisible(page == activePage_ && page->TabVisible());
    }
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page && page->PageControl() != this) {
        return;
    }
    activePage_ = page;
    UpdateTabs();
}

void PageControl::SetImages(tk::ImageList* images) {
    images_ = images;
    if (images_) {
        images_->FreeNotification(*this);
    }
    if (HandleAllocated()) {
        SendMessageW(Handle(), TCM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
        LayoutSheets();
    }
}

void PageControl::ChangeScale(int to, int from) {
    WinControl::ChangeScale(to, from);
    if (images_) {
        SetImages(images_);
    }
}

void PageControl::SetMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    ChangeStyle(multiLine ? TCS_MULTILINE : 0, multiLine ? 0 : TCS_MULTILINE);
    LayoutSheets();
}

void PageControl::SetTabPosition(tk::TabPosition position) {
    tabPosition_ = position;
}

void PageControl::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == images_) {
        images_ = nullptr;
    }
}

bool PageControl::NotifyReflected(const NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) {
        return false;
    }
    int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    std::vector<TabSheet*> visible = VisiblePages();
    if (index >= 0 && index < static_cast<int>(visible.size())) {
        activePage_ = visible[static_cast<size_t>(index)];
        LayoutSheets();
        if (OnChange) {
            OnChange(*this);
        }
    }
    result = 0;
    return true;
}

void PageControl::WindowResized() {
    LayoutSheets();
}

} // namespace tk
