#include "tools/skingen/Art.h"
#include "tools/skingen/SkinFiles.h"

#include <sstream>

namespace skingen {
namespace {

using G = TFrameGeometry;

std::string Rgb(Colour c) {
    return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
           std::to_string(skin::BlueOf(c));
}

// Writes "[name]" and its keys; values are anything streamable.
class TIniText {
public:
    TIniText& Section(const std::string& name) {
        text_ << "\n[" << name << "]\n";
        return *this;
    }
    template <class T> TIniText& Key(const std::string& key, const T& value) {
        text_ << key << "=" << value << "\n";
        return *this;
    }
    TIniText& Comment(const std::string& line) {
        text_ << "; " << line << "\n";
        return *this;
    }
    TIniText& Margins(int left, int top, int right, int bottom) {
        return Key("LeftWidth", left)
            .Key("TopHeight", top)
            .Key("RightWidth", right)
            .Key("BottomHeight", bottom);
    }
    TIniText& RgbKeys(const std::string& name, Colour c) {
        return Key(name + "R", int(skin::RedOf(c)))
            .Key(name + "G", int(skin::GreenOf(c)))
            .Key(name + "B", int(skin::BlueOf(c)));
    }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
};

void FrameSections(TIniText& ini, const TTheme& t) {
    const int trans = t.shapedFrame ? 1 : 0;
    ini.Section("TitlebarSkin").Key("SkinName", t.displayName).Key("Author", "Kanvio");
    ini.Section("Personality");
    const auto border = [&](const std::string& n, const std::string& file, int start, int end) {
        ini.Key(n, file).Key(n + "TopHeight", start).Key(n + "BotHeight", end);
        ini.Key(n + "Frame", 2).Key(n + "Stretch", 1).Key(n + "Trans", trans);
    };
    border("Top", t.name + "__top.bmp", G::TopEnd, G::TopEnd);
    border("Left", "left.bmp", t.titleHeight, t.bottomHeight + t.bottomRadius);
    border("Right", "right.bmp", t.titleHeight, t.bottomHeight + t.bottomRadius);
    border("Bottom", "bottom.bmp", G::BottomEnd, G::BottomEnd);
    ini.Key("menuBar", "menu.bmp")
        .Key("TileMenu", 0)
        .Key("TileLeftMenu", G::MenuBarEnd)
        .Key("TileRightMenu", G::MenuBarEnd);
    const TCaptionText& text = t.caption;
    if (text.backImage) {
        ini.Key("TextBack", "textback.bmp");
    }
    ini.Key("TextShift", text.shift)
        .Key("TextShiftVert", text.shiftVert)
        .Key("TextRightClip", text.rightClip);
    ini.Key("TextAlignment", text.alignment)
        .Key("Textbackground", text.background)
        .Key("TXTBackleft", text.backLeft)
        .Key("TXTBackRight", text.backRight);
    ini.RgbKeys("ActiveText", t.titleText).RgbKeys("InActiveText", t.titleTextInactive);
    ini.Section("Fonts").Key("FontHeight", 14).Key("FontName", "Microsoft YaHei");
}

void ColourSections(TIniText& ini, const TTheme& t) {
    ini.Section("Colours")
        .Key("WindowText", Rgb(t.windowText))
        .Key("ButtonFace", Rgb(t.face))
        .Key("Scrollbar", Rgb(t.well))
        .Key("HilightText", Rgb(t.highlightText))
        .Key("Hilight", Rgb(t.highlight))
        .Key("Menubar", Rgb(t.menuBar))
        .Key("Menu", Rgb(t.menu))
        .Key("MenuText", Rgb(t.text))
        .Key("ButtonText", Rgb(t.text))
        .Key("ButtonHilight", Rgb(t.lineHot))
        .Key("Buttonlight", Rgb(t.light))
        .Key("ButtonShadow", Rgb(t.shadow))
        .Key("ButtonDkShadow", Rgb(t.darkShadow))
        .Key("MenuBarText", Rgb(t.text))
        .Key("TitleTextActive", Rgb(t.titleText))
        .Key("TitleTextNoActive", Rgb(t.titleTextInactive));
    // The extra colour table: accents for painters that want more than the
    // system colour roles.
    const Colour table[] = {t.active.accent, t.active.accent2, t.highlight2,  t.face,
                            t.faceHot,       t.facePressed,    t.line,        t.lineHot,
                            t.well,          t.text,           t.textDisabled};
    int n = 0;
    for (const Colour c : table) {
        ini.Section("Colour" + std::to_string(++n)).Key("color", Rgb(c));
    }
}

void CaptionButtonSections(TIniText& ini, const TTheme& t) {
    int n = 0;
    for (const TCaptionButton& b : t.captionButtons) {
        ini.Section("Button" + std::to_string(++n));
        if (!b.comment.empty()) {
            ini.Comment(b.comment);
        }
        if (!b.image.empty()) {
            ini.Key("ButtonImage", b.image);
        }
        ini.Key("Action", b.action)
            .Key("Align", b.align)
            .Key("Xcoord", b.xcoord)
            .Key("Ycoord", b.ycoord);
        if (b.visibility) {
            ini.Key("Visibility", *b.visibility);
        }
        if (b.visibility1) {
            ini.Key("Visibility1", *b.visibility1);
        }
        if (b.frame) {
            ini.Key("frame", *b.frame);
        }
    }
    if (t.hoverAnimations) {
        // The engine shows no animation, so these sections (without action
        // and without Visibility=0) are not caption buttons.
        const char* animations[] = {"but-min_ani.bmp", "but-max_ani.bmp", "but-rest_ani.bmp",
                                    "but-roll_ani.bmp"};
        for (const char* image : animations) {
            ini.Section("Button" + std::to_string(++n)).Key("ButtonImage", image).Key("Action", -1);
            ini.Key("AnimFrames", 6);
            if (std::string(image) == "but-roll_ani.bmp") {
                ini.Key("ButtonImage2", "but-rolldown_ani.bmp");
            }
        }
    }
    ini.Section("MDICONTROLS").Key("Image", "button-mdi.bmp");
}

void ControlSections(TIniText& ini, const TTheme& t) {
    ini.Section("Buttons")
        .Key("Bitmap", "buttons.bmp")
        .Margins(4, 4, 4, 4)
        .Key("Trans", 1)
        .Key("Tile", 0)
        .Key("CheckButton", "checkboxold.bmp")
        .Key("RadioButton", "radiobutton.bmp")
        .Key("NormalColour2", Rgb(t.text))
        .Key("MouseOverColour2", Rgb(t.textHot))
        .Key("PressedColour2", Rgb(t.textPressed));
    ini.Section("Progress").Key("Bitmap", "progress_bar.bmp").Margins(3, 3, 3, 3).Key("Style", 0);
    ini.Section("GroupBoxEdge")
        .Key("Image", "groupboxedge.bmp")
        .Margins(6, 6, 6, 6)
        .Key("Trans", 1);
    ini.Section("GroupBox")
        .Key("Image", "groupboxlabel.bmp")
        .Margins(6, 6, 6, 6)
        .Key("Trans", 1)
        .Key("BackgroundAlignment", 0)
        .Key("BackgroundLeftShift", 4)
        .Key("BackgroundRightShift", 4)
        .Key("NormalColour2", Rgb(t.text));
    ini.Section("Toolbars").Key("Image", "tools_but.bmp").Margins(3, 3, 3, 3).Key("Trans", 1);
    ini.Section("Tabs")
        .Key("Image", "tabs.bmp")
        .Key("Border", "borders.bmp")
        .Margins(6, 6, 6, 3)
        .Key("Trans", 1)
        .Key("NormalColour2", Rgb(t.text))
        .Key("MouseOverColour2", Rgb(t.textHot));
    ini.Section("StatusBarEdges")
        .Key("Image", "status.bmp")
        .Margins(2, 2, 2, 2)
        .Key("NormalColour2", Rgb(t.text));
    ini.Section("ComboButton").Key("Image", "combo.bmp").Margins(2, 2, 2, 2).Key("Style", 0);
    ini.Section("SunkEdge").Key("Image", "sunkedge.bmp").Margins(3, 3, 3, 3);
    ini.Section("ExtraImages").Key("Image", "combo-arrows.bmp").Key("Trans", 1);
    ini.Section("Headerbar").Key("Image", "header.bmp").Margins(3, 3, 3, 3);
    ini.Section("MenuItem")
        .Key("Image", "menu_button.bmp")
        .Margins(4, 4, 4, 4)
        .Key("NormalColour2", Rgb(t.text))
        .Key("MouseOverColour2", Rgb(t.highlightText));
    ini.Section("MenuBackground").Key("Image", "menu-bg.bmp").Margins(4, 4, 4, 4);
    ini.Section("Scrollbar").Key("Image", "arrows.bmp").Key("Trans", 1);
    ini.Section("HorzScroll").Key("Image", "hscroll.bmp").Margins(2, 0, 2, 0);
    ini.Section("VertScroll").Key("Image", "vscroll.bmp").Margins(0, 2, 0, 2);
    ini.Section("HorzScrollThumb")
        .Key("Image", "hscroll2.bmp")
        .Margins(5, 4, 5, 4)
        .Key("Trans", 1)
        .Key("FrameCount", 3);
    ini.Section("VertScrollThumb")
        .Key("Image", "vscroll2.bmp")
        .Margins(4, 5, 4, 5)
        .Key("Trans", 1)
        .Key("FrameCount", 3);
    const std::pair<const char*, const char*> thumbs[] = {
        {"Trackbar.ThumbHorz", "buttons_trackhor.bmp"},
        {"Trackbar.ThumbVert", "buttons_trackvert.bmp"},
        {"Trackbar.ThumbLeft", "buttons_trackleft.bmp"},
        {"Trackbar.ThumbRight", "buttons_trackright.bmp"},
        {"Trackbar.ThumbUp", "buttons_trackup.bmp"},
        {"Trackbar.ThumbDown", "buttons_trackdown.bmp"}};
    for (const auto& [section, image] : thumbs) {
        ini.Section(section).Key("Image", image).Key("Trans", 1);
    }
    ini.Section("UpDown.Vert")
        .Key("Image", "spinner-ud.bmp")
        .Key("GlyphImage", "spinner-ud-glyph.bmp")
        .Margins(2, 2, 2, 2)
        .Key("Trans", 1);
    ini.Section("UpDown.Horz")
        .Key("Image", "spinner-lr.bmp")
        .Key("GlyphImage", "spinner-lr-glyph.bmp")
        .Margins(2, 2, 2, 2)
        .Key("Trans", 1);
}

void ExtraSections(TIniText& ini) {
    ini.Comment("Sections below are carried for other skin engines and ignored by ours.");
    ini.Section("Trackbar")
        .Key("ChannelHorz", "trackbar_h.bmp")
        .Key("ChannelVert", "trackbar_v.bmp");
    ini.Section("Rebar").Key("Image", "rebar.bmp");
    ini.Section("Dialog").Key("Image", "dialog.bmp").Key("Tile", 1);
    ini.Section("Sounds").Key("Open", "").Key("Close", "");
}

} // namespace

std::string SkinIni(const TTheme& t) {
    TIniText ini;
    ini.Comment(t.displayName + ": generated by tools/skingen from its theme; edit the generator,");
    ini.Comment("not this file, so the bitmaps and these numbers stay in step.");
    FrameSections(ini, t);
    ColourSections(ini, t);
    CaptionButtonSections(ini, t);
    ControlSections(ini, t);
    ExtraSections(ini);
    return ini.Text();
}

} // namespace skingen
