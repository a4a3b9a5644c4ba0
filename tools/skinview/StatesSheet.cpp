#include "tools/skinview/StatesSheet.h"

#include "toolkit/GraphicControls.h"
#include "toolkit/RangeControls.h"
#include "toolkit/ScrollBar.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "tools/skinview/SkinText.h"
#include "toolkit/StdCtrls.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <array>
#include <string>

namespace skinview {
namespace {

enum class TState { Normal, Hot, Pressed, Focused, DefaultOrChecked, Disabled };
constexpr std::array<const char*, 6> StateNames{"正常 Normal",  "悬停 Hot",          "按下 Pressed",
                                                "焦点 Focused", "默认/选中 Default", "禁用 Off"};
constexpr std::array<const char*, 9> KindNames{"按钮 Button",   "位图 BitBtn",   "快捷 Speed",
                                               "复选 Check",    "单选 Radio",    "滑块 Track",
                                               "进度 Progress", "滚动条 Scroll", "微调 Up-down"};
// The progress bar's fill in each column, in percent: empty in the first,
// full in the last, so every cell of its strip shows somewhere.
constexpr int ProgressStep = 20;
constexpr int LabelWidth = 90;
constexpr int HeaderHeight = 24;
constexpr int CellWidth = 112;
constexpr int CellHeight = 38;
constexpr int ControlWidth = 100;
constexpr int ControlHeight = 26;
constexpr int GlyphSize = 16;

// A small two-colour glyph (its lower-left pixel, the transparent colour,
// magenta), so bitmap and speed buttons show where their glyph goes.
void DrawSampleGlyph(tk::Bitmap& glyph) {
    glyph.SetSize(GlyphSize, GlyphSize);
    auto pixels = glyph.Pixels();
    for (int y = 0; y < GlyphSize; ++y) {
        for (int x = 0; x < GlyphSize; ++x) {
            const bool inside = x > 2 && x < GlyphSize - 3 && y > 2 && y < GlyphSize - 3;
            const bool ring = x > 0 && x < GlyphSize - 1 && y > 0 && y < GlyphSize - 1;
            pixels[size_t(y * GlyphSize + x)] = inside ? 0xFF33CCFFu
                                                : ring ? 0xFF1060A0u
                                                       : 0xFFFF00FFu;
        }
    }
}

TState StateOf(int column) {
    return static_cast<TState>(column);
}

} // namespace

const tk::ClassInfo& TStatesSheet::StaticClass() {
    static const tk::ClassInfo info("TStatesSheet", &tk::Form::StaticClass());
    return info;
}

template <class T> T& TStatesSheet::AddControl(int row, int column) {
    auto* control = new T(this);
    control->SetBounds(LabelWidth + column * CellWidth + (CellWidth - ControlWidth) / 2,
                       HeaderHeight + row * CellHeight + (CellHeight - ControlHeight) / 2,
                       ControlWidth, ControlHeight);
    control->SetParent(this);
    return *control;
}

TStatesSheet::TStatesSheet(tk::Component* owner) : Form(owner) {
    SetCaption("控件状态 Control states");
    SetBorderStyle(tk::BorderStyle::Single);
    SetClientWidth(LabelWidth + int(StateNames.size()) * CellWidth + 8);
    SetClientHeight(HeaderHeight + int(KindNames.size()) * CellHeight + 8);
    for (size_t column = 0; column < StateNames.size(); ++column) {
        auto* header = new tk::Label(this);
        header->SetBounds(LabelWidth + int(column) * CellWidth, 4, CellWidth, HeaderHeight - 4);
        header->SetAlignment(tk::Alignment::Center);
        header->SetCaption(StateNames[column]);
        header->SetParent(this);
    }
    for (size_t row = 0; row < KindNames.size(); ++row) {
        auto* label = new tk::Label(this);
        label->SetBounds(6, HeaderHeight + int(row) * CellHeight + 12, LabelWidth - 6, 16);
        label->SetCaption(KindNames[row]);
        label->SetParent(this);
    }
    for (int column = 0; column < int(StateNames.size()); ++column) {
        const TState state = StateOf(column);
        auto& push = AddControl<tk::Button>(0, column);
        push.SetCaption("确定 OK");
        push.SetDefault(state == TState::DefaultOrChecked);
        auto& bitmap = AddControl<tk::BitBtn>(1, column);
        bitmap.SetCaption("位图 Glyph");
        DrawSampleGlyph(bitmap.Glyph());
        bitmap.SetDefault(state == TState::DefaultOrChecked);
        auto& speed = AddControl<tk::SpeedButton>(2, column);
        speed.SetCaption("快捷 Speed");
        DrawSampleGlyph(speed.Glyph());
        if (state == TState::DefaultOrChecked) {
            speed.SetGroupIndex(1);
            speed.SetDown(true);
        }
        auto& check = AddControl<tk::CheckBox>(3, column);
        check.SetCaption("复选 Check");
        check.SetChecked(state == TState::DefaultOrChecked);
        auto& radio = AddControl<tk::RadioButton>(4, column);
        radio.SetCaption("单选 Radio");
        radio.SetChecked(state == TState::DefaultOrChecked);
        auto& track = AddControl<tk::TrackBar>(5, column);
        track.SetMax(10);
        track.SetPosition(column * 2);
        auto& progress = AddControl<tk::ProgressBar>(6, column);
        progress.SetPosition(column * ProgressStep);
        auto& scroll = AddControl<tk::ScrollBar>(7, column);
        scroll.SetPageSize(20);
        scroll.SetPosition(column * 16);
        auto& upDown = AddControl<tk::UpDown>(8, column);
        upDown.SetOrientation(tk::Orientation::Horizontal);
        if (state == TState::Disabled) {
            for (tk::Control* control : std::initializer_list<tk::Control*>{
                     &push, &bitmap, &speed, &check, &radio, &track, &progress, &scroll, &upDown}) {
                control->SetEnabled(false);
            }
        }
    }
}

void TStatesSheet::ShowStates() {
    skin::TWinSkinForm* frame =
        skin::SkinManager ? skin::SkinManager->FindFrame(Handle()) : nullptr;
    if (!frame) {
        return;
    }
    // The focus on the form itself: no button takes the default look from it.
    SetFocus();
    FollowSkinText(*this, *frame->FSkinData);
    for (skin::TSkinControl* skinner : frame->FControls) {
        tk::Control* control = skinner->SkinnedControl();
        if (!control) {
            continue;
        }
        const int column = (control->Left() - LabelWidth) / CellWidth;
        switch (StateOf(column)) {
        case TState::Hot:
            skinner->FMouseState = skin::mouse_bit::Over;
            break;
        case TState::Pressed:
            skinner->FMouseState = skin::mouse_bit::Over | skin::mouse_bit::Pressed;
            break;
        case TState::Focused:
            // One control has the focus at a time: the sheet shows the look.
            skinner->FIsFocused = true;
            break;
        default:
            break;
        }
        skinner->Refresh();
    }
}

} // namespace skinview
