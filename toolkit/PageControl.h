// A page control: the system's tab control with one tab sheet (a window of the
// toolkit's own) per page; the sheet of the selected tab fills the display area.
#pragma once

#include "toolkit/WinControl.h"

#include <vector>

namespace tk {

class ImageList;
class PageControl;

class TabSheet : public WinControl {
    TK_CLASS(TabSheet)

public:
    explicit TabSheet(Component* owner);
    ~TabSheet() override;
    tk::PageControl* PageControl() const { return pageControl_; }
    void SetPageControl(tk::PageControl* pageControl);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;

    void SetParentComponent(Component& parent) override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void CaptionChanged() override;

private:
    friend class tk::PageControl;
    tk::PageControl* pageControl_ = nullptr;
    int imageIndex_ = NoIndex;
    bool tabVisible_ = true;
};

enum class TabPosition { Top, Bottom, Left, Right };

class PageControl : public WinControl {
    TK_CLASS(PageControl)

public:
    explicit PageControl(Component* owner);
    ~PageControl() override;
    const std::vector<TabSheet*>& Pages() const { return pages_; }
    TabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TabSheet* page);
    tk::ImageList* Images() const { return images_; }
    // Also measures the (scaled) image list again.
    void ChangeScale(int to, int from) override;
    void SetImages(tk::ImageList* images);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool multiLine);
    tk::TabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(tk::TabPosition position);
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool NotifyReflected(const NMHDR& header, LRESULT& result) override;
    void WindowResized() override;
    RECT AlignRect() override;
    void Notification(Component& component, Operation operation) override;

private:
    friend class TabSheet;
    void InsertPage(TabSheet& page);
    void RemovePage(TabSheet& page);
    void UpdateTabs();
    void LayoutSheets();
    std::vector<TabSheet*> VisiblePages() const;
    std::vector<TabSheet*> pages_;
    TabSheet* activePage_ = nullptr;
    tk::ImageList* images_ = nullptr;
    bool multiLine_ = false;
    tk::TabPosition tabPosition_ = tk::TabPosition::Top;
};

} // namespace tk
