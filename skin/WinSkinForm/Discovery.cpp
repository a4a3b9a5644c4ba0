// Control discovery: which control of a window gets which skinner. On an
// application form the components are walked and the first rule that takes
// one decides; in a window without a form object (a message box, a system
// dialog) the child windows are taken by window class and style.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/SkinRead/AsciiText.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "toolkit/Properties.h"
#include "skin/WinSubClass/SkinBitButton.h"
#include "skin/WinSubClass/SkinBox.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinComBox.h"
#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinGroupBox.h"
#include "skin/WinSubClass/SkinHeader.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSubClass/SkinProgress.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/SkinScrollbar.h"
#include "skin/WinSubClass/SkinSpeedButton.h"
#include "skin/WinSubClass/SkinStatusBar.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin/WinSubClass/SkinTab.h"
#include "skin/WinSubClass/SkinTab31.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

// Classes never skinned, whatever else applies.
constexpr std::array<std::string_view, 4> ExcludedClasses{"TDBCOMBOBOXEH", "TQRPREVIEW",
                                                          "TFRDESIGNERPAGE", "TFRPBOX"};
// A Skin3rd kind is read from at most this many characters.
constexpr size_t MaxKindLength = 50;
// The kind bits of a COMBOBOX window's style (CBS_SIMPLE, CBS_DROPDOWN, ...).
constexpr DWORD ComboKindMask = 0x3;
// Components whose Tag is this are given the scroll bar skinner.
constexpr int ScrollbarTag = 55;
constexpr int TagModulus = 100;
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

// A new skinner of kind S owned by the frame, on a raw window.
template <class S> void AttachRaw(TWinSkinForm& frame, HWND window) {
    auto* skinner = new S(&frame);
    skinner->AttachWindow(window, *frame.FSkinData, frame, frame.FControlCanvas);
}

// A new skinner of kind S for a windowed component, on its window as on a
// raw one.
template <class S> void AttachToWindowOf(TWinSkinForm& frame, tk::Component& component) {
    if (auto* windowed = dynamic_cast<tk::WinControl*>(&component)) {
        auto* skinner = new S(&component);
        skinner->AttachWindow(windowed->Handle(), *frame.FSkinData, frame, frame.FControlCanvas);
    }
}

// The window scroll bars of a windowed component. A list view has its column
// header skinned too and keeps the system's own thumb drag; otherwise, with
// `handleNcDown`, the skinner drags a pressed thumb itself.
void AttachScrollbar(TWinSkinForm& frame, tk::Component& component, bool handleNcDown) {
    auto* windowed = dynamic_cast<tk::WinControl*>(&component);
    if (!windowed) {
        return;
    }
    if (dynamic_cast<tk::ListView*>(windowed)) {
        auto* skinner = new TSkinListView(windowed);
        skinner->AttachScrolled(*windowed, *frame.FSkinData, false, frame, frame.FControlCanvas);
        return;
    }
    auto* skinner = new TSkinScrollbar(windowed);
    skinner->AttachScrolled(*windowed, *frame.FSkinData, handleNcDown, frame, frame.FControlCanvas);
}

// A rule that takes components of one of the named classes (upper case)
// when the skin element is switched on.
template <size_t N>
bool NamedAndSkinned(const std::string& upper, const std::array<std::string_view, N>& names,
                     TWinSkinForm& frame, TSkinControlType element) {
    return std::find(names.begin(), names.end(), upper) != names.end() &&
           frame.FSkinData->Skins(element);
}

// Rich edits and memos, ours and other libraries'.
constexpr std::array<std::string_view, 3> ScrolledEdits{"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"};
// Grids and tree lists that scroll themselves: the skinner leaves their
// thumbs to them.
constexpr std::array<std::string_view, 3> SelfScrollingGrids{"TDXTREELIST", "TDXDBTREELIST",
                                                             "TDXDBGRID"};

// A group of radio buttons or check boxes: each child control not skinned
// yet gets a box skinner of kind S (when radio buttons are skinned), then the
// group its group box skinner.
template <class S> void AttachGroup(TWinSkinForm& frame, tk::Component& component) {
    auto* group = dynamic_cast<tk::WinControl*>(&component);
    if (group && frame.FSkinData->Skins(xcRadioButton)) {
        for (tk::Control* child : std::vector<tk::Control*>(group->Controls())) {
            if (!frame.IsAlreadySkinned(*child)) {
                AttachTo<S>(frame, *child, false);
            }
        }
    }
    AttachTo<TSkinGroupBox>(frame, component, true);
}

