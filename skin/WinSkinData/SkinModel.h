// The in-memory skin: the fixed set of skin elements, the skin colours, the
// extra colour table, the caption buttons and the caption text settings,
// built from a skin package. Every key has a default and an element whose
// image key is missing is absent (null), so any INI yields a usable skin.
//
// Error policy of the skin data: a package the reader refuses makes LoadSkin
// return false and hands the reason to the notice sink; nothing here throws
// for bad skin data. Whatever is wrong inside an accepted package (a value
// that is no number, a bitmap that is missing or unreadable, a section that
// cannot be used) never stops the load: the value's default is taken, as it
// always was, and the problem is kept in `problems` with its section and reason
// for tools and tests to report. The model shows nothing itself.
#pragma once

#include "skin/WinSkinData/SkinColours.h"
#include "skin/WinSkinData/SkinElements.h"

#include "base/Scale.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace skin {

// Something in a skin that could not be used as written: the section it
// stands in ("" for the package as a whole) and what was wrong.
struct SkinProblem {
    std::string section;
    std::string reason;
};

class TSkinModel {
public:
    // Receives the messages meant for the user: the reader's notice about a
    // package of another version, or why a package was refused.
    using TNoticeSink = std::function<void(const std::string&)>;

    TSkinModel();
    virtual ~TSkinModel();
    TSkinModel(const TSkinModel&) = delete;
    TSkinModel& operator=(const TSkinModel&) = delete;

    // Expands the package (a 32-bit expanded size, then the coded bits),
    // reads its INI and bitmaps and replaces the model, with every measure
    // and bitmap at `atDpi` (see SkinScale.h). False, with the model unchanged
    // (but SkinLoaded false) and `refusal` set, for a package the reader
    // refuses.
    bool LoadSkin(std::span<const uint8_t> package, const TNoticeSink& notice = {},
                  int atDpi = base::DesignDpi);

    // The dots per inch the measures and bitmaps are at.
    int dpi = base::DesignDpi;
    // A measure of the engine's own, written for 96 DPI, at the skin's scale.
    int Measure(int designValue) const { return base::ScaleMeasure(designValue, dpi); }

    std::string SkinName;
    bool SkinLoaded = false;
    // Why the reader refused the last package (the model then still holds
    // the skin before it); empty when it accepted it.
    std::string refusal;
    // How many entries of the last package loaded lay past the end of a
    // cut-off stream (read as if zeros followed, as stored skins expect);
    // 0 for a whole package. Tools for skin authors warn about them.
    std::size_t incompleteEntries = 0;
    // What the last accepted package held that could not be used as
    // written, in reading order; the skin loaded with defaults in its place.
    std::vector<SkinProblem> problems;
    Colour WindowTextColour = 0;
    Colour TitleTextActiveColour = 0;
    Colour TitleTextNoActiveColour = 0;
    Colour ButtonFaceColour = 0;
    Colour ButtonTextColour = 0;
    Colour ButtonHilightColour = 0;
    Colour ButtonlightColour = 0;
    Colour ButtonShadowColour = 0;
    Colour ButtonDkShadowColour = 0;
    Colour HilightTextColour = 0;
    Colour HilightColour = 0;
    Colour MenubarColour = 0;
    Colour MenuBarTextColour = 0;
    Colour MenuTextColour = 0;
    Colour MenuColour = 0;
    Colour ScrollbarColour = 0;
    // One entry per numbered colour section, in file order.
    std::vector<Colour> ColourTable;
    // Not touched by loading: the form frame fills it with the first window
    // icon it meets.
    TDib IconBitmap;
    TDataSkinTitle Title{"Title"};
    // The skin's caption buttons, then the three MDI child buttons.
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    TDataSkinButton Buttons{"Buttons"};
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinBorder> UpDownHorz;
    std::unique_ptr<TDataSkinBorder> UpDownVert;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinObject> Toolbars;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll;
    std::unique_ptr<TDataSkinObject> VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb;
    std::unique_ptr<TDataSkinObject> VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz;
    std::unique_ptr<TDataSkinObject> TrackbarThumbVert;
    std::unique_ptr<TDataSkinObject> TrackbarThumbLeft;
    std::unique_ptr<TDataSkinObject> TrackbarThumbRight;
    std::unique_ptr<TDataSkinObject> TrackbarThumbUp;
    std::unique_ptr<TDataSkinObject> TrackbarThumbDown;
    TDataSkinBorder BorderLeft{"Left"};
    TDataSkinBorder BorderRight{"Right"};
    TDataSkinBorder BorderTop{"Top"};
    TDataSkinBorder BorderBottom{"Bottom"};

    // The elements a skin may leave out, each null unless the skin gives its
    // image, in a fixed order.
    std::vector<TDataSkinObject*> OptionalElements();
    std::vector<const TDataSkinObject*> OptionalElements() const;

protected:
    // Called at the end of every parse, just before SkinLoaded is set:
    // the Windows component remakes its button face brush here.
    virtual void SkinParsed() {}
};

} // namespace skin
