#include "skin/WinSkinData/SkinParser.h"

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/PixelTransforms.h"
#include "skin/SkinRead/SkinReader.h"
#include "skin/WinSkinIni.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

constexpr std::string_view Personality = "Personality";

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
    return out;
}

template <class T> std::unique_ptr<T> Made(std::string_view name) {
    return std::make_unique<T>(std::string(name));
}

} // namespace

TSkinParser::TSkinParser(TSkinModel& model, const TQuickIni& ini, const TSkinReader& package)
    : model_(model), ini_(ini), package_(package) {}

int32_t TSkinParser::Int(std::string_view section, std::string_view key, int32_t fallback) const {
    return ini_.ReadInteger(section, key, fallback);
}

std::string TSkinParser::Str(std::string_view section, std::string_view key) const {
    return ini_.ReadString(section, key, "");
}

Colour TSkinParser::ReadRgbText(std::string_view section, std::string_view key,
                                Colour fallback) const {
    const std::string text = Str(section, key);
    return text.empty() ? fallback : ParseRgbText(text);
}

void TSkinParser::LoadSkinBitmap(TDib& bitmap, std::string_view value) {
    bitmap.Clear();
    const size_t folderEnd = value.find_last_of("\\:");
    const std::string_view file =
        folderEnd == std::string_view::npos ? value : value.substr(folderEnd + 1);
    const size_t dot = file.rfind('.');
    if (file.empty() || dot == std::string_view::npos || file.substr(dot) != ".bmp")
        return;
    if (!package_.GetEntry(file, entry_) || entry_.empty())
        return;
    std::string error;
    DecodeBmp(entry_, bitmap, error); // an unreadable image leaves the bitmap empty
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
        b.Frame = std::max(Int(Personality, n + "Frame", 1), 1);
        b.Tile = Int(Personality, n + "Stretch", 1);
        b.Trans = Int(Personality, n + "Trans", 1);
        LoadSkinBitmap(b.Bitmap, Str(Personality, n));
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
        if (upper.starts_with("COLOUR") && upper != "COLOURS")
            model_.ColourTable.push_back(ReadRgbText(section, "color", SysWindowText));
    }
}

void TSkinParser::ReadCaptionButtons() {
    std::vector<std::string> sections;
    ini_.ReadSections(sections);
    std::vector<std::string> kept;
    for (const std::string& section : sections) {
        const std::string u = Upper(section);
        if (!u.starts_with("BUTTON") || u == "BUTTON" || u == "BUTTONS" || u == "BUTTON.RADIO" ||
            u == "BUTTON.CHECKBOX")
            continue;
        // A button without action is kept only when it says Visibility=0.
        if (Int(u, "Action", 0) == -1 && Int(u, "Visibility", -1) != 0)
            continue;
        kept.push_back(u);
    }
    auto& buttons = model_.SysButtons;
    buttons.clear();
    for (const std::string& u : kept) {
        auto b = Made<TDataSkinSysButton>(u);
        b->Action = Int(u, "Action", 0);
        b->Align = Int(u, "Align", 0);
        b->Xcoord = Int(u, "Xcoord", 0);
        b->Ycoord = Int(u, "Ycoord", 0);
        b->Visibility = Int(u, "Visibility", 0);
        b->Visibility1 = Int(u, "Visibility1", b->Action == -1 ? -1 : 0);
        b->CombineOp = Int(u, "CombineOp", -1);
        b->Frame = Int(u, "frame", 0);
        LoadSkinBitmap(b->Bitmap, Str(u, "ButtonImage"));
        if (b->Frame < 0)
            b->Frame = 1; // a negative cell count would flip the cells
        if (b->Frame == 0) {
            b->Frame = 6;
            if (!b->Bitmap.Empty()) {
                const double ratio = double(b->Bitmap.Width()) / b->Bitmap.Height();
                b->Frame = ratio <= 3.8 ? 3 : 6;
                if (b->Action < 0)
                    b->Frame = 6;
            }
            // Icon buttons show the window's icon, which the form frame supplies.
            if (b->Action == 3 || b->Action == 11)
                b->Bitmap.Clear();
        }
        buttons.push_back(std::move(b));
    }
    const size_t first = buttons.size();
    for (int32_t action : {7, 8, 9}) {
        auto mdi = Made<TDataSkinSysButton>("MDI");
        mdi->Action = action;
        mdi->Align = mdi->Visibility = mdi->Visibility1 = 100;
        mdi->Frame = 4;
        buttons.push_back(std::move(mdi));
    }
    ReadMdiButtons(first);
}

