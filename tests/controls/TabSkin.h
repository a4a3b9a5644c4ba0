// A skin built in the test for the tab skinners: every cell of the Tabs strip
// is one solid colour of its own with a band of the tip colour along its top
// (the tab's outer end), so a pixel read back from the screen tells which
// cell a tab shows and which way the image was turned. The page border's
// rows on the tab side differ from its other rows, and every cell of the
// horizontal up-down strip has a colour of its own.
#pragma once

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/Dib.h"
#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace controlstest {

struct TTabSkin {
    static constexpr int CellWidth = 20;
    static constexpr int CellHeight = 14;
    static constexpr int Margin = 4;
    // Rows of the tip band, inside the top margin.
    static constexpr int TipRows = 2;
    static constexpr skin::Colour Cells[5] = {
        skin::MakeColour(200, 40, 40),  // 1 normal
        skin::MakeColour(40, 200, 40),  // 2 selected
        skin::MakeColour(40, 40, 200),  // 3
        skin::MakeColour(200, 200, 40), // 4
        skin::MakeColour(40, 200, 200), // 5
    };
    static constexpr skin::Colour Tip = skin::MakeColour(255, 128, 0);
    static constexpr skin::Colour Face = skin::MakeColour(90, 60, 120);
    static constexpr skin::Colour NormalText = skin::MakeColour(255, 255, 255);
    static constexpr skin::Colour SelectedText = skin::MakeColour(0, 0, 0);
    // The page border: its top rows (the tab side) and the rest.
    static constexpr int BorderSize = 20;
    static constexpr int BorderNearRows = 5;
    static constexpr skin::Colour BorderNear = skin::MakeColour(10, 120, 10);
    static constexpr skin::Colour BorderFar = skin::MakeColour(120, 10, 120);
    // The horizontal up-down strip: eight cells.
    static constexpr int ArrowCellWidth = 8;
    static constexpr int ArrowCellHeight = 8;
    static skin::Colour ArrowCell(int index) {
        return skin::MakeColour(uint8_t(25 * index), 160, 60);
    }

    bool withTabs = true;
    bool withBorder = true;

    std::vector<uint8_t> Build() const;
};

inline std::vector<uint8_t> TTabSkin::Build() const {
    using skin::TDib;
    TDib tabs(5 * CellWidth, CellHeight);
    for (int cell = 0; cell < 5; ++cell) {
        for (int y = 0; y < CellHeight; ++y) {
            for (int x = 0; x < CellWidth; ++x) {
                tabs.SetPixel(cell * CellWidth + x, y, y < TipRows ? Tip : Cells[cell]);
            }
        }
    }
    TDib border(BorderSize, BorderSize);
    for (int y = 0; y < BorderSize; ++y) {
        for (int x = 0; x < BorderSize; ++x) {
            border.SetPixel(x, y, y < BorderNearRows ? BorderNear : BorderFar);
        }
    }
    TDib arrows(8 * ArrowCellWidth, ArrowCellHeight);
    for (int x = 0; x < arrows.Width(); ++x) {
        for (int y = 0; y < ArrowCellHeight; ++y) {
            arrows.SetPixel(x, y, ArrowCell(x / ArrowCellWidth + 1));
        }
    }
    const auto rgb = [](skin::Colour c) {
        return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
               std::to_string(skin::BlueOf(c)) + ",";
    };
    const std::string margin = std::to_string(Margin);
    std::string ini = "[TitlebarSkin]\nSkinName=TabTest\n[Colours]\nButtonFace=" + rgb(Face) + "\n";
    if (withTabs) {
        ini += "[Tabs]\nImage=tabs.bmp\nLeftWidth=" + margin + "\nTopHeight=" + margin +
               "\nRightWidth=" + margin + "\nBottomHeight=" + margin + "\nTrans=0\nTile=0\n" +
               "NormalColour2=" + rgb(NormalText) + "\nMouseOverColour2=" + rgb(SelectedText) +
               "\n";
        if (withBorder) {
            ini += "Border=border.bmp\n";
        }
    }
    ini += "[UpDown.Horz]\nImage=arrows.bmp\n";
    std::vector<TPackageEntry> entries{
        {"tabs.bmp", skin::EncodeBmp(tabs)},
        {"border.bmp", skin::EncodeBmp(border)},
        {"arrows.bmp", skin::EncodeBmp(arrows)},
        {"tabtest.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
    };
    return BuildPackage(entries);
}

} // namespace controlstest
