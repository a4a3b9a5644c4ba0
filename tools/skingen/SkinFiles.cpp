#include "tools/skingen/SkinFiles.h"

#include "tools/skingen/Art.h"
#include "skin/ImgUtil/BmpCodec.h"

#include <functional>
#include <utility>

namespace skingen {

std::vector<TSkinFile> SkinFiles(const TTheme& t) {
    const std::string own = t.name + "__";
    using TDraw = std::function<TDib()>;
    // Names and order of the entries are fixed: the INI refers to them.
    const std::vector<std::pair<std::string, TDraw>> bitmaps = {
        {own + "top.bmp", [&] { return TopBorder(t); }},
        {"bottom.bmp", [&] { return BottomBorder(t); }},
        {"left.bmp", [&] { return LeftBorder(t); }},
        {"right.bmp", [&] { return RightBorder(t); }},
        {"menu.bmp", [&] { return MenuBar(t); }},
        {"dialog.bmp", [&] { return DialogBackground(t); }},
        {"buttons.bmp", [&] { return PushButtons(t); }},
        {"checkboxold.bmp", [&] { return CheckBoxes(t); }},
        {"radiobutton.bmp", [&] { return RadioButtons(t); }},
        {"progress_bar.bmp", [&] { return ProgressBar(t); }},
        {"groupboxedge.bmp", [&] { return GroupBoxEdge(t); }},
        {"borders.bmp", [&] { return PageBorder(t); }},
        {"tabs.bmp", [&] { return Tabs(t); }},
        {"status.bmp", [&] { return StatusEdges(t); }},
        {"combo.bmp", [&] { return ComboButton(t); }},
        {"sunkedge.bmp", [&] { return SunkenEdge(t); }},
        {"combo-arrows.bmp", [&] { return ComboArrows(t); }},
        {"header.bmp", [&] { return HeaderBar(t); }},
        {"menutool.bmp", [&] { return MenuTool(t); }},
        {"menu-bg.bmp", [&] { return MenuBackground(t); }},
        {"arrows.bmp", [&] { return ScrollArrows(t); }},
        {"hscroll.bmp", [&] { return ScrollTrack(t, false); }},
        {"vscroll.bmp", [&] { return ScrollTrack(t, true); }},
        {"hscroll2.bmp", [&] { return ScrollThumb(t, false); }},
        {"vscroll2.bmp", [&] { return ScrollThumb(t, true); }},
        {"button-mdi.bmp", [&] { return MdiButtons(t); }},
        {"groupboxlabel.bmp", [&] { return GroupBoxLabel(t); }},
        {"rebar.bmp", [&] { return Rebar(t); }},
        {"tools_but.bmp", [&] { return ToolButtons(t); }},
        {"menu_button.bmp", [&] { return MenuItems(t); }},
        {"buttons_trackdown.bmp", [&] { return TrackThumb(t, 1); }},
        {"buttons_trackhor.bmp", [&] { return TrackThumb(t, -1); }},
        {"buttons_trackleft.bmp", [&] { return TrackThumb(t, 2); }},
        {"buttons_trackright.bmp", [&] { return TrackThumb(t, 3); }},
        {"buttons_trackup.bmp", [&] { return TrackThumb(t, 0); }},
        {"buttons_trackvert.bmp", [&] { return TrackThumb(t, -2); }},
        {"trackbar_h.bmp", [&] { return TrackChannel(t, false); }},
        {"trackbar_v.bmp", [&] { return TrackChannel(t, true); }},
        {"spinner-ud.bmp", [&] { return Spinner(t, true); }},
        {"spinner-ud-glyph.bmp", [&] { return SpinnerGlyphs(t, true); }},
        {"spinner-lr.bmp", [&] { return Spinner(t, false); }},
        {"spinner-lr-glyph.bmp", [&] { return SpinnerGlyphs(t, false); }},
        {"but-min_ani.bmp", [&] { return CaptionAnimation(t, TGlyph::Minimise); }},
        {"but-max_ani.bmp", [&] { return CaptionAnimation(t, TGlyph::Maximise); }},
        {"but-rest_ani.bmp", [&] { return CaptionAnimation(t, TGlyph::Restore); }},
        {"but-roll_ani.bmp", [&] { return CaptionAnimation(t, TGlyph::RollUp); }},
        {"but-rolldown_ani.bmp", [&] { return CaptionAnimation(t, TGlyph::RollDown); }},
        {own + "but-close_i.bmp", [&] { return CaptionButton(t, TGlyph::Close); }},
        {own + "but-max_i.bmp", [&] { return CaptionButton(t, TGlyph::Maximise); }},
        {own + "but-rest_i.bmp", [&] { return CaptionButton(t, TGlyph::Restore); }},
        {own + "but-min_i.bmp", [&] { return CaptionButton(t, TGlyph::Minimise); }},
        {"but-roll_i.bmp", [&] { return CaptionButton(t, TGlyph::RollUp); }},
        {"but-rolldown_i.bmp", [&] { return CaptionButton(t, TGlyph::RollDown); }},
        // Double-size art where finer drawing shows most: the glyphs of the
        // caption buttons, the marks and the arrows, and the rounded faces of
        // push buttons and scroll boxes (see the skin authors' guide). The
        // rest is mostly straight lines and fills, which doubled pixels draw
        // as well; each double-size bitmap is four times the bytes to expand
        // at every load.
        {own + "but-close_i@2x.bmp", [&] { return CaptionButton(t, TGlyph::Close, 2); }},
        {own + "but-max_i@2x.bmp", [&] { return CaptionButton(t, TGlyph::Maximise, 2); }},
        {own + "but-rest_i@2x.bmp", [&] { return CaptionButton(t, TGlyph::Restore, 2); }},
        {own + "but-min_i@2x.bmp", [&] { return CaptionButton(t, TGlyph::Minimise, 2); }},
        {"checkboxold@2x.bmp", [&] { return CheckBoxes(t, 2); }},
        {"radiobutton@2x.bmp", [&] { return RadioButtons(t, 2); }},
        {"combo-arrows@2x.bmp", [&] { return ComboArrows(t, 2); }},
        {"arrows@2x.bmp", [&] { return ScrollArrows(t, 2); }},
        {"spinner-ud-glyph@2x.bmp", [&] { return SpinnerGlyphs(t, true, 2); }},
        {"spinner-lr-glyph@2x.bmp", [&] { return SpinnerGlyphs(t, false, 2); }},
        {"hscroll2@2x.bmp", [&] { return ScrollThumb(t, false, 2); }},
        {"vscroll2@2x.bmp", [&] { return ScrollThumb(t, true, 2); }},
    };
    std::vector<TSkinFile> files;
    for (const auto& [name, draw] : bitmaps) {
        files.push_back({name, skin::EncodeBmp(draw())});
    }
    // Square push buttons are drawn as well by doubled pixels.
    if (t.buttonRadius > 0) {
        files.push_back({"buttons@2x.bmp", skin::EncodeBmp(PushButtons(t, 2))});
    }
    if (t.caption.backImage) {
        files.push_back({"textback.bmp", skin::EncodeBmp(CaptionBack(t))});
    }
    if (t.pinAndDash) {
        files.push_back({"but-pin.bmp", skin::EncodeBmp(PinButton(t))});
        files.push_back({"caption-dash.bmp", skin::EncodeBmp(CaptionDash(t))});
    }
    const std::string ini = SkinIni(t);
    files.push_back({t.name + ".ini", std::vector<uint8_t>(ini.begin(), ini.end())});
    return files;
}

} // namespace skingen
