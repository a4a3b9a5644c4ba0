// What the template slots do under the mouse: Open and Book pictures light up
// once per entry and go back over the tab's background; clicks open the
// preview or the order page in the browser.
#include "app/MainForm/MainForm.h"

#include "toolkit/GraphicControls.h"
#include "app/MainForm/TemplateTab.h"

namespace {

// The slot whose control is `sender`, or -1.
template <class Array> int SlotOf(const Array& controls, const tk::Component& sender) {
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i] == &sender)
            return int(i);
    return -1;
}

// Swaps the picture and the hover flag (the control's tag) of a button.
void SetHover(tk::Image& button, int flag, const char* picture) {
    button.SetTag(flag);
    button.Picture().LoadFromFile(AppPath + picture);
}

} // namespace

void TFormMain::OpenPreview(const std::string& tab, int slot) {
    if (slot < 0 || slot >= 10)
        return;
    if (tab == "Trade")
        Launch(TradePreviewUrls[size_t(slot)]);
    else if (tab == "Color")
        Launch(ColorPreviewUrls[size_t(slot)]);
}

void TFormMain::OpenOrderPage(const std::string& tab, int slot) {
    if (slot < 0 || slot >= 10)
        return;
    if (tab == "Trade")
        Launch(TradeOrderUrls[size_t(slot)]);
    else if (tab == "Color")
        Launch(ColorOrderUrls[size_t(slot)]);
}

void TFormMain::SlotClicked(Tab tab, const SlotArray<tk::Image>& controls, tk::Component& sender,
                            bool orderPage) {
    const int slot = SlotOf(controls, sender);
    if (orderPage)
        OpenOrderPage(tab.name, slot);
    else
        OpenPreview(tab.name, slot);
}

void TFormMain::ButtonMouseMove(const SlotArray<tk::Image>& buttons, tk::Component& sender,
                                const char* highlightedPicture) {
    const int slot = SlotOf(buttons, sender);
    if (slot >= 0 && buttons[size_t(slot)]->Tag() == 0)
        SetHover(*buttons[size_t(slot)], 1, highlightedPicture);
}

void TFormMain::BackgroundMouseMove(Tab tab) {
    for (size_t i = 0; i < tab.opens.size(); ++i) {
        if (tab.opens[i] && tab.opens[i]->Tag() != 0)
            SetHover(*tab.opens[i], 0, pictures::OpenNormal);
        if (tab.books[i] && tab.books[i]->Tag() != 0)
            SetHover(*tab.books[i], 0, pictures::BookNormal);
    }
}