// The window draws system scroll bars of its own (WS_HSCROLL, WS_VSCROLL).
bool ShowsWindowScrollBars(DWORD style) {
    return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

// A list box drops its scroll bar while its items fit and a tree view
// shows one only once they do not: either may show one later.
bool GrowsScrollBars(const std::string& className) {
    return className == "listbox" || className == "systreeview32";
}

// A list view's scroll bars, and its column header, which is the list
// view's own child, out of reach of the walk over the window's children.
void SkinListViewWindow(TWinSkinForm& frame, HWND window) {
    if (frame.FSkinData->Skins(xcScrollbar)) {
        AttachRaw<TSkinScrollbar>(frame, window);
    }
    HWND header = ListView_GetHeader(window);
    if (header && !frame.FindControlByWindow(header)) {
        AttachRaw<TSkinHeader>(frame, header);
    }
}

// A simple combo box keeps its own face, but the list it always shows is
// its child, out of reach of the walk over the window's children: its
// scroll bar is the skin's.
void SkinSimpleComboList(TWinSkinForm& frame, HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (frame.FSkinData->Skins(xcScrollbar) && GetComboBoxInfo(combo, &info) && info.hwndList &&
        !frame.FindControlByWindow(info.hwndList)) {
        AttachRaw<TSkinScrollbar>(frame, info.hwndList);
    }
}

// Tabs are skinned only when the kind is on and the skin draws tabs.
bool SkinsTabs(const TWinSkinForm& frame) {
    return frame.FSkinData->Skins(xcTab) && frame.FSkinData->Tabs != nullptr;
}

// One row of the rules for application forms: a component test with its
// condition, and what it attaches.
struct TDiscoveryRule {
    bool (*applies)(TWinSkinForm& frame, tk::Component& component, const std::string& upper);
    void (*skin)(TWinSkinForm& frame, tk::Component& component);
};

// A date picker showing a time has a spin button inside: it is an edit box
// with one; a date picker has a drop-down button like a combo box.
bool ShowsTime(tk::Component& component) {
    const auto kind = tk::TryGetEnumProp(component, "Kind");
    return kind && *kind == "dtkTime";
}

const TDiscoveryRule DiscoveryRules[] = {
    // The older tab set, which draws its own row.
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TTABSET" && SkinsTabs(frame);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachTo<TSkinTab31>(frame, c, false); }},
    // A tabbed notebook's window is a native tab control.
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TTABBEDNOTEBOOK" && SkinsTabs(frame);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachToWindowOf<TSkinTab>(frame, c); }},
    // A container of another library's forms: no skinner of its own, its
    // components are walked like the form's.
    {[](TWinSkinForm&, tk::Component&, const std::string& upper) { return upper == "TMVCPANEL"; },
     [](TWinSkinForm& frame, tk::Component& c) { frame.SkinFormControls(c); }},
    // Page controls.
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return dynamic_cast<tk::PageControl*>(&c) && SkinsTabs(frame);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachToWindowOf<TSkinTab>(frame, c); }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TTRACKBAR" && frame.FSkinData->Skins(xcButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachTo<TSkinTrackBar>(frame, c, false); }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TUPDOWN" && frame.FSkinData->Skins(xcButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachTo<TSkinUpDown>(frame, c, false); }},
    // Data navigators: flat, on the face colour.
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TDBNAVIGATOR" && frame.FSkinData->Skins(xcPanel);
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         TWinSkinForm::SetEnumPropByName(c, "Flat", "True");
         AttachTo<TSkinBox>(frame, c, true);
     }},
    // Date and time pickers.
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return upper == "TDATETIMEPICKER" && frame.FSkinData->Skins(xcEdit);
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         if (ShowsTime(c)) {
             AttachTo<TSkinEdit>(frame, c, false);
         } else {
             AttachTo<TSkinComBox>(frame, c, false);
         }
     }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return NamedAndSkinned(upper, ScrolledEdits, frame, xcScrollbar);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrollbar(frame, c, true); }},
    // Speed buttons (window-less).
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return dynamic_cast<tk::SpeedButton*>(&c) && frame.FSkinData->Skins(xcSpeedButton);
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         auto* skinner = new TSkinSpeedButton(&c);
         skinner->AttachGraphic(frame, *frame.FSkinData, frame.FControlCanvas);
     }},
    {[](TWinSkinForm& frame, tk::Component&, const std::string& upper) {
         return NamedAndSkinned(upper, SelfScrollingGrids, frame, xcScrollbar);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrollbar(frame, c, false); }},
    // Anything else that shows window scroll bars, or may.
    {[](TWinSkinForm& frame, tk::Component& c, const std::string&) {
         return frame.FSkinData->Skins(xcScrollbar) && TWinSkinForm::NeedsScrollbarSkin(c);
     },
     [](TWinSkinForm& frame, tk::Component& c) { AttachScrollbar(frame, c, true); }},
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
    // Forms embedded in the form (placed on one of its controls): the face
    // colour, and their own controls. A form of its own gets a frame of its
    // own when it is activated.
    {[](TWinSkinForm&, tk::Component& c, const std::string&) {
         auto* form = dynamic_cast<tk::Form*>(&c);
         return form && form->Parent();
     },
     [](TWinSkinForm& frame, tk::Component& c) {
         AttachTo<TSkinBox>(frame, c, true);
         frame.SkinFormControls(c);
     }},
};

// The Skin3rd kinds: the element the kind needs, and what it attaches.
struct TMappedKind {
    std::string_view kind;
    bool (*applies)(TWinSkinForm& frame);
    void (*skin)(TWinSkinForm& frame, tk::Component& component);
};

