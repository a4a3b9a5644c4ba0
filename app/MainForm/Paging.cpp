// The category trees, the paging arrows and the fill of a tab's page.
#include "app/MainForm/MainForm.h"

#include "toolkit/GraphicControls.h"
#include "app/ShareDM.h"
#include "app/TemplatePage.h"
#include "app/MainForm/TemplateTab.h"
#include "toolkit/TreeView.h"

namespace {

// A tab's slot controls as the page fill sees them. Slots that were never
// created (a failed start) are left alone.
class SlotsView : public gallery::TabView {
public:
    explicit SlotsView(const TFormMain::Tab& tab) : tab_(tab) {}

    void HideArrows() override {
        tab_.controls.left->Hide();
        tab_.controls.right->Hide();
    }
    void ShowLeftArrow() override { tab_.controls.left->Show(); }
    void ShowRightArrow() override { tab_.controls.right->Show(); }
    void HideSlot(int slot) override { SetSlotVisible(slot, false); }
    void ShowSlot(int slot, const std::string& previewUrl, const std::string& orderUrl) override {
        SetSlotVisible(slot, true);
        GiveButtonsPictures(size_t(slot));
        tab_.previewUrls[size_t(slot)] = previewUrl;
        tab_.orderUrls[size_t(slot)] = orderUrl;
    }
    void LoadThumbnail(int slot, const std::string& fileName) override {
        if (tk::Image* thumb = tab_.thumbs[size_t(slot)]) {
            thumb->Picture().LoadFromFile(AppPath + "Images\\" + fileName);
        }
    }
    void SetLabel(const std::string& text) override { tab_.controls.label->SetCaption(text); }

private:
    // A slot's buttons get their pictures when the slot first shows: the
    // start-up reads none for the twenty hidden slots of each tab. A button
    // that has one keeps it (it may be lit).
    void GiveButtonsPictures(size_t slot) {
        const auto give = [](tk::Image* button, const char* picture) {
            if (button && button->Picture().Empty()) {
                button->Picture().LoadFromFile(AppPath + picture);
            }
        };
        give(tab_.opens[slot], pictures::OpenNormal);
        give(tab_.books[slot], pictures::BookNormal);
    }
    void SetSlotVisible(int slot, bool visible) {
        const auto i = size_t(slot);
        for (tk::Control* control :
             {static_cast<tk::Control*>(tab_.shapes[i]), static_cast<tk::Control*>(tab_.thumbs[i]),
              static_cast<tk::Control*>(tab_.opens[i]), static_cast<tk::Control*>(tab_.books[i])}) {
            if (control) {
                control->SetVisible(visible);
            }
        }
    }

    const TFormMain::Tab& tab_;
};

} // namespace

void TFormMain::FillPage(Tab tab, const std::string& category) {
    SlotsView view(tab);
    gallery::FillPage(data_->ADOQueryTemp, showMessage, view, tab.names.column, category, tab.page);
}

void TFormMain::FillTradePage(const std::string& category) {
    FillPage(TradeTab(), category);
}

void TFormMain::FillColorPage(const std::string& category) {
    FillPage(ColorTab(), category);
}

// A header node (its text holds the tree's header marker) leaves the page as
// it is; a leaf starts at its first page.
void TFormMain::SelectionChanged(Tab tab) {
    const tk::TreeNode* node = tab.controls.tree->Selected();
    if (!node || node->Text().find(tab.names.headerMarker) != std::string::npos) {
        return;
    }
    tab.page = 0;
    FillPage(tab, node->Text());
}

// The arrows refill with whatever node is selected now, header or leaf.
void TFormMain::ArrowClicked(Tab tab, int step) {
    tab.page += step;
    if (const tk::TreeNode* node = tab.controls.tree->Selected()) {
        FillPage(tab, node->Text());
    }
}