void TSkinParser::ReadMdiButtons(size_t first) {
    TDib strip;
    LoadSkinBitmap(strip, Str("MDICONTROLS", "Image"));
    if (strip.Empty())
        return;
    // Twelve equal cells, four per button, in the order of actions 7, 8, 9.
    const int c = strip.Width() / 12, h = strip.Height();
    for (int i = 0; i < 3; ++i) {
        TDataSkinSysButton& b = *model_.SysButtons[first + size_t(i)];
        b.Bitmap.SetSize(4 * c, h, strip.BitsPerPixel());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < 4 * c; ++x)
                b.Bitmap.SetPixel(x, y, strip.Pixel(4 * c * i + x, y));
        b.Xcoord = (c + 4) * (3 - i);
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

void TSkinParser::ReadButtons() {
    constexpr std::string_view S = "Buttons";
    TDataSkinButton& b = model_.Buttons;
    b = TDataSkinButton("Buttons");
    b.LeftWidth = Int(S, "LeftWidth", 0);
    b.RightWidth = Int(S, "RightWidth", 0);
    b.TopHeight = Int(S, "TopHeight", 0);
    b.BottomHeight = Int(S, "BottomHeight", 0);
    b.Trans = Int(S, "Trans", 0);
    LoadSkinBitmap(b.Bitmap, Str(S, "Bitmap"));
    b.Tile = Int(S, "Tile", 0);
    LoadSkinBitmap(b.CheckBitmap, Str(S, "CheckButton"));
    LoadSkinBitmap(b.RadioBitmap, Str(S, "RadioButton"));
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
    LoadSkinBitmap(t.Bitmap, Str(section, "TextBack"));
    t.LeftWidth = Int(section, "TextShift", 0);
    t.TopHeight = Int(section, "TextShiftVert", 0);
    t.RightWidth = Int(section, "TextRightClip", 0);
    t.TextAlignment = Int(section, "TextAlignment", 0);
    t.Textbackground = Int(section, "Textbackground", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.TXTBackleft = Int(section, "TXTBackleft", 0);
    t.TXTBackRight = Int(section, "TXTBackRight", 0);
    ReadRgbKeys(ini_, section, "ActiveText", t.ActiveTextColour);
    ReadRgbKeys(ini_, section, "InActiveText", t.InActiveTextColour);
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadProgress(std::string_view section) {
    const std::string image = Str(section, "Bitmap");
    if (image.empty())
        return nullptr;
    auto p = Made<TDataSkinBorder>(section);
    LoadSkinBitmap(p->Bitmap, image);
    const std::string chunk = Str(section, "Chunk");
    if (!chunk.empty())
        LoadSkinBitmap(p->Bitmap2, chunk);
    p->Style = Int(section, "Style", 0);
    p->LeftWidth = Int(section, "LeftWidth", 0);
    p->RightWidth = Int(section, "RightWidth", 0);
    p->TopHeight = Int(section, "TopHeight", 0);
    p->BottomHeight = Int(section, "BottomHeight", 0);
    p->Trans = Int(section, "Trans", 0);
    p->Tile = Int(section, "Tile", 0);
    return p;
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadMenuBar(std::string_view section) {
    const std::string image = Str(section, "menuBar");
    if (image.empty())
        return nullptr;
    auto m = Made<TDataSkinObject>(section);
    LoadSkinBitmap(m->Bitmap, image);
    m->Tile = Int(section, "TileMenu", 0);
    // Despite their names: the widths of the unstretched ends of the bar.
    m->LeftWidth = Int(section, "TileLeftMenu", 1);
    m->RightWidth = Int(section, "TileRightMenu", 1);
    return m;
}

void TSkinParser::ReadGenericKeys(TDataSkinObject& e, std::string_view section, bool withStyle) {
    if (withStyle)
        e.Style = Int(section, "Style", 0);
    e.LeftWidth = Int(section, "LeftWidth", 0);
    e.RightWidth = Int(section, "RightWidth", 0);
    e.TopHeight = Int(section, "TopHeight", 0);
    e.BottomHeight = Int(section, "BottomHeight", 0);
    e.Trans = Int(section, "Trans", 0);
    e.Tile = Int(section, "Tile", 0);
    if (e.Tile > 1)
        e.Tile = 0;
    ReadStateColours(e, section);
}

std::unique_ptr<TDataSkinObject> TSkinParser::ReadElement(std::string_view section) {
    const std::string image = Str(section, "Image");
    if (image.empty())
        return nullptr;
    auto e = Made<TDataSkinObject>(section);
    LoadSkinBitmap(e->Bitmap, image);
    ReadGenericKeys(*e, section, true);
    return e;
}

std::unique_ptr<TDataSkinBorder> TSkinParser::ReadBorderElement(std::string_view section,
                                                                std::string_view secondKey) {
    const std::string image = Str(section, "Image");
    if (image.empty())
        return nullptr;
    auto e = Made<TDataSkinBorder>(section);
    LoadSkinBitmap(e->Bitmap, image);
    const std::string second = Str(section, secondKey);
    if (!second.empty())
        LoadSkinBitmap(e->Bitmap2, second);
    ReadGenericKeys(*e, section, false);
    return e;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinParser::ReadGroupBox(std::string_view section) {
    const std::string image = Str(section, "Image");
    if (image.empty())
        return nullptr;
    auto g = Made<TDataSkinBoxLabel>(section);
    LoadSkinBitmap(g->Bitmap, image);
    ReadGenericKeys(*g, section, true);
    g->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    g->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
    g->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
    return g;
}

void TSkinParser::ReadComboButton() {
    // "****" is no key a skin uses: the second image is the mirrored first
    // one, for combo boxes with the button on the left.
    model_.ComboButton = ReadBorderElement("ComboButton", "****");
    TDataSkinBorder* combo = model_.ComboButton.get();
    // Unlike the other border elements the combo button reads its Style:
    // Style 1 selects the combo box's simple drawing.
    if (combo)
        combo->Style = Int("ComboButton", "Style", 0);
    if (combo && !combo->Bitmap.Empty()) {
        combo->Bitmap2 = combo->Bitmap;
        combo->Bitmap2.ConvertTo(24);
        MirrorBitmap(combo->Bitmap2);
    }
}

void TSkinParser::SetFrameCounts() {
    TSkinModel& m = model_;
    const auto set = [](TDataSkinObject* e, int32_t frames) {
        if (e)
            e->Frame = frames;
    };
    set(&m.Buttons, 5);
    set(&m.Title, 2);
    set(m.Progress.get(), 2);
    set(m.MenuBar.get(), 2);
    set(m.GroupBoxEdge.get(), 2);
    set(m.StatusBarEdges.get(), 3);
    for (TDataSkinObject* e : {static_cast<TDataSkinObject*>(m.ComboButton.get()), m.SunkEdge.get(),
                               m.HorzScroll.get(), m.VertScroll.get()})
        set(e, 4);
    for (TDataSkinObject* e :
         {m.Toolbars.get(), static_cast<TDataSkinObject*>(m.Tabs.get()), m.ExtraImages.get(),
          m.Headerbar.get(), m.MenuItem.get(), m.TrackbarThumbHorz.get(), m.TrackbarThumbVert.get(),
          m.TrackbarThumbLeft.get(), m.TrackbarThumbRight.get(), m.TrackbarThumbUp.get(),
          m.TrackbarThumbDown.get()})
        set(e, 5);
    set(m.UpDownHorz.get(), 8);
    set(m.UpDownVert.get(), 8);
    set(m.GroupBox.get(), 1);
    set(m.MenuBackground.get(), 1);
    set(m.Scrollbar.get(), 23);
    set(m.HorzScrollThumb.get(), Int("HorzScrollThumb", "FrameCount", 3));
    set(m.VertScrollThumb.get(), Int("VertScrollThumb", "FrameCount", 3));

    // Check and radio strips: 13-pixel cells below 16 pixels of height, else
    // 16-pixel cells; at least 4.
    const auto derive = [](int32_t& frames, const TDib& strip) {
        if (frames != 0)
            return;
        const int cell = strip.Height() < 16 ? 13 : 16;
        frames = std::max(strip.Width() / cell, 4);
    };
    derive(m.Buttons.RadioButtonFrame, m.Buttons.RadioBitmap);
    derive(m.Buttons.CheckButtonFrame, m.Buttons.CheckBitmap);
}

} // namespace skin
