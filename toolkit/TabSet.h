// A tab set: the older notebook tabs without pages, a row of tabs hanging
// from the control's top edge, one of them selected, drawn by the control
// itself. The row starts at the first visible tab; a tab too wide for the
// room that is left is left out and the next one is tried. When not every
// tab fits, the scroller (a horizontal up-down, the tab set's first owned
// component) shows at the right end and moves the first visible tab.
// It is a Tab stop: with the focus, Left and Right select the tab before and
// after the selected one (bringing it into the row), which shows a focus cue.
#pragma once

#include "toolkit/WinControl.h"

#include <span>
#include <string>
#include <vector>

namespace tk {

class UpDown;

// Where one tab of a tab set lies along the row (client x coordinates).
struct TabSlot {
    int index = 0;
    int left = 0;
    int right = 0;
    bool operator==(const TabSlot&) const = default;
};

// A tab is as wide as its caption plus this.
constexpr int TabSetTabPadding = 9;
// While the scroller shows, a tab leaves this much more room before the limit.
constexpr int TabSetScrollerRoom = 12;

// The tabs laid out from `first` on, the first one at `start`: a tab of text
// width w at x fits when x + w + kTabSetTabPadding (plus kTabSetScrollerRoom
// while the scroller shows) stays within `limit`; the fitting ones follow
// each other without gaps.
std::vector<TabSlot> LayoutTabSet(std::span<const int> textWidths, int first, int start, int limit,
                                  bool scrollerShown);

class TabSet : public WinControl {
    TK_CLASS(TabSet)

public:
    explicit TabSet(Component* owner);

    const std::vector<std::string>& Tabs() const { return tabs_; }
    void SetTabs(const std::vector<std::string>& tabs);
    // The selected tab, or -1.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index);
    // The tab the row starts with.
    int FirstIndex() const { return firstIndex_; }
    void SetFirstIndex(int index);
    // Room left of the first tab and right of the row (where the scroller sits).
    int StartMargin() const { return startMargin_; }
    void SetStartMargin(int margin);
    int EndMargin() const { return endMargin_; }
    void SetEndMargin(int margin);
    tk::UpDown& Scroller() const { return *scroller_; }
    bool ScrollerShown() const;

    // The tabs as they lie now, measured in the control's font.
    std::vector<TabSlot> TabSlots();
    // The tab under a client point, or -1.
    int ItemAtPos(POINT client);

    // After the user selected another tab.
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void PaintWindow(HDC dc) override;
    void WndProc(Message& message) override;
    void FontChanged() override;
    void BoundsChanged(const RECT& oldBounds) override;
    void Loaded() override;

private:
    void TabPressed(POINT client);
    // Selects the tab `step` places from the selected one, as a user's choice.
    void SelectBy(int step);
    // Moves the row until the tab is in it.
    void BringIntoRow(int index);
    std::vector<int> TextWidths();
    int RowLimit() const { return Width() - endMargin_; }
    // Shows the scroller when not every tab fits, and gives it the range.
    void UpdateScroller();
    void PaintTab(HDC dc, const TabSlot& slot, bool selected);
    void OnScroll();

    std::vector<std::string> tabs_;
    int tabIndex_ = NoIndex;
    int firstIndex_ = 0;
    int startMargin_;
    int endMargin_;
    tk::UpDown* scroller_;
};

} // namespace tk
