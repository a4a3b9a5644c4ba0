#include "skin/WinSkinData/SkinParser.h"

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/PixelTransforms.h"
#include "skin/WinSkinData/SkinCodes.h"
#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinIni.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

constexpr std::string_view Personality = "Personality";
constexpr std::string_view BitmapExtension = ".bmp";
// What names the double-size art of "name.bmp": "name@2x.bmp".
constexpr std::string_view DoubleArtSuffix = "@2x";
constexpr int DoubleArtFactor = 2;
// The fewest cells an element's bitmap can be divided into.
constexpr int32_t MinCells = 1;

// The twelve equal cells of the MDICONTROLS strip: four for each MDI child
// button, in the order minimise, restore, close.
constexpr int MdiStripCells = 12;
constexpr std::array MdiActions = {button_action::MdiMinimize, button_action::MdiRestore,
                                   button_action::MdiClose};
// The gap between two MDI child buttons, in pixels.
constexpr int MdiButtonGap = 4;

// Check and radio strips without a frame key: 13-pixel cells below 16 pixels
// of height, else 16-pixel cells; at least four cells.
constexpr int SmallGlyphCell = 13;
constexpr int LargeGlyphCell = 16;
constexpr int32_t MinGlyphCells = 4;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        if (ch >= 'a' && ch <= 'z') {
            ch = char(ch - 'a' + 'A');
        }
    }
    return out;
}

// Sections whose names start with "Button" but belong to controls.
bool IsCaptionButtonSection(const std::string& upper) {
    return upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" &&
           upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

// Red, green and blue.
constexpr int RgbComponents = 3;

// How many runs of digits a colour text holds.
int NumberRuns(std::string_view text) {
    int runs = 0;
    bool inRun = false;
    for (const char ch : text) {
        const bool digit = ch >= '0' && ch <= '9';
        if (digit && !inRun) {
            ++runs;
        }
        inRun = digit;
    }
    return runs;
}

std::string InQuotes(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

std::string Quoted(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value);
}

template <class T> std::unique_ptr<T> Made(std::string_view name) {
    return std::make_unique<T>(std::string(name));
}

} // namespace

TSkinParser::TSkinParser(TSkinModel& model, const TQuickIni& ini, const TSkinReader& package,
                         bool doubleArt)
    : model_(model), ini_(ini), package_(package), wantDoubleArt_(doubleArt) {}

void TSkinParser::Note(std::string_view section, std::string reason) {
    model_.problems.push_back({std::string(section), std::move(reason)});
}

int32_t TSkinParser::Int(std::string_view section, std::string_view key, int32_t fallback) {
    const std::string text = Str(section, key);
    int32_t value = 0;
    if (text.empty()) {
        return fallback;
    }
    if (!ParseIniInteger(text, value)) {
        Note(section, Quoted(key, text) + " is not a whole number; " + std::to_string(fallback) +
                          " is taken");
        return fallback;
    }
    return value;
}

std::string TSkinParser::Str(std::string_view section, std::string_view key) const {
    return ini_.ReadString(section, key, "");
}

Colour TSkinParser::ReadRgbText(std::string_view section, std::string_view key, Colour fallback) {
    const std::string text = Str(section, key);
    if (text.empty()) {
        return fallback;
    }
    if (NumberRuns(text) < RgbComponents) {
        Note(section, Quoted(key, text) + " does not give red, green and blue");
    }
    return ParseRgbText(text);
}

std::string TSkinParser::LoadSkinBitmap(TDib& bitmap, std::string_view value) {
    bitmap.Clear();
    if (value.empty()) {
        return {};
    }
    const size_t folderEnd = value.find_last_of("\\:");
    const std::string_view file =
        folderEnd == std::string_view::npos ? value : value.substr(folderEnd + 1);
    const size_t dot = file.rfind('.');
    if (file.empty() || dot == std::string_view::npos || file.substr(dot) != BitmapExtension) {
        return InQuotes(value) + " names no .bmp file";
    }
    if (!package_.GetEntry(file, entry_)) {
        return InQuotes(file) + " is not in the package";
    }
    if (entry_.empty()) {
        return InQuotes(file) + " is empty";
    }
    std::string error;
    if (!DecodeBmp(entry_, bitmap, error)) {
        return InQuotes(file) + " is no readable bitmap: " + error;
    }
    return {};
}

