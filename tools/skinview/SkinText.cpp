#include "tools/skinview/SkinText.h"

#include "toolkit/GraphicControls.h"
#include "toolkit/ListView.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/SkinStatusBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace skinview {
namespace {

// The toolkit's classes the engine's rules leave alone, with their kind.
constexpr std::array<std::string_view, 7> ShowcaseLines{
    "TCheckBox=checkbox",    "TRadioButton=radiobutton",
    "TProgressBar=progress", "TGroupBox=groupbox",
    "TPanel=panel",          "TEdit=edit",
    "TComboBox=combobox"};

// A skinner for the kinds no Skin3rd kind paints: a scroll bar control is one
// bar as a whole window (the "scrollbar" kind paints a control's window
// scroll bars), and a status bar has no kind at all.
tk::Component* ShowcaseSkinner(const skin::TSkinData& skin, tk::Component& control) {
    if (dynamic_cast<tk::ScrollBar*>(&control) && skin.Skins(skin::xcScrollbar)) {
        return new skin::TSkinScControl(&control);
    }
    if (dynamic_cast<tk::StatusBar*>(&control) && skin.Skins(skin::xcStatusBar)) {
        return new skin::TSkinStatusBar(&control);
    }
    return nullptr;
}

bool DrawsOnTheFace(const tk::Control& control) {
    return dynamic_cast<const tk::Label*>(&control) ||
           dynamic_cast<const tk::GroupBox*>(&control) ||
           dynamic_cast<const tk::CheckBox*>(&control) ||
           dynamic_cast<const tk::RadioButton*>(&control);
}

// The boxes that keep the system's window colour under a skin.
bool IsInputBox(const tk::Control& control) {
    return dynamic_cast<const tk::Edit*>(&control) || dynamic_cast<const tk::ComboBox*>(&control) ||
           dynamic_cast<const tk::ListView*>(&control) ||
           dynamic_cast<const tk::TreeView*>(&control);
}

} // namespace

void SkinEveryKind(skin::TSkinData& skin) {
    std::vector<std::string> lines = skin.Skin3rd();
    for (std::string_view line : ShowcaseLines) {
        if (std::find(lines.begin(), lines.end(), line) == lines.end()) {
            lines.emplace_back(line);
        }
    }
    skin.SetSkin3rd(lines);
    skin.OnSkinControl = [](tk::Component&, skin::TSkinData& data, tk::Component&,
                            tk::Component& control, const std::string&,
                            tk::Component*& skinnedControl) {
        skinnedControl = ShowcaseSkinner(data, control);
    };
}

base::Colour CaptionColour(const skin::TSkinData& skin) {
    if (!skin.Active() || !skin.SkinLoaded) {
        return tk::clWindowText;
    }
    return skin::ResolveColour(skin.ButtonTextColour);
}

void FollowSkinText(tk::Component& container, const skin::TSkinData& skin) {
    const base::Colour colour = CaptionColour(skin);
    for (tk::Component* component : container.Components()) {
        auto* control = dynamic_cast<tk::Control*>(component);
        if (!control) {
            continue;
        }
        if (DrawsOnTheFace(*control)) {
            control->Font().SetColor(colour);
        } else if (IsInputBox(*control)) {
            // Inside a group box it would inherit the caption's colour.
            control->Font().SetColor(tk::clWindowText);
        }
    }
}

} // namespace skinview
