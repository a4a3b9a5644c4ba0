// Control discovery: which control of a window gets which skinner. On an
// application form the components are walked and the first rule that takes
// one decides; in a window without a form object (a message box, a system
// dialog) the child windows are taken by window class and style.
#include "WinSkinForm.h"

#include "SkinRead/AsciiText.h"
#include "Form.h"
#include "GraphicControls.h"
#include "ListView.h"
#include "Properties.h"
#include "SkinBitButton.h"
#include "SkinCheckBox.h"
#include "SkinManager.h"
#include "SkinProgress.h"
#include "SkinScControl.h"
#include "SkinScrollbar.h"
#include "SkinSpeedButton.h"
#include "SkinTrackBar.h"
#include "SkinUpDown.h"
#include "StdCtrls.h"
#include "TreeView.h"
#include "WinSkinData.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

// Classes never skinned, whatever else applies.
constexpr std::array<std::string_view, 4> ExcludedClasses{"TDBCOMBOBOXEH", "TQRPREVIEW",
                                                          "TFRDESIGNERPAGE", "TFRPBOX"};
// A Skin3rd kind is read from at most this many characters.
constexpr size_t MaxKindLength = 50;
// Components whose Tag is this are given the scroll bar skinner.
constexpr int ScrollbarTag = 55;
constexpr int TagModulus = 100;
// Rich edits whose window bars the skinner drags.
constexpr std::array<std::string_view, 3> RichEditClasses{"TRICHEDIT", "TWWDBRICHEDIT",
                                                          "TDXDBMEMO"};
// Tree lists and grids that drag their own thumbs.
constexpr std::array<std::string_view, 3> SelfDraggingClasses{"TDXTREELIST", "TDXDBTREELIST",
                                                              "TDXDBGRID"};
// Preview forms whose controls have no window yet count as skinned.
constexpr std::array<std::string_view, 3> PreviewForms{"TQRStandardPreview", "TppPrintPreview",
                                                       "TdxfmStdPreview"};

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = char(c - ('a' - 'A'));
        }
    }
    return upper;
}

// A new skinner of kind S for the component, attached to it.
template <class S> void AttachTo(TWinSkinForm& frame, tk::Component& component, bool useSkinColor) {
    auto* skinner = new S(&component);
    skinner->Attach(frame, *frame.FSkinData, useSkinColor, frame.FControlCanvas);
}

template <size_t N>
bool IsOneOf(const std::array<std::string_view, N>& names, const std::string& upper) {
    return std::find(names.begin(), names.end(), upper) != names.end();
}

// The window scroll bars of a scrollable control. A list view drags its own
// thumb and has its column header skinned too.
void AttachScrolledTo(TWinSkinForm& frame, tk::Component& component, bool handleNcDown) {
    auto* control = dynamic_cast<tk::WinControl*>(&component);
    if (!control) {
        return;
    }
    if (dynamic_cast<tk::ListView*>(control)) {
        auto* skinner = new TSkinListView(control);
        skinner->AttachScrolled(*control, *frame.FSkinData, false, frame, frame.FControlCanvas);
        return;
    }
    auto* skinner = new TSkinScrollbar(control);
    skinner->AttachScrolled(*control, *frame.FSkinData, handleNcDown, frame, frame.FControlCanvas);
}

// A new skinner of kind S owned by the frame, on a raw window.
template <class S> void AttachRaw(TWinSkinForm& frame, HWND window) {
    auto* skinner = new S(&frame);
    skinner->AttachWindow(window, *frame.FSkinData, frame, frame.FControlCanvas);
}

// One row of the rules for application forms: a component test with its
// condition, and what it attaches.
struct TDiscoveryRule {
    bool (*applies)(TWinSkinForm& frame, tk::Component& component, const std::string& upper);
    void (*skin)(TWinSkinForm& frame, tk::Component& component);
};