void TSkinParser::ReadImage(TDib& bitmap, std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string reason = LoadSkinBitmap(bitmap, value);
    if (!reason.empty()) {
        Note(section, std::string(key) + ": " + reason);
    } else if (wantDoubleArt_ && !bitmap.Empty()) {
        ReadDoubleArt(bitmap, section, value);
    }
}

void TSkinParser::ReadDoubleArt(const TDib& bitmap, std::string_view section,
                                std::string_view value) {
    const std::string_view file = value.substr(value.find_last_of("\\:") + 1);
    const std::string name = std::string(file.substr(0, file.size() - BitmapExtension.size())) +
                             std::string(DoubleArtSuffix) + std::string(BitmapExtension);
    std::vector<uint8_t> entry;
    if (!package_.GetEntry(name, entry)) {
        return;
    }
    TDib art;
    std::string error;
    if (entry.empty() || !DecodeBmp(entry, art, error)) {
        Note(section, InQuotes(name) + " is no readable bitmap; the art of " + InQuotes(file) +
                          " is scaled instead");
        return;
    }
    if (art.Width() != DoubleArtFactor * bitmap.Width() ||
        art.Height() != DoubleArtFactor * bitmap.Height()) {
        Note(section, InQuotes(name) + " is not twice the size of " + InQuotes(file) +
                          "; the art of " + InQuotes(file) + " is scaled instead");
        return;
    }
    doubleArt_[&bitmap] = std::move(art);
}

void TSkinParser::ParseSkin() {
    model_.SkinName = Str("TitlebarSkin", "SkinName");
    ReadFrameBorders();
    ReadColours();
    ReadCaptionButtons();
    ReadButtons();
    ReadTitle(Personality);
    model_.Progress = ReadProgress("Progress");
    model_.MenuBar = ReadMenuBar(Personality);
    model_.GroupBoxEdge = ReadElement("GroupBoxEdge");
    model_.GroupBox = ReadGroupBox("GroupBox");
    model_.Toolbars = ReadElement("Toolbars");
    model_.Tabs = ReadBorderElement("Tabs", "Border");
    model_.StatusBarEdges = ReadElement("StatusBarEdges");
    ReadComboButton();
    model_.SunkEdge = ReadElement("SunkEdge");
    model_.ExtraImages = ReadElement("ExtraImages");
    model_.Headerbar = ReadElement("Headerbar");
    model_.MenuItem = ReadElement("MenuItem");
    model_.MenuBackground = ReadElement("MenuBackground");
    model_.Scrollbar = ReadElement("Scrollbar");
    model_.HorzScroll = ReadElement("HorzScroll");
    model_.VertScroll = ReadElement("VertScroll");
    model_.HorzScrollThumb = ReadElement("HorzScrollThumb");
    model_.VertScrollThumb = ReadElement("VertScrollThumb");
    model_.TrackbarThumbHorz = ReadElement("Trackbar.ThumbHorz");
    model_.TrackbarThumbVert = ReadElement("Trackbar.ThumbVert");
    model_.TrackbarThumbLeft = ReadElement("Trackbar.ThumbLeft");
    model_.TrackbarThumbRight = ReadElement("Trackbar.ThumbRight");
    model_.TrackbarThumbUp = ReadElement("Trackbar.ThumbUp");
    model_.TrackbarThumbDown = ReadElement("Trackbar.ThumbDown");
    model_.UpDownHorz = ReadBorderElement("UpDown.Horz", "GlyphImage");
    model_.UpDownVert = ReadBorderElement("UpDown.Vert", "GlyphImage");
    SetFrameCounts();
}