const TMappedKind MappedKinds[] = {
    {"combobox", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcCombo); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinComBox>(f, c, false); }},
    {"nil", [](TWinSkinForm&) { return false; }, nullptr},
    {"edit", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcEdit); },
     [](TWinSkinForm& f, tk::Component& c) { AttachToWindowOf<TSkinEdit>(f, c); }},

    {"radiobutton", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcRadioButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinRadioButton>(f, c, false); }},
    {"panel", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcPanel); },
     [](TWinSkinForm& f, tk::Component& c) {
         TWinSkinForm::SetEnumPropByName(c, "Transparent", "True");
         AttachTo<TSkinBox>(f, c, true);
     }},
    {"trackbar", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) {
         TWinSkinForm::SetEnumPropByName(c, "Transparent", "True");
         AttachTo<TSkinTrackBar>(f, c, false);
     }},
    {"button", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinButton>(f, c, false); }},
    {"bitbtn", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcButton); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinBitButton>(f, c, false); }},
    {"tab", [](TWinSkinForm& f) { return SkinsTabs(f); },
     [](TWinSkinForm& f, tk::Component& c) { AttachToWindowOf<TSkinTab>(f, c); }},
    {"progress", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcProgress); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinProgress>(f, c, false); }},
    {"scrollbar", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcScrollbar); },
     [](TWinSkinForm& f, tk::Component& c) { AttachScrollbar(f, c, true); }},
    {"groupbox", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcGroupBox); },
     [](TWinSkinForm& f, tk::Component& c) { AttachTo<TSkinGroupBox>(f, c, true); }},
    {"radiogroup", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcPanel); },
     [](TWinSkinForm& f, tk::Component& c) { AttachGroup<TSkinRadioButton>(f, c); }},
    {"checkgroup", [](TWinSkinForm& f) { return f.FSkinData->Skins(xcPanel); },
     [](TWinSkinForm& f, tk::Component& c) { AttachGroup<TSkinCheckBox>(f, c); }},
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
            const bool listed =
                std::find(FControls.begin(), FControls.end(), skinner) != FControls.end();
            if (!listed) {
                skinner->Attach(*this, *FSkinData, skinner->FUseSkinColor, FControlCanvas);
            }
            // A skinner that cannot attach (its owner is no control) stays
            // off the list, its owner's to free, and the rules go on.
            if (listed || skinner->FForm == this) {
                return;
            }
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
    auto* windowed = dynamic_cast<tk::WinControl*>(&component);
    if (!windowed) {
        return false;
    }
    if (component.Tag() == ScrollbarTag || dynamic_cast<tk::TreeView*>(&component)) {
        return true;
    }
    if (!windowed->HandleAllocated()) {
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
        // The system's group box is drawn by the theme, its caption in the
        // theme's colour whatever the skin's face: the skin draws it.
        case BS_GROUPBOX:
            AttachRaw<TSkinGroupBox>(*this, window);
            return;
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
    if (className == "combobox") {
        if ((style & ComboKindMask) != CBS_SIMPLE) {
            AttachRaw<TSkinComBox>(*this, window);
        } else {
            SkinSimpleComboList(*this, window);
        }
    } else if (className == "comboboxex32") {
        // The extended combo box draws through the combo box inside it.
        HWND inner = GetTopWindow(window);
        if (inner && !FindControlByWindow(inner)) {
            AttachRaw<TSkinComBox>(*this, inner);
        }
    } else if (className == "scrollbar") {
        // A size box shows as an outline; a bar is painted as one.
        if (style & (SBS_SIZEBOX | SBS_SIZEGRIP)) {
            AttachRaw<TSkinSizer>(*this, window);
        } else {
            AttachRaw<TSkinScControl>(*this, window);
        }
    } else if (className == "syslistview32") {
        SkinListViewWindow(*this, window);
    } else if ((ShowsWindowScrollBars(style) || GrowsScrollBars(className)) &&
               FSkinData->Skins(xcScrollbar)) {
        // A multi-line edit, a list box or a tree view: its scroll bars are
        // the skin's, as on a form.
        AttachRaw<TSkinScrollbar>(*this, window);
    } else if (className == "edit") {
        AttachRaw<TSkinEdit>(*this, window);
    } else if (className == "msctls_updown32") {
        // An up-down beside its buddy, not inside it: the edit's skinner
        // never finds it.
        AttachRaw<TSkinUpDown>(*this, window);
    } else if (className == "msctls_trackbar32") {
        AttachRaw<TSkinTrackBar>(*this, window);
    } else if (className == "msctls_progress32") {
        AttachRaw<TSkinProgress>(*this, window);
    } else if (className == "msctls_statusbar32") {
        AttachRaw<TSkinStatusBar>(*this, window);
    } else if (className == "systabcontrol32") {
        // An owner-drawn tab control paints its own tabs.
        if ((style & TCS_OWNERDRAWFIXED) == 0) {
            AttachRaw<TSkinTab>(*this, window);
        }
    }
}

} // namespace skin
