#include "toolkit/StatusBar.h"

#include "toolkit/Dpi.h"
#include "toolkit/Text.h"

#include <commctrl.h>

namespace tk {
namespace {
const EnumInfo PanelBevelEnum{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
} // namespace

const ClassInfo& StatusPanel::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<StatusPanel>("TStatusPanel", &Persistent::StaticClass(), [](auto& p) {
            p.String("Text", &StatusPanel::Text, &StatusPanel::SetText);
            p.Integer("Width", &StatusPanel::Width, &StatusPanel::SetWidth);
            p.template Enumeration<tk::Alignment>(
                "Alignment", AlignmentEnum, &StatusPanel::Alignment, &StatusPanel::SetAlignment);
            p.template Enumeration<PanelBevel>("Bevel", PanelBevelEnum, &StatusPanel::Bevel,
                                               &StatusPanel::SetBevel);
            p.Boolean("RightToLeft", &StatusPanel::RightToLeft, &StatusPanel::SetRightToLeft);
        });
    return info;
}

void StatusPanel::SetText(const std::string& text) {
    text_ = text;
    bar_.Refresh();
}
void StatusPanel::SetWidth(int width) {
    width_ = width;
    bar_.Refresh();
}
void StatusPanel::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    bar_.Refresh();
}
void StatusPanel::SetBevel(PanelBevel bevel) {
    bevel_ = bevel;
    bar_.Refresh();
}
void StatusPanel::SetRightToLeft(bool rightToLeft) {
    rightToLeft_ = rightToLeft;
    bar_.Refresh();
}

const ClassInfo& StatusBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<StatusBar>("TStatusBar", &WinControl::StaticClass(), [](auto& p) {
            p.Collection("Panels", &StatusBar::ClearPanels,
                         [](StatusBar& b) -> Persistent& { return b.AddPanel(); });
            p.Boolean("SimplePanel", &StatusBar::SimplePanel, &StatusBar::SetSimplePanel);
            p.String("SimpleText", &StatusBar::SimpleText, &StatusBar::SetSimpleText);
            p.Boolean("SizeGrip", &StatusBar::SizeGrip, &StatusBar::SetSizeGrip);
        });
    return info;
}

StatusBar::StatusBar(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 200, 19);
    SetAlign(tk::Align::Bottom);
}

StatusPanel& StatusBar::AddPanel() {
    panels_.push_back(std::make_unique<StatusPanel>(*this));
    Refresh();
    return *panels_.back();
}

void StatusBar::ClearPanels() {
    panels_.clear();
    Refresh();
}

void StatusBar::SetSimplePanel(bool simple) {
    simplePanel_ = simple;
    Refresh();
}

void StatusBar::SetSimpleText(const std::string& text) {
    simpleText_ = text;
    Refresh();
}

void StatusBar::SetSizeGrip(bool sizeGrip) {
    sizeGrip_ = sizeGrip;
    ChangeStyle(sizeGrip ? SBARS_SIZEGRIP : 0, sizeGrip ? 0 : SBARS_SIZEGRIP);
}

void StatusBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = STATUSCLASSNAMEW;
    // The toolkit places the bar (Align), not the control itself.
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void StatusBar::HandleCreated() {
    Refresh();
}

void StatusBar::ChangeScale(int to, int from) {
    WinControl::ChangeScale(to, from);
    for (auto& panel : panels_) {
        panel->width_ = ScaleMeasure(panel->width_, to, from);
    }
    Refresh();
}

void StatusBar::Refresh() {
    if (!HandleAllocated()) {
        return;
    }
    HWND window = Handle();
    bool simple = simplePanel_ || panels_.empty();
    SendMessageW(window, SB_SIMPLE, simple, 0);
    if (simple) {
        SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID,
                     reinterpret_cast<LPARAM>(Widen(simpleText_).c_str()));
        return;
    }
    std::vector<int> edges;
    int right = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i]->Width();
        edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i) {
        const StatusPanel& panel = *panels_[i];
        // The control aligns text after one tab (centre) or two (right).
        std::wstring text = panel.Alignment() == tk::Alignment::Center  ? L"\t"
                            : panel.Alignment() == tk::Alignment::Right ? L"\t\t"
                                                                        : L"";
        text += Widen(panel.Text());
        WPARAM flags = i |
                       (panel.Bevel() == PanelBevel::None     ? SBT_NOBORDERS
                        : panel.Bevel() == PanelBevel::Raised ? SBT_POPOUT
                                                              : 0) |
                       (panel.RightToLeft() ? SBT_RTLREADING : 0);
        SendMessageW(window, SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void StatusBar::WindowResized() {
    Refresh();
}

} // namespace tk