void TSkinParser::ReadFrameBorders() {
    struct TBorderKeys {
        TDataSkinBorder& border;
        const char* name;
        bool horizontal; // Top and Bottom keep their left and right ends
    };
    const std::array borders = {TBorderKeys{model_.BorderLeft, "Left", false},
                                TBorderKeys{model_.BorderRight, "Right", false},
                                TBorderKeys{model_.BorderTop, "Top", true},
                                TBorderKeys{model_.BorderBottom, "Bottom", true}};
    for (const TBorderKeys& keys : borders) {
        TDataSkinBorder& b = keys.border;
        b = TDataSkinBorder(keys.name);
        const std::string n = keys.name;
        const int32_t startEnd = Int(Personality, n + "TopHeight", 0);
        const int32_t finalEnd = Int(Personality, n + "BotHeight", 0);
        if (keys.horizontal) {
            b.LeftWidth = startEnd;
            b.RightWidth = finalEnd;
        } else {
            b.TopHeight = startEnd;
            b.BottomHeight = finalEnd;
        }
        // The frame divides the border's size into cells: below 1 would
        // divide by zero or flip the cells, so it counts as 1.
        b.Frame = Int(Personality, n + "Frame", MinCells);
        if (b.Frame < MinCells) {
            Note(Personality, n + "Frame=" + std::to_string(b.Frame) + " is taken as 1");
            b.Frame = MinCells;
        }
        b.Tile = Int(Personality, n + "Stretch", 1);
        b.Trans = Int(Personality, n + "Trans", 1);
        ReadImage(b.Bitmap, Personality, n, Str(Personality, n));
    }
}

void TSkinParser::ReadColours() {
    constexpr std::string_view Colours = "Colours";
    TSkinModel& m = model_;
    m.WindowTextColour = ReadRgbText(Colours, "WindowText", SysWindowText);
    m.ButtonFaceColour = ReadRgbText(Colours, "ButtonFace", SysBtnFace);
    m.ScrollbarColour = ReadRgbText(Colours, "Scrollbar", SysScrollbar);
    m.HilightTextColour = ReadRgbText(Colours, "HilightText", SysHighlightText);
    m.HilightColour = ReadRgbText(Colours, "Hilight", SysHighlight);
    m.MenubarColour = ReadRgbText(Colours, "Menubar", m.ButtonFaceColour);
    m.MenuColour = ReadRgbText(Colours, "Menu", SysMenu);
    m.MenuTextColour = ReadRgbText(Colours, "MenuText", SysMenuText);
    m.ButtonTextColour = ReadRgbText(Colours, "ButtonText", SysBtnText);
    m.ButtonHilightColour = ReadRgbText(Colours, "ButtonHilight", SysBtnHighlight);
    m.ButtonlightColour = ReadRgbText(Colours, "Buttonlight", SysBtnHighlight);
    m.ButtonShadowColour = ReadRgbText(Colours, "ButtonShadow", SysBtnShadow);
    m.ButtonDkShadowColour = ReadRgbText(Colours, "ButtonDkShadow", Sys3DDkShadow);
    m.MenuBarTextColour = ReadRgbText(Colours, "MenuBarText", SysMenuText);
    m.TitleTextActiveColour = ReadRgbText(Colours, "TitleTextActive", SysCaptionText);
    m.TitleTextNoActiveColour = ReadRgbText(Colours, "TitleTextNoActive", SysInactiveCaptionText);
    ReadColourTable();
}

void TSkinParser::ReadColourTable() {
    std::vector<std::string> sections;
    ini_.ReadSections(sections);
    model_.ColourTable.clear();
    for (const std::string& section : sections) {
        const std::string upper = Upper(section);
        if (!upper.starts_with("COLOUR") || upper == "COLOURS") {
            continue;
        }
        if (Str(section, "color").empty()) {
            Note(section, "no color key; the window text colour is taken");
        }
        model_.ColourTable.push_back(ReadRgbText(section, "color", SysWindowText));
    }
}

void TSkinParser::ReadCaptionButtons() {
    std::vector<std::string> sections;
    ini_.ReadSections(sections);
    auto& buttons = model_.SysButtons;
    buttons.clear();
    for (const std::string& section : sections) {
        const std::string u = Upper(section);
        if (!IsCaptionButtonSection(u)) {
            continue;
        }
        const int32_t action = Int(section, "Action", button_action::Close);
        if (action == button_action::Decoration &&
            Int(section, "Visibility", visibility::DecorationDefault) !=
                visibility::DecorationKept) {
            Note(section, "no action and no Visibility=0: not a caption button; left out");
            continue;
        }
        buttons.push_back(ReadCaptionButton(section, action));
    }
    AppendMdiButtons();
}