const TDiscoveryRule DiscoveryRules[] = {
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TTRACKBAR" && frame.FSkinData->Skins(xcButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachTo<TSkinTrackBar>(frame, c, false); }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TUPDOWN" && frame.FSkinData->Skins(xcButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachTo<TSkinUpDown>(frame, c, false); }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return IsOneOf(RichEditClasses, upper) && frame.FSkinData->Skins(xcScrollbar);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrolledTo(frame, c, true); }},
    // Speed buttons (window-less).
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return dynamic_cast<tk::SpeedButton*>(&c) && frame.FSkinData->Skins(xcSpeedButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         auto* skinner = new TSkinSpeedButton(&c);
         skinner->AttachGraphic(frame, *frame.FSkinData, frame.FControlCanvas);
     }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return IsOneOf(SelfDraggingClasses, upper) && frame.FSkinData->Skins(xcScrollbar);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrolledTo(frame, c, false); }},
    // Any control showing window scroll bars, and every tree view.
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return frame.FSkinData->Skins(xcScrollbar) && TWinSkinForm::NeedsScrollbarSkin(c);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrolledTo(frame, c, true); }},
    // Push buttons. A bitmap button is a push button too, but the push
    // button skinner draws no glyph: it gets the bitmap button skinner.
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return dynamic_cast<tk::Button*>(&c) && frame.FSkinData->Skins(xcButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         if (dynamic_cast<tk::BitBtn*>(&c)) {
             AttachTo<TSkinBitButton>(frame, c, false);
         } else {
             AttachTo<TSkinButton>(frame, c, false);
         }
     }},
};

// The Skin3rd kinds: the element the kind needs, and what it attaches.
struct TMappedKind {
    std::string_view kind;
    bool (*applies)(TWinSkinForm& frame);
    void (*skin)(TWinSkinForm& frame, tk::Component& component);
};

const TMappedKind MappedKinds[] = {
    {"nil", [](TWinSkinForm&) { return false; }, nullptr},
    {"radiobutton", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcRadioButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinRadioButton>(f, c, false); }},
    {"button", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinButton>(f, c, false); }},
    {"bitbtn", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinBitButton>(f, c, false); }},
    {"trackbar", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) {
         TWinSkinForm::SetEnumPropByName(c, "Transparent", "True");
         AttachTo<TSkinTrackBar>(f, c, false);
     }},
    {"progress", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcProgress); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinProgress>(f, c, false); }},
    {"scrollbar", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcScrollbar); },
     [](TWinSkinForm& f, tk::Component& c) { AttachScrolledTo(f, c, true); }},
    {"checkbox", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcCheckBox); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinCheckBox>(f, c, false); }},
};

bool IsPreviewForm(const tk::Form* form) {
    if (!form) {
        return false;
    }
    const std::string name = skintext::LowerAscii(form->Name());
    return name.find("preview") != std::string::npos ||
           std::find(PreviewForms.begin(), PreviewForms.end(), form->Name()) != PreviewForms.end();
}

} // namespace

void TWinSkinForm::FindControls() {
    if (!FSkinData) {
        return;
    }
    if (FAppForm) {
        SkinFormControls(*FAppForm);
    } else {
        SkinChildWindows();
    }
}

void TWinSkinForm::SkinFormControls(tk::Component& container) {
    PurgeDeadControls();
    // By index: a handler or a rule may add components while the list is walked.
    for (size_t i = 0; i < container.Components().size(); ++i) {
        tk::Component& component = *container.Components()[i];
        try {
            SkinComponent(component, container);
        } catch (...) {
            // a control that cannot be skinned stays as it is
        }
    }
}

void TWinSkinForm::SkinComponent(tk::Component& component, tk::Component& container) {
    const std::string upper = UpperAscii(component.ClassName());
    if (component.Tag() % TagModulus == FSkinData->DisableTag() || IsAlreadySkinned(component)) {
        return;
    }
    if (auto* windowed = dynamic_cast<tk::WinControl*>(&component)) {
        if (!windowed->HandleAllocated()) {
            try {
                windowed->HandleNeeded();
            } catch (...) {
                return;
            }
        }
    }
    if (FSkinData->OnSkinControl) {
        tk::Component* given = nullptr;
        FSkinData->OnSkinControl(*this, *FSkinData, container, component, upper, given);
        if (auto* skinner = dynamic_cast<TSkinControl*>(given)) {
            if (!RegisterControl(*skinner)) {
                skinner->Attach(*this, *FSkinData, skinner->FUseSkinColor, FControlCanvas);
            }
            return;
        }
    }
    if (std::find(ExcludedClasses.begin(), ExcludedClasses.end(), upper) != ExcludedClasses.end()) {
        return;
    }
    if (SkinByMapping(upper, component)) {
        return;
    }
    for (const TDiscoveryRule& rule : DiscoveryRules) {
        if (rule.applies(*this, component, upper)) {
            rule.skin(*this, component);
            return;
        }
    }
}

