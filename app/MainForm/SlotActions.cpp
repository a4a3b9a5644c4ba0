// What the template slots do under the mouse: Open and Book pictures light up
// once per entry and go back over the tab's background; clicks open the
// preview or the order page in the browser.
#include "app/MainForm/MainForm.h"

#include "toolkit/GraphicControls.h"
#include "app/MainForm/TemplateTab.h"
#include "app/TemplatePage.h"

namespace {

// A button's tag while it shows its highlighted picture, and otherwise.
constexpr int HoverOn = 1;
constexpr int HoverOff = 0;

// The slot whose control is `sender`, or -1.
template <class Array> int SlotOf(const Array& controls, const tk::Component& sender) {
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i] == &sender) {
            return int(i);
        }
    }
    return -1;
}

// Swaps the picture and the hover flag (the control's tag) of a button.
void SetHover(tk::Image& button, int flag, const char* picture) {
    button.SetTag(flag);
    button.Picture().LoadFromFile(AppPath + picture);
}

} // namespace

void TFormMain::OpenPreview(const std::string& tab, int slot) {
    LaunchSlot(tab, slot, false);
}

void TFormMain::OpenOrderPage(const std::string& tab, int slot) {
    LaunchSlot(tab, slot, true);
}

// A tab name that is neither "Trade" nor "Color", or a slot off the page,
// opens nothing.
void TFormMain::LaunchSlot(const std::string& tabName, int slot, bool orderPage) {
    if (slot < 0 || slot >= gallery::SlotCount) {
        return;
    }
    for (Tab tab : Tabs()) {
        if (tabName == tab.names.name) {
            launch((orderPage ? tab.orderUrls : tab.previewUrls)[size_t(slot)]);
        }
    }
}

void TFormMain::SlotClicked(Tab tab, const SlotArray<tk::Image>& controls, tk::Component& sender,
                            bool orderPage) {
    LaunchSlot(tab.names.name, SlotOf(controls, sender), orderPage);
}

void TFormMain::ButtonMouseMove(const SlotArray<tk::Image>& buttons, tk::Component& sender,
                                const char* highlightedPicture) {
    const int slot = SlotOf(buttons, sender);
    if (slot >= 0 && buttons[size_t(slot)]->Tag() == HoverOff) {
        SetHover(*buttons[size_t(slot)], HoverOn, highlightedPicture);
    }
}

void TFormMain::BackgroundMouseMove(Tab tab) {
    for (size_t i = 0; i < tab.opens.size(); ++i) {
        if (tab.opens[i] && tab.opens[i]->Tag() != HoverOff) {
            SetHover(*tab.opens[i], HoverOff, pictures::OpenNormal);
        }
        if (tab.books[i] && tab.books[i]->Tag() != HoverOff) {
            SetHover(*tab.books[i], HoverOff, pictures::BookNormal);
        }
    }
}