std::unique_ptr<TDataSkinSysButton> TSkinParser::ReadCaptionButton(const std::string& section,
                                                                   int32_t action) {
    // Caption buttons are named by their section in capitals.
    auto b = Made<TDataSkinSysButton>(Upper(section));
    const bool decoration = action == button_action::Decoration;
    const bool inert = action <= button_action::Decoration; // never reacts to the mouse
    b->Action = action;
    b->Align = Int(section, "Align", button_align::Left);
    b->Xcoord = Int(section, "Xcoord", 0);
    b->Ycoord = Int(section, "Ycoord", 0);
    b->Visibility = Int(section, "Visibility", visibility::Always);
    b->Visibility1 = Int(section, "Visibility1",
                         decoration ? visibility::DecorationDefault : visibility::Always);
    b->CombineOp = Int(section, "CombineOp", -1);
    b->Frame = Int(section, "frame", 0);
    ReadImage(b->Bitmap, section, "ButtonImage", Str(section, "ButtonImage"));
    if (b->Frame < 0) {
        Note(section, "frame=" + std::to_string(b->Frame) + " is taken as 1");
        b->Frame = MinCells; // a negative cell count would flip the cells
    }
    if (b->Frame == 0) {
        b->Frame = button_cells::Full;
        if (!b->Bitmap.Empty() && !inert) {
            const double ratio = double(b->Bitmap.Width()) / b->Bitmap.Height();
            b->Frame =
                ratio <= button_cells::CompactRatio ? button_cells::Compact : button_cells::Full;
        }
        // Icon buttons show the window's icon, which the form frame supplies.
        if (action == button_action::SystemMenu || action == button_action::IconMenu) {
            b->Bitmap.Clear();
        }
    }
    return b;
}

void TSkinParser::AppendMdiButtons() {
    auto& buttons = model_.SysButtons;
    const size_t first = buttons.size();
    for (int32_t action : MdiActions) {
        auto mdi = Made<TDataSkinSysButton>("MDI");
        mdi->Action = action;
        mdi->Align = button_align::MdiChild;
        mdi->Visibility = mdi->Visibility1 = visibility::MdiChild;
        mdi->Frame = button_cells::Mdi;
        buttons.push_back(std::move(mdi));
    }
    ReadMdiButtons(first);
}

void TSkinParser::ReadMdiButtons(size_t first) {
    constexpr std::string_view Section = "MDICONTROLS";
    TDib strip;
    ReadImage(strip, Section, "Image", Str(Section, "Image"));
    // The buttons are cut from the strip: its double-size art is not theirs.
    doubleArt_.erase(&strip);
    if (strip.Empty()) {
        return;
    }
    if (strip.Width() < MdiStripCells) {
        Note(Section, "the image is narrower than its twelve cells");
    }
    const int c = strip.Width() / MdiStripCells, h = strip.Height();
    const int buttonWidth = button_cells::Mdi * c;
    for (size_t i = 0; i < MdiActions.size(); ++i) {
        TDataSkinSysButton& b = *model_.SysButtons[first + i];
        b.Bitmap.SetSize(buttonWidth, h, strip.BitsPerPixel());
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < buttonWidth; ++x) {
                b.Bitmap.SetPixel(x, y, strip.Pixel(buttonWidth * int(i) + x, y));
            }
        }
        b.Xcoord = (c + MdiButtonGap) * int(MdiActions.size() - i);
    }
}

void TSkinParser::ReadStateColours(TDataSkinObject& e, std::string_view section) {
    e.NormalColour = Int(section, "NormalColour", -1);
    e.MouseOverColour = Int(section, "MouseOverColour", -1);
    e.PressedColour = Int(section, "PressedColour", -1);
    const Colour text = model_.ButtonTextColour;
    e.NormalColour2 = ReadRgbText(section, "NormalColour2", text);
    e.MouseOverColour2 = ReadRgbText(section, "MouseOverColour2", text);
    e.PressedColour2 = ReadRgbText(section, "PressedColour2", text);
}

