#include "skin/WinSkinData/WinSkinData.h"

#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/win32/WindowClass.h"
#include "toolkit/Form.h"
#include "toolkit/Properties.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"

#include "base/Bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace skin {
namespace {

const tk::EnumInfo SkinControlTypeEnum{"TSkinControlType",
                                       {"xcMainMenu", "xcPopupMenu", "xcToolbar", "xcControlbar",
                                        "xcCombo", "xcCheckBox", "xcRadioButton", "xcProgress",
                                        "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn",
                                        "xcSpeedButton", "xcPanel", "xcGroupBox", "xcStatusBar",
                                        "xcTab", "xcSystemMenu", "xcFastReport"}};
const tk::EnumInfo SkinFormTypeEnum{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog"}};

// The bitmap resource with the system menu's glyphs, and their size.
constexpr const wchar_t* MenuGlyphResource = L"LUMARAMENU";
constexpr int MenuGlyphSize = 16;
constexpr COLORREF MenuGlyphMask = RGB(255, 255, 255);

// The skin layer only reports; showing a notice is the application's part.
void ReportNotice(const std::string& text) {
    OutputDebugStringW(tk::Widen("skin: " + text + "\n").c_str());
}

} // namespace

const tk::ClassInfo& TSkinData::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<TSkinData>("TSkinData", &tk::Component::StaticClass(), [](auto& p) {
            p.Boolean("Active", &TSkinData::Active, &TSkinData::SetActive);
            p.Integer("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag);
            p.Set("SkinControls", SkinControlTypeEnum, &TSkinData::SkinControls,
                  &TSkinData::SetSkinControls);
            p.StringList("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetSkin3rd);
            p.String("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile);
            p.String("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore);
            p.template Enumeration<TSkinFormType>("SkinFormtype", SkinFormTypeEnum,
                                                  &TSkinData::SkinFormtype,
                                                  &TSkinData::SetSkinFormtype);
            p.String("Version", &TSkinData::Version, &TSkinData::SetVersion);
            p.Boolean("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate);
            p.Event("OnSkinChanged", &TSkinData::OnSkinChanged);
        });
    return info;
}

TSkinData::TSkinData(tk::Component* owner)
    : tk::Component(owner), OnNotice(ReportNotice), skin3rd_(DefaultSkin3rd()) {
    menuGlyphs_.reset(ImageList_LoadImageW(tk::CodeModule(), MenuGlyphResource, MenuGlyphSize, 0,
                                           MenuGlyphMask, IMAGE_BITMAP, 0));
}

TSkinData::~TSkinData() {
    if (SkinManager) {
        SkinManager->RemoveSkinData(*this);
    }
}

bool TSkinData::SetSkinStream(std::vector<uint8_t> package) {
    const bool hadSkin = SkinLoaded;
    std::string said;
    const auto hear = [&](const std::string& text) { said += said.empty() ? text : "\r" + text; };
    if (LoadSkin(package, hear, tk::WindowDpi(nullptr))) {
        skinStream_ = std::move(package);
        // A frame painting before the manager's SkinChanged action must not
        // reach the elements of the skin just replaced.
        if (SkinManager) {
            SkinManager->ElementsReplaced(*this);
        }
        return true;
    }
    // A refused package leaves the model as it was: a skin that was working
    // keeps working, with its stream, and the frames go on painting it.
    if (hadSkin && !refusal.empty()) {
        SkinLoaded = true;
        said += "\r";
        said += KeptSkinNotice;
    } else if (hadSkin && LoadSkin(skinStream_, {}, tk::WindowDpi(nullptr))) {
        // Memory ran out while the package was read into the model, which it
        // left half replaced: the package that worked is read again.
        if (SkinManager) {
            SkinManager->ElementsReplaced(*this);
        }
        said += "\r";
        said += KeptSkinNotice;
    } else {
        skinStream_ = std::move(package);
    }
    if (OnNotice && !said.empty()) {
        OnNotice(said);
    }
    return false;
}

void TSkinData::DefineProperties(tk::BinaryProperties& properties) {
    properties.Define("SkinStream",
                      [this](std::span<const uint8_t> payload) { ReadSkinStream(payload); });
}

void TSkinData::ReadSkinStream(std::span<const uint8_t> payload) {
    // A count of 0 or less leaves the stream and the model as they are; a
    // count past the end of the block is cut to the bytes that are there.
    if (payload.size() < 4) {
        return;
    }
    const int32_t count = int32_t(base::LoadU32(payload.data()));
    if (count <= 0) {
        return;
    }
    const size_t size = std::min(size_t(count), payload.size() - 4);
    SetSkinStream(std::vector<uint8_t>(payload.begin() + 4, payload.begin() + 4 + long(size)));
}

void TSkinData::SkinParsed() {
    buttonFaceBrush_.reset(CreateSolidBrush(ResolveColour(ButtonFaceColour)));
}

void TSkinData::Loaded() {
    tk::Component::Loaded();
    TSkinManage& manager = EnsureSkinManager();
    manager.AddSkinData(*this);
    if (skinFormtype_ != TSkinFormType::sfMainform) {
        manager.SetEnabled(true);
        manager.MarkActivated();
        if (auto* form = dynamic_cast<tk::Form*>(Owner()); form && form->HandleAllocated()) {
            manager.SkinWindow(form->Handle());
        }
        return;
    }
    manager.InstallHook();
    if (active_) {
        if (!SkinLoaded) {
            active_ = false;
        } else {
            manager.ScheduleAction(TSkinAction::SwitchOn, ActionDelayMs);
        }
    }
}

void TSkinData::SetActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    if (IsLoading() || !SkinManager) {
        return;
    }
    const TSkinAction action = active ? TSkinAction::SwitchOn : TSkinAction::SwitchOff;
    switch (skinFormtype_) {
    case TSkinFormType::sfMainform:
        if (active && !SkinLoaded) {
            return;
        }
        SkinManager->ScheduleAction(action, ActionDelayMs);
        SkinManager->SetPendingSkinData(this);
        break;
    case TSkinFormType::sfOnlyThisForm:
        SkinManager->SetPendingSkinData(this);
        if (active && !SkinLoaded) {
            return;
        }
        SkinManager->ScheduleAction(action, ActionDelayMs);
        break;
    case TSkinFormType::sfDialog:
        break;
    }
}

void TSkinData::SetSkinFile(const std::string& path) {
    skinFile_ = path;
    if (path.empty()) {
        return;
    }
    // A file that cannot be read fails like a package the reader refuses:
    // the skin that works stays, and the frames go on painting it.
    std::ifstream in(std::filesystem::path(tk::Widen(path)), std::ios::binary);
    if (!in) {
        std::string said = "The skin file " + path + " cannot be read.";
        if (SkinLoaded) {
            said += "\r";
            said += KeptSkinNotice;
        }
        if (OnNotice) {
            OnNotice(said);
        }
        return;
    }
    if (SetSkinStream(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {})) &&
        skinFormtype_ == TSkinFormType::sfMainform) {
        ApplySkinChange();
    }
}

void TSkinData::ApplySkinChange() {
    if (IsLoading()) {
        return;
    }
    if (!SkinManager) {
        Loaded();
    }
    SkinManager->SetPendingSkinData(this);
    SkinManager->ResetFrameControls();
    SkinManager->ScheduleAction(TSkinAction::SkinChanged, ActionDelayMs);
}

void TSkinData::ScaleTo(int dpi) {
    if (dpi == this->dpi || dpi <= 0 || !SkinLoaded || skinStream_.empty()) {
        return;
    }
    const int before = this->dpi;
    // A load that runs out of memory leaves the model half made: the skin
    // is read again at the scale it had.
    if (!LoadSkin(skinStream_, {}, dpi)) {
        LoadSkin(skinStream_, {}, before);
    }
    if (SkinManager) {
        SkinManager->ElementsReplaced(*this);
    }
    ApplySkinChange();
}

void TSkinData::FireSkinChanged() {
    if (OnSkinChanged) {
        OnSkinChanged(*this);
    }
}

void TSkinData::AcceptsWindowClass(const std::string& className, bool& accept) {
    if (OnFormSkin) {
        OnFormSkin(*this, className, accept);
        return;
    }
    if (className == "SysMonthCal32" ||
        (Skins(xcFastReport) && className.compare(0, 3, "Tfr") == 0)) {
        accept = false;
    }
}

} // namespace skin
