// A small skin of unusual geometry built in the test: borders of different
// widths on each side, a tall title bar, keyed corners on all four borders,
// and caption buttons whose state cells have colours of their own. Nothing
// in it matches our shipped skins, so no code can lean on their numbers.
#pragma once

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/Dib.h"
#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace frametest {

using skin::Colour;
using skin::MakeColour;

struct TOddSkin {
    // Cell thickness of each border, and how many rows/columns at each end
    // are never stretched.
    static constexpr int Left = 6;
    static constexpr int Right = 3;
    static constexpr int Title = 26;
    static constexpr int Bottom = 5;
    static constexpr int SideLength = 40; // height of the side border bitmaps
    static constexpr int EdgeLength = 40; // width of the top and bottom bitmaps
    static constexpr int SideTopEnd = Title;
    static constexpr int SideBottomEnd = 8;
    static constexpr int EdgeEnd = 10;
    // Keyed pixels: a triangle of this size in each outer corner, unless a
    // skin sets another (same borders, other corners).
    static constexpr int Corner = 4;

    static constexpr Colour LeftActive = MakeColour(200, 40, 40);
    static constexpr Colour LeftInactive = MakeColour(120, 20, 20);
    static constexpr Colour RightActive = MakeColour(40, 200, 40);
    static constexpr Colour RightInactive = MakeColour(20, 100, 20);
    static constexpr Colour TopActive = MakeColour(40, 40, 200);
    static constexpr Colour TopInactive = MakeColour(20, 20, 100);
    static constexpr Colour BottomActive = MakeColour(200, 200, 40);
    static constexpr Colour BottomInactive = MakeColour(100, 100, 20);
    static constexpr Colour Face = MakeColour(60, 60, 70);
    static constexpr Colour MenuBar = MakeColour(90, 30, 90);
    static constexpr Colour Menu = MakeColour(30, 90, 90);
    static constexpr Colour TitleText = MakeColour(255, 255, 255);

    // Caption button cells: normal, pressed, hot, inactive.
    static constexpr int ButtonWidth = 16;
    static constexpr int ButtonHeight = 14;
    static constexpr int ButtonTop = 6;
    static constexpr Colour ButtonCells[4] = {MakeColour(250, 128, 0), MakeColour(0, 128, 250),
                                              MakeColour(250, 250, 250), MakeColour(128, 128, 128)};
    static constexpr Colour RestoreNormal = MakeColour(250, 0, 128);
    // Right-aligned buttons: Xcoord counted from the window's right edge.
    static constexpr int CloseX = 23;
    static constexpr int MaximizeX = 41;
    static constexpr int MinimizeX = 59;
    // MDI child buttons: twelve cells of this size, four per button.
    static constexpr int MdiCell = 12;
    static constexpr Colour MdiButton = MakeColour(70, 70, 200);
    static constexpr int TextShift = 30;
    static constexpr int TextRightClip = 70;
    static constexpr int CustomAction = 40;

    int leftTrans = 1;
    int rightTrans = 1;
    int topTrans = 1;
    int bottomTrans = 1;
    int textAlignment = 0;
    int leftFrame = 2; // the LeftFrame key; 0 must not divide by zero
    int corner = Corner;
    // More entries for the package (double-size art, say).
    std::vector<TPackageEntry> extraEntries;

    // With `menus`, the MenuBar, MenuItem and MenuBackground elements, each
    // state in a colour of its own.
    bool menus = false;
    static constexpr Colour BarActive = MakeColour(10, 120, 60);
    static constexpr Colour BarInactive = MakeColour(5, 60, 30);
    static constexpr int BarEnd = 2; // unstretched columns at each end of the bar
    static constexpr int ItemCellWidth = 30;
    static constexpr int ItemCellHeight = 24;
    static constexpr int ItemLeft = 5; // the MenuItem element's left margin
    // MenuItem cells: normal, separator, disabled, selected, spare.
    static constexpr Colour ItemCells[5] = {MakeColour(40, 40, 160), MakeColour(0, 0, 0),
                                            MakeColour(90, 90, 90), MakeColour(220, 120, 20),
                                            MakeColour(1, 2, 3)};
    // The separator cell: key colour but for its line near the bottom.
    static constexpr Colour SeparatorLine = MakeColour(240, 240, 0);
    static constexpr int SeparatorRow = ItemCellHeight - 4;
    static constexpr Colour BackRing = MakeColour(200, 0, 200 - 1);
    static constexpr Colour BackInside = MakeColour(0, 150, 150);
    static constexpr Colour MenuTextColour = MakeColour(255, 255, 255);
    static constexpr Colour SelectedText = MakeColour(0, 0, 0);
    static constexpr Colour ShadowColour = MakeColour(130, 0, 0);
    static constexpr Colour Hilight = MakeColour(250, 250, 150);

