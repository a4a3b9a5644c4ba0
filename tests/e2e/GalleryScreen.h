// The gallery's main window as the journeys see it: the places of its tabs,
// trees, slots, arrows and buttons on the screen, named for what they show,
// and what its pixels there say.
#pragma once

#include "tests/e2e/FramedWindow.h"
#include "tests/e2e/Journey.h"

#include <string>

namespace e2e::gallery {

inline constexpr char Title[] = "霓虹Kanvio企业模板建站工具箱";
inline constexpr char Program[] = "dist/Kanvio.exe";
// The window's client area in its design.
inline constexpr int ClientWidth = 921;
inline constexpr int ClientHeight = 585;
inline constexpr int SlotCount = 10;

enum class Tab { Trade, Color };

// The tree rows of a category: the header's row (from 0, all headers
// collapsed) and the leaf's row under it once that header alone is expanded.
struct Category {
    Tab tab;
    int header;
    int leaf;
    int templates;
    const char* name;
};

// Categories with the template counts the sample catalogue gives them.
inline constexpr Category TradeNone{Tab::Trade, 1, 2, 0, "灯具照明 LED显示"};
inline constexpr Category TradeOne{Tab::Trade, 0, 6, 1, "数码产品 家用电器"};
inline constexpr Category TenTemplates{Tab::Trade, 0, 5, 10, "仪器仪表 精密设备"};
inline constexpr Category ElevenTemplates{Tab::Trade, 0, 4, 11, "电子电工 能源电力"};
inline constexpr Category ManyTemplates{Tab::Trade, 0, 1, 35, "生产企业通用模板"};
inline constexpr Category NoTemplates{Tab::Color, 1, 3, 0, "灰色幽默"};
inline constexpr Category OneTemplate{Tab::Color, 1, 2, 1, "黑色经典"};
inline constexpr Category ColourTen{Tab::Color, 0, 5, 10, "魔幻蓝光"};
inline constexpr Category ColourEleven{Tab::Color, 0, 4, 11, "清蓝草原"};
inline constexpr Category ColourMany{Tab::Color, 0, 1, 35, "蓝天白云"};
inline constexpr Category ColourNext{Tab::Color, 0, 2, 21, "蔚蓝大海"};

class GalleryScreen : public FramedWindow {
public:
    explicit GalleryScreen(const ScreenWindow& window)
        : FramedWindow(window, ClientWidth, ClientHeight) {}

    Point TabHeader(Tab tab) const;
    Box Tree() const;
    // The expand button of a tree row (from 0), and a point on the label of
    // the row's node at `level` (0 for headers, 1 for leaves).
    Point TreeButton(int row) const;
    Point TreeText(int row, int level = 0) const;
    Box TreeRow(int row) const;
    Box Background() const;
    Box SlotFrame(int slot) const;
    Box Thumbnail(int slot) const;
    Box OpenButton(int slot) const;
    Box BookButton(int slot) const;
    // Where the pointer crosses a slot without touching its buttons: its
    // frame outside the thumbnail, and the gap between Open and Book (which
    // lies over the tab's background).
    Point FrameEdge(int slot) const;
    Point OpenBookGap(int slot) const;
    // Over the tab's background rectangle, clear of every slot, arrow and
    // the label.
    Point BackgroundSpot() const;
    Box LeftArrow() const;
    Box RightArrow() const;
    Box PageLabel() const;
    Box ExitButton() const;
    // A tab of the tab row as the skin draws it.
    Box TabBox(Tab tab) const;
    Point SystemMenuIcon() const;
    Point MinimiseButton() const;
    Point CloseButton() const;
};

// The colours of the focus cues the skin draws: the selected tab's caption
// colour, and the Exit button's caption colour while the pointer is away.
inline constexpr Rgb TabCueColour = MakeRgb(0, 229, 255);
inline constexpr Rgb ExitCueColour = MakeRgb(222, 236, 246);

// What the screen shows of the gallery.
bool TreeShowsText(const Picture& screen, const GalleryScreen& gallery);
bool SlotShown(const Picture& screen, const GalleryScreen& gallery, int slot);
int SlotsShown(const Picture& screen, const GalleryScreen& gallery);
bool ArrowShown(const Picture& screen, Box arrow);
bool LabelShowsText(const Picture& screen, const GalleryScreen& gallery);
// The first `slots` slots shown and the rest hidden, the arrows as given and
// the label written.
bool PageShows(const Picture& screen, const GalleryScreen& gallery, int slots, bool leftArrow,
               bool rightArrow);

// A title bar of our skin, Kanvio Neon, on the screen: where its caption's
// text shows (the first and last column of the title text colour between
// `from` and `to`), and its close button's left edge.
struct Columns {
    int first = -1;
    int last = -1;
    int Width() const { return last - first; }
};
Columns TitleTextColumns(const Picture& screen, Box titleBar, int from, int to);
// Columns of the decoration after the caption (its pink dot).
Columns DecorationColumns(const Picture& screen, Box titleBar);
int CloseButtonLeft(Box window);
// The title bar's height, and where the caption's text may start (past the
// window icon) from the window's left edge.
inline constexpr int TitleHeight = 30;
inline constexpr int CaptionStart = 32;
// The row is the tree's selected one while the tree has the focus: filled
// with the system's selection colour (greyed once the focus left the tree).
bool TreeRowFocused(const Picture& screen, const GalleryScreen& gallery, int row);

} // namespace e2e::gallery