void TSkinParser::ReadPlacement(TDataSkinObject& e, std::string_view section) {
    e.LeftWidth = Int(section, "LeftWidth", 0);
    e.RightWidth = Int(section, "RightWidth", 0);
    e.TopHeight = Int(section, "TopHeight", 0);
    e.BottomHeight = Int(section, "BottomHeight", 0);
    e.Trans = Int(section, "Trans", 0);
    e.Tile = Int(section, "Tile", 0);
}

void TSkinParser::ReadButtons() {
    constexpr std::string_view S = "Buttons";
    TDataSkinButton& b = model_.Buttons;
    b = TDataSkinButton("Buttons");
    ReadPlacement(b, S);
    ReadImage(b.Bitmap, S, "Bitmap", Str(S, "Bitmap"));
    ReadImage(b.CheckBitmap, S, "CheckButton", Str(S, "CheckButton"));
    ReadImage(b.RadioBitmap, S, "RadioButton", Str(S, "RadioButton"));
    b.RadioButtonFrame = Int(S, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int(S, "CheckButtonFrame", 0);
    b.HasNormalColour2 = !Str(S, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Str(S, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Str(S, "PressedColour2").empty();
    ReadStateColours(b, S);
}

void TSkinParser::ReadTitle(std::string_view section) {
    TDataSkinTitle& t = model_.Title;
    t = TDataSkinTitle("Title");
    ReadImage(t.Bitmap, section, "TextBack", Str(section, "TextBack"));
    t.LeftWidth = Int(section, "TextShift", 0);
    t.TopHeight = Int(section, "TextShiftVert", 0);
    t.RightWidth = Int(section, "TextRightClip", 0);
    t.TextAlignment = Int(section, "TextAlignment", text_align::Left);
    t.Textbackground = Int(section, "Textbackground", 0);
    t.FontHeight = Int("Fonts", "FontHeight", TDataSkinTitle::DefaultFontHeight);
    t.TXTBackleft = Int(section, "TXTBackleft", 0);
    t.TXTBackRight = Int(section, "TXTBackRight", 0);
    ReadTextColour(section, "ActiveText", t.ActiveTextColour);
    ReadTextColour(section, "InActiveText", t.InActiveTextColour);
}

void TSkinParser::ReadTextColour(std::string_view section, std::string_view name, Colour& colour) {
    const std::string key(name);
    int given = 0;
    for (const char* part : {"R", "G", "B"}) {
        if (Int(section, key + part, -1) >= 0) {
            ++given;
        }
    }
    if (given > 0 && given < RgbComponents) {
        Note(section, key + "R, G and B are not all given; the colour is left as it was");
    }
    ReadRgbKeys(ini_, section, name, colour);
}

template <class T>
std::unique_ptr<T> TSkinParser::OpenElement(std::string_view section, std::string_view imageKey,
                                            ImageKey use) {
    const std::string image = Str(section, imageKey);
    if (image.empty()) {
        if (use == ImageKey::OwnSection && ini_.FindSection(section) >= 0) {
            Note(section, "no " + std::string(imageKey) + " key; the element is left out");
        }
        return nullptr;
    }
    auto e = Made<T>(section);
    ReadImage(e->Bitmap, section, imageKey, image);
    return e;
}

void TSkinParser::ReadSecondImage(TDataSkinBorder& e, std::string_view section,
                                  std::string_view key) {
    const std::string second = Str(section, key);
    if (!second.empty()) {
        ReadImage(e.Bitmap2, section, key, second);
    }
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadProgress(std::string_view section) {
    auto p = OpenElement<TDataSkinBorder>(section, "Bitmap");
    if (p) {
        ReadSecondImage(*p, section, "Chunk");
        p->Style = Int(section, "Style", 0);
        ReadPlacement(*p, section);
    }
    return p;
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadMenuBar(std::string_view section) {
    auto m = OpenElement<TDataSkinObject>(section, "menuBar", ImageKey::SharedSection);
    if (m) {
        m->Tile = Int(section, "TileMenu", 0);
        // Despite their names: the widths of the unstretched ends of the bar.
        m->LeftWidth = Int(section, "TileLeftMenu", 1);
        m->RightWidth = Int(section, "TileRightMenu", 1);
    }
    return m;
}

void TSkinParser::ReadGenericKeys(TDataSkinObject& e, std::string_view section, bool withStyle) {
    if (withStyle) {
        e.Style = Int(section, "Style", 0);
    }
    ReadPlacement(e, section);
    if (e.Tile > tile_mode::Repeat) {
        Note(section, "Tile=" + std::to_string(e.Tile) + " is taken as 0");
        e.Tile = tile_mode::Stretch;
    }
    ReadStateColours(e, section);
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadElement(std::string_view section) {
    auto e = OpenElement<TDataSkinObject>(section, "Image");
    if (e) {
        ReadGenericKeys(*e, section, true);
    }
    return e;
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadBorderElement(std::string_view section,
                                                                std::string_view secondKey) {
    auto e = OpenElement<TDataSkinBorder>(section, "Image");
    if (e) {
        ReadSecondImage(*e, section, secondKey);
        ReadGenericKeys(*e, section, false);
    }
    return e;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinParser::ReadGroupBox(std::string_view section) {
    auto g = OpenElement<TDataSkinBoxLabel>(section, "Image");
    if (g) {
        ReadGenericKeys(*g, section, true);
        g->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
        g->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
        g->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
    }
    return g;
}

void TSkinParser::ReadComboButton() {
    constexpr std::string_view Section = "ComboButton";
    // "****" is no key a skin uses: the second image is the mirrored first
    // one, for combo boxes with the button on the left.
    model_.ComboButton = ReadBorderElement(Section, "****");
    TDataSkinBorder* combo = model_.ComboButton.get();
    if (!combo) {
        return;
    }
    // Unlike the other border elements the combo button reads its Style:
    // Style 1 selects the combo box's simple drawing.
    combo->Style = Int(Section, "Style", 0);
    if (!combo->Bitmap.Empty()) {
        combo->Bitmap2 = combo->Bitmap;
        combo->Bitmap2.ConvertTo(24);
        MirrorBitmap(combo->Bitmap2);
    }
}

void TSkinParser::SetFrameCounts() {
    TSkinModel& m = model_;
    const auto set = [](TDataSkinObject* e, int32_t frames) {
        if (e) {
            e->Frame = frames;
        }
    };
    set(&m.Buttons, 5);
    set(&m.Title, 2);
    set(m.Progress.get(), 2);
    set(m.MenuBar.get(), 2);
    set(m.GroupBoxEdge.get(), 2);
    set(m.StatusBarEdges.get(), 3);
    for (TDataSkinObject* e : {static_cast<TDataSkinObject*>(m.ComboButton.get()), m.SunkEdge.get(),
                               m.HorzScroll.get(), m.VertScroll.get()}) {
        set(e, 4);
    }
    for (TDataSkinObject* e :
         {m.Toolbars.get(), static_cast<TDataSkinObject*>(m.Tabs.get()), m.ExtraImages.get(),
          m.Headerbar.get(), m.MenuItem.get(), m.TrackbarThumbHorz.get(), m.TrackbarThumbVert.get(),
          m.TrackbarThumbLeft.get(), m.TrackbarThumbRight.get(), m.TrackbarThumbUp.get(),
          m.TrackbarThumbDown.get()}) {
        set(e, 5);
    }
    set(m.UpDownHorz.get(), 8);
    set(m.UpDownVert.get(), 8);
    set(m.GroupBox.get(), 1);
    set(m.MenuBackground.get(), 1);
    set(m.Scrollbar.get(), 23);
    set(m.HorzScrollThumb.get(), Int("HorzScrollThumb", "FrameCount", 3));
    set(m.VertScrollThumb.get(), Int("VertScrollThumb", "FrameCount", 3));

    const auto derive = [](int32_t& frames, const TDib& strip) {
        if (frames != 0) {
            return;
        }
        const int cell = strip.Height() < LargeGlyphCell ? SmallGlyphCell : LargeGlyphCell;
        frames = std::max(strip.Width() / cell, MinGlyphCells);
    };
    derive(m.Buttons.RadioButtonFrame, m.Buttons.RadioBitmap);
    derive(m.Buttons.CheckButtonFrame, m.Buttons.CheckBitmap);
}

} // namespace skin