bool TWinSkinForm::SkinByMapping(const std::string& className, tk::Component& component) {
    const std::string key = skintext::LowerAscii(className) + "=";
    for (const std::string& line : FSkinData->Skin3rd()) {
        if (skintext::LowerAscii(line).rfind(key, 0) != 0) {
            continue;
        }
        const std::string kind = skintext::LowerAscii(
            std::string_view(line).substr(key.size()).substr(0, MaxKindLength));
        for (const TMappedKind& mapped : MappedKinds) {
            if (mapped.kind == kind) {
                if (mapped.skin && mapped.applies(*this)) {
                    mapped.skin(*this, component);
                }
                break;
            }
        }
        return true;
    }
    return false;
}

bool TWinSkinForm::IsAlreadySkinned(tk::Component& component) const {
    auto* windowed = dynamic_cast<tk::WinControl*>(&component);
    for (const TSkinControl* skinner : FControls) {
        if (skinner->FControl || skinner->FGraphicControl) {
            if (skinner->FControl == &component || skinner->FGraphicControl == &component) {
                return true;
            }
            continue;
        }
        if (!windowed) {
            continue;
        }
        if (!windowed->HandleAllocated()) {
            return IsPreviewForm(FAppForm);
        }
        if (windowed->Handle() == skinner->FHandle) {
            return true;
        }
    }
    return false;
}

bool TWinSkinForm::NeedsScrollbarSkin(tk::Component& component) {
    if (component.Tag() == ScrollbarTag || dynamic_cast<tk::TreeView*>(&component)) {
        return true;
    }
    auto* windowed = dynamic_cast<tk::WinControl*>(&component);
    if (!windowed || !windowed->HandleAllocated()) {
        return false;
    }
    const auto style = DWORD(GetWindowLongPtrW(windowed->Handle(), GWL_STYLE));
    return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

void TWinSkinForm::SetEnumPropByName(tk::Persistent& object, std::string_view property,
                                     std::string_view value) {
    const auto kind = tk::PropertyKindOf(object, property);
    if (kind == tk::PropertyKind::Enumeration || kind == tk::PropertyKind::Boolean) {
        try {
            tk::SetEnumProp(object, property, value);
        } catch (const std::invalid_argument&) {
            // not one of the enumeration's identifiers: nothing is set
        }
    }
}

void TWinSkinForm::SkinChildWindows() {
    for (HWND child = GetTopWindow(FWindow); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) {
            SkinChildWindow(child);
        }
    }
}

void TWinSkinForm::SkinChildWindow(HWND window) {
    if (!window || FindControlByWindow(window)) {
        return;
    }
    const std::string className = skintext::LowerAscii(ClassNameOf(window));
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    if (className == "button") {
        switch (style & ButtonKindMask) {
        case BS_GROUPBOX:
        case BS_DEFCOMMANDLINK:
        // An owner-drawn button is painted by its owner; a skinned box over
        // it would be a check box drawn on a push button.
        case BS_OWNERDRAW:
            return;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_PUSHBOX:
        case BS_DEFSPLITBUTTON:
        case BS_COMMANDLINK:
            AttachRaw<TSkinCheckBox>(*this, window);
            return;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_SPLITBUTTON:
            AttachRaw<TSkinRadioButton>(*this, window);
            return;
        default:
            AttachRaw<TSkinButton>(*this, window);
            return;
        }
    }
    if (className == "scrollbar") {
        // A size box shows as an outline; a bar is painted as one.
        if (style & SBS_SIZEBOX) {
            AttachRaw<TSkinSizer>(*this, window);
        } else {
            AttachRaw<TSkinScControl>(*this, window);
        }
    }
}

} // namespace skin
