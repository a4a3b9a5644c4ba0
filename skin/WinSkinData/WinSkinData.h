// TSkinData: the skin component a form carries. It keeps the skin package in
// the form's design (the stored binary property "SkinStream": a 32-bit byte
// count, then the package), owns the in-memory skin built from it, which it
// parses the moment the design hands the package over, and holds the options
// that decide which windows and controls are skinned. Once the design is read
// (Loaded) it registers with the skin manager, which skins the windows.
//
// Error policy: nothing here throws for bad skin data. A package the reader
// refuses, or a SkinFile that cannot be read, is reported to OnNotice and
// leaves the skin that was loaded, if any, in place. What an accepted
// package holds that cannot be used is kept in `problems` (see SkinModel.h)
// and the skin loads with defaults in its place.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/win32/ColourRef.h"
#include "toolkit/win32/GdiOwners.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/SkinCodes.h"
#include "skin/WinSkinData/SkinModel.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skin {

// The kinds of controls and menus the engine can skin; bit n of
// TSkinControlTypes stands for element n.
enum TSkinControlType : uint32_t {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcFastReport,
};
using TSkinControlTypes = uint32_t;
constexpr TSkinControlTypes SkinControlBit(TSkinControlType type) {
    return TSkinControlTypes(1) << type;
}
// Every kind except xcFastReport.
constexpr TSkinControlTypes DefaultSkinControls = SkinControlBit(xcFastReport) - 1;

// Which windows a component skins: every window of the thread, only the
// form that owns it, or message boxes and dialogs.
enum class TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };

// The fixed version text of the component.
inline constexpr const char* SkinDataVersion = "2.68.9.07";
// What SkinStore reads at run time.
inline constexpr const char* SkinStoreText = "(none)";
// Ends the notice about a refused package while a skin is loaded.
inline constexpr const char* KeptSkinNotice = "The skin loaded before stays in place.";

// The default Skin3rd list: extra control classes mapped to a skinner kind.
const std::vector<std::string>& DefaultSkin3rd();

class TSkinData : public tk::Component, public TSkinModel {
    TK_CLASS(TSkinData)

public:
    explicit TSkinData(tk::Component* owner);
    ~TSkinData() override;

    // --- Options (published) ---
    bool Active() const { return active_; }
    // Schedules switching on or off (a quarter of a second later) unless the
    // design is still being read; switching on without a skin does nothing.
    void SetActive(bool active);
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes controls) { skinControls_ = controls; }
    bool Skins(TSkinControlType type) const { return (skinControls_ & SkinControlBit(type)) != 0; }
    const std::vector<std::string>& Skin3rd() const { return skin3rd_; }
    void SetSkin3rd(const std::vector<std::string>& lines) { skin3rd_ = lines; }
    const std::string& SkinFile() const { return skinFile_; }
    // Loads the package in that file and has every frame take the new skin.
    // A file that cannot be read, or a package the reader refuses, leaves
    // the skin as it was (OnNotice hears why); an empty name loads nothing.
    void SetSkinFile(const std::string& path);
    std::string SkinStore() const { return SkinStoreText; }
    void SetSkinStore(const std::string&) {}
    TSkinFormType SkinFormtype() const { return skinFormtype_; }
    void SetSkinFormtype(TSkinFormType type) { skinFormtype_ = type; }
    std::string Version() const { return SkinDataVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate() const { return menuUpdate_; }
    void SetMenuUpdate(bool update) { menuUpdate_ = update; }

    // Asked by a frame's control discovery before it chooses a skinner for a
    // control of `form`: a handler that puts a control skinner (a component
    // made for the control) into `skinnedControl` has it attached instead.
    std::function<void(tk::Component& sender, TSkinData& skinData, tk::Component& form,
                       tk::Component& control, const std::string& controlClass,
                       tk::Component*& skinnedControl)>
        OnSkinControl;
    // Fired after each action the manager carried out for this component.
    tk::NotifyEvent OnSkinChanged;
    // The class filter: decides alone whether a window class is skinned.
    std::function<void(TSkinData& sender, const std::string& className, bool& doSkin)> OnFormSkin;

    // The stored package as the design gave it (without the byte count).
    const std::vector<uint8_t>& SkinStream() const { return skinStream_; }
    // Replaces the stored package and parses it. False when the reader
    // refuses it, or memory runs out while it is read into the model: a skin
    // that was loaded stays loaded with its stream (read again in the second
    // case; OnNotice hears the reason followed by KeptSkinNotice); without
    // one, SkinLoaded stays false.
    bool SetSkinStream(std::vector<uint8_t> package);

    // Solid brush of ButtonFaceColour (system colours resolved), remade by
    // every load; none before the first.
    HBRUSH ButtonFaceBrush() const { return buttonFaceBrush_.get(); }
    // Restore, maximise, minimise and close (16 x 16 each) for the system
    // menu; none when the program lacks the "LUMARAMENU" bitmap.
    HIMAGELIST MenuGlyphs() const { return menuGlyphs_.get(); }

    // The form frames paint non-client areas only while this is set; a frame
    // clears it around default handling that would paint natively.
    bool FramePaintEnabled = true;

    // Hears why a package did not load (another package version, a damaged
    // package, a file that cannot be read). By default the notice only goes
    // to the debugger's output: an application that wants the user to see it
    // puts its own handler in, for a component of a design at its creation.
    std::function<void(const std::string&)> OnNotice;

    // Tells the manager the skin changed: every frame of this component takes
    // the new skin a quarter of a second later.
    void ApplySkinChange();
    // Reads the stored package again at `dpi` (a window moved to a screen of
    // another scale) and has every frame take it; nothing when the skin is
    // at that scale already, or no skin is loaded.
    void ScaleTo(int dpi);
    // OnSkinChanged(self), if assigned.
    void FireSkinChanged();
    // The class filter the manager asks before skinning a window; `accept`
    // comes in true.
    void AcceptsWindowClass(const std::string& className, bool& accept);

    void DefineProperties(tk::BinaryProperties& properties) override;
    void Loaded() override;

protected:
    void SkinParsed() override;

private:
    struct ImageListDeleter {
        void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
    };

    void ReadSkinStream(std::span<const uint8_t> payload);

    bool active_ = false;
    int disableTag_ = RefusedFormTag;
    TSkinControlTypes skinControls_ = DefaultSkinControls;
    std::vector<std::string> skin3rd_;
    std::string skinFile_;
    TSkinFormType skinFormtype_ = TSkinFormType::sfMainform;
    bool menuUpdate_ = true;
    std::vector<uint8_t> skinStream_;
    tk::GdiHandle<HBRUSH> buttonFaceBrush_;
    std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter> menuGlyphs_;
};

using tk::ResolveColour;

// The margin rectangle of an element, as the drawing routines take it.
inline RECT MarginRect(const TDataSkinObject& element) {
    return {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight};
}

} // namespace skin
