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
// collapsed) and the leaf's row under it once expanded.
struct Category {
    Tab tab;
    int header;
    int leaf;
    int templates;
};

// Categories with the template counts the sample catalogue gives them.
inline constexpr Category NoTemplates{Tab::Color, 1, 3, 0};      // 黑色系列 / 灰色幽默
inline constexpr Category OneTemplate{Tab::Color, 1, 2, 1};      // 黑色系列 / 黑色经典
inline constexpr Category TenTemplates{Tab::Trade, 0, 5, 10};    // 仪器仪表 精密设备
inline constexpr Category ElevenTemplates{Tab::Trade, 0, 4, 11}; // 电子电工 能源电力
inline constexpr Category ManyTemplates{Tab::Trade, 0, 1, 35};   // 生产企业通用模板
inline constexpr Category ColourMany{Tab::Color, 0, 1, 35};      // 蓝天白云

class GalleryScreen : public FramedWindow {
public:
    explicit GalleryScreen(const ScreenWindow& window)
        : FramedWindow(window, ClientWidth, ClientHeight) {}

    Point TabHeader(Tab tab) const;
    Box Tree() const;
    // The expand button and the text of a tree row (from 0).
    Point TreeButton(int row) const;
    Point TreeText(int row) const;
    Box TreeRow(int row) const;
    Box Background() const;
    Box SlotFrame(int slot) const;
    Box Thumbnail(int slot) const;
    Box OpenButton(int slot) const;
    Box BookButton(int slot) const;
    Box LeftArrow() const;
    Box RightArrow() const;
    Box PageLabel() const;
    Box ExitButton() const;
    Point SystemMenuIcon() const;
    Point MinimiseButton() const;
    Point CloseButton() const;
};

// What the screen shows of the gallery.
bool TreeShowsText(const Picture& screen, const GalleryScreen& gallery);
bool SlotShown(const Picture& screen, const GalleryScreen& gallery, int slot);
int SlotsShown(const Picture& screen, const GalleryScreen& gallery);
bool ArrowShown(const Picture& screen, Box arrow);
bool LabelShowsText(const Picture& screen, const GalleryScreen& gallery);

} // namespace e2e::gallery