    std::vector<uint8_t> Build() const;
};

// True where the odd skin's colour key cuts a W x H window (window
// coordinates), as the rules of its bitmaps imply.
bool OddSkinKeyed(int x, int y, int width, int height, const TOddSkin& skin);

inline std::vector<uint8_t> Bmp(const skin::TDib& dib) {
    return skin::EncodeBmp(dib);
}

inline std::vector<uint8_t> TOddSkin::Build() const {
    using skin::TDib;
    constexpr Colour Key = skin::KeyColour;
    // Left and right: two cells side by side; keyed triangles at both ends of
    // the outer edge.
    const auto side = [&](int w, Colour active, Colour inactive, bool outerLeft) {
        TDib dib(2 * w, SideLength);
        for (int cell = 0; cell < 2; ++cell) {
            for (int y = 0; y < SideLength; ++y) {
                for (int x = 0; x < w; ++x) {
                    const int outer = outerLeft ? x : w - 1 - x;
                    const int fromEnd = std::min(y, SideLength - 1 - y);
                    const bool keyed = fromEnd < corner && outer < corner - fromEnd;
                    dib.SetPixel(cell * w + x, y, keyed ? Key : cell == 0 ? active : inactive);
                }
            }
        }
        return dib;
    };
    // Top and bottom: two cells stacked; keyed triangles at both ends of the
    // outer edge.
    const auto edge = [&](int h, Colour active, Colour inactive, bool outerTop) {
        TDib dib(EdgeLength, 2 * h);
        for (int cell = 0; cell < 2; ++cell) {
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < EdgeLength; ++x) {
                    const int outer = outerTop ? y : h - 1 - y;
                    const int fromEnd = std::min(x, EdgeLength - 1 - x);
                    const bool keyed = outer < corner && fromEnd < corner - outer;
                    dib.SetPixel(x, cell * h + y, keyed ? Key : cell == 0 ? active : inactive);
                }
            }
        }
        return dib;
    };
    const auto button = [&](Colour normal) {
        TDib dib(4 * ButtonWidth, ButtonHeight);
        for (int cell = 0; cell < 4; ++cell) {
            for (int y = 0; y < ButtonHeight; ++y) {
                for (int x = 0; x < ButtonWidth; ++x) {
                    const Colour c = cell == 0 ? normal : ButtonCells[cell];
                    dib.SetPixel(cell * ButtonWidth + x, y, x == 0 && y == 0 ? Key : c);
                }
            }
        }
        return dib;
    };
    const auto rgb = [](Colour c) {
        return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
               std::to_string(skin::BlueOf(c));
    };
    std::string ini = "[TitlebarSkin]\nSkinName=Odd\n[Personality]\n";
    const auto border = [&](const std::string& n, int start, int end, int frame, int trans) {
        ini += n + "=" + n + ".bmp\n" + n + "TopHeight=" + std::to_string(start) + "\n" + n +
               "BotHeight=" + std::to_string(end) + "\n" + n + "Frame=" + std::to_string(frame) +
               "\n" + n + "Stretch=1\n" + n + "Trans=" + std::to_string(trans) + "\n";
    };
    border("Left", SideTopEnd, SideBottomEnd, leftFrame, leftTrans);
    border("Right", SideTopEnd, SideBottomEnd, 2, rightTrans);
    border("Top", EdgeEnd, EdgeEnd, 2, topTrans);
    border("Bottom", EdgeEnd, EdgeEnd, 2, bottomTrans);
    if (menus) {
        ini += "menuBar=menubar.bmp\nTileMenu=0\nTileLeftMenu=" + std::to_string(BarEnd) +
               "\nTileRightMenu=" + std::to_string(BarEnd) + "\n";
    }
    ini += "TextShift=" + std::to_string(TextShift) +
           "\nTextShiftVert=0\nTextRightClip=" + std::to_string(TextRightClip) +
           "\nTextAlignment=" + std::to_string(textAlignment) + "\n";
    ini += "ActiveTextR=255\nActiveTextG=255\nActiveTextB=255\n";
    ini += "[Colours]\nButtonFace=" + rgb(Face) + "\nMenubar=" + rgb(MenuBar) +
           "\nMenu=" + rgb(Menu) + "\nTitleTextActive=" + rgb(TitleText) +
           "\nTitleTextNoActive=160,160,160\n";
    if (menus) {
        ini += "MenuText=" + rgb(MenuTextColour) + "\nMenuBarText=" + rgb(MenuTextColour) +
               "\nHilightText=" + rgb(SelectedText) + "\nButtonShadow=" + rgb(ShadowColour) +
               "\nButtonHilight=" + rgb(Hilight) + "\n";
    }
    const auto captionButton = [&](int n, const std::string& image, int action, int align, int x,
                                   int visibility, int visibility1) {
        ini += "[Button" + std::to_string(n) + "]\n" +
               (image.empty() ? "" : "ButtonImage=" + image + "\nframe=4\n") +
               "Action=" + std::to_string(action) + "\nAlign=" + std::to_string(align) +
               "\nXcoord=" + std::to_string(x) + "\nYcoord=" + std::to_string(ButtonTop) +
               "\nVisibility=" + std::to_string(visibility) +
               "\nVisibility1=" + std::to_string(visibility1) + "\n";
    };
    captionButton(1, "button.bmp", 0, 1, CloseX, 0, 0);
    captionButton(2, "button.bmp", 1, 1, MaximizeX, 6, 2);
    captionButton(3, "restore.bmp", 1, 1, MaximizeX, 6, 1);
    captionButton(4, "button.bmp", 2, 1, MinimizeX, 8, 0);
    captionButton(5, "button.bmp", CustomAction, 3, 4, 0, 0);
    captionButton(6, "", 3, 0, 8, 0, 0);
    captionButton(7, "button.bmp", 41, 0, 100, 0, -1);
    ini += "[MDICONTROLS]\nImage=mdi.bmp\n";
    std::vector<TPackageEntry> menuEntries;
    if (menus) {
        ini += "[MenuItem]\nImage=menuitem.bmp\nLeftWidth=" + std::to_string(ItemLeft) +
               "\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n";
        ini += "[MenuBackground]\nImage=menubg.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\n"
               "BottomHeight=3\n";
        TDib bar(40, 2 * 20);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                bar.SetPixel(x, y, y < 20 ? BarActive : BarInactive);
            }
        }
        TDib item(5 * ItemCellWidth, ItemCellHeight);
        for (int cell = 0; cell < 5; ++cell) {
            for (int y = 0; y < ItemCellHeight; ++y) {
                for (int x = 0; x < ItemCellWidth; ++x) {
                    Colour c = ItemCells[cell];
                    if (cell == 1) {
                        c = y == SeparatorRow ? SeparatorLine : Key;
                    }
                    item.SetPixel(cell * ItemCellWidth + x, y, c);
                }
            }
        }
        TDib back(20, 20);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool ring = x < 3 || y < 3 || x >= 17 || y >= 17;
                back.SetPixel(x, y, ring ? BackRing : BackInside);
            }
        }
        menuEntries = {
            {"menubar.bmp", Bmp(bar)}, {"menuitem.bmp", Bmp(item)}, {"menubg.bmp", Bmp(back)}};
    }
    TDib mdi(12 * MdiCell, MdiCell);
    mdi.Fill(MdiButton);
    std::vector<TPackageEntry> entries{
        {"mdi.bmp", Bmp(mdi)},
        {"left.bmp", Bmp(side(Left, LeftActive, LeftInactive, true))},
        {"right.bmp", Bmp(side(Right, RightActive, RightInactive, false))},
        {"top.bmp", Bmp(edge(Title, TopActive, TopInactive, true))},
        {"bottom.bmp", Bmp(edge(Bottom, BottomActive, BottomInactive, false))},
        {"button.bmp", Bmp(button(ButtonCells[0]))},
        {"restore.bmp", Bmp(button(RestoreNormal))},
        {"odd.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
    };
    entries.insert(entries.end(), menuEntries.begin(), menuEntries.end());
    entries.insert(entries.end(), extraEntries.begin(), extraEntries.end());
    return BuildPackage(entries);
}

inline bool OddSkinKeyed(int x, int y, int width, int height, const TOddSkin& s) {
    const int c = s.corner;
    const auto triangle = [&](int alongFromEnd, int outer) {
        return alongFromEnd < c && outer < c - alongFromEnd;
    };
    // Left border (x < Left): outer column is x; ends are the top and bottom rows.
    if (x < TOddSkin::Left) {
        return s.leftTrans == 1 && triangle(std::min(y, height - 1 - y), x);
    }
    if (x >= width - TOddSkin::Right) {
        return s.rightTrans == 1 && triangle(std::min(y, height - 1 - y), width - 1 - x);
    }
    const int along = std::min(x - TOddSkin::Left, width - TOddSkin::Right - 1 - x);
    if (y < TOddSkin::Title) {
        return s.topTrans == 1 && triangle(along, y);
    }
    if (y >= height - TOddSkin::Bottom) {
        return s.bottomTrans == 1 && triangle(along, height - 1 - y);
    }
    return false;
}

} // namespace frametest
