// A skin built in the test for the button skinners: every cell of the button
// strip and of the check and radio strips is one solid colour of its own, so
// a pixel read back from the screen tells which cell a control shows. The
// caption colours and the face differ from all of them.
#pragma once

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/Dib.h"
#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace controlstest {

using skin::Colour;
using skin::MakeColour;

struct TButtonSkin {
    // The button strip: five cells, each a one-pixel dark edge around a fill.
    static constexpr int CellWidth = 20;
    static constexpr int CellHeight = 12;
    static constexpr int Margin = 3;
    static constexpr Colour Edge = MakeColour(10, 10, 10);
    static constexpr Colour Cells[5] = {
        MakeColour(200, 40, 40),  // 1 normal
        MakeColour(40, 200, 40),  // 2 pressed
        MakeColour(40, 40, 200),  // 3 disabled
        MakeColour(200, 200, 40), // 4 hot or focused
        MakeColour(40, 200, 200), // 5 default
    };
    static constexpr Colour Face = MakeColour(90, 60, 120);
    static constexpr Colour NormalText = MakeColour(255, 255, 255);
    static constexpr Colour HotText = MakeColour(0, 0, 0);
    static constexpr Colour PressedText = MakeColour(255, 128, 0);
    // Check and radio strips: square cells, a keyed pixel in each corner.
    static constexpr int BoxSize = 13;
    static Colour BoxCell(int index) { return MakeColour(uint8_t(20 * index), 100, 180); }

    int checkCells = 4;
    int radioCells = 4;
    bool withButtons = true;
    bool captionColours = true;

    std::vector<uint8_t> Build() const;
};

inline std::vector<uint8_t> TButtonSkin::Build() const {
    using skin::TDib;
    TDib buttons(5 * CellWidth, CellHeight);
    for (int cell = 0; cell < 5; ++cell) {
        for (int y = 0; y < CellHeight; ++y) {
            for (int x = 0; x < CellWidth; ++x) {
                const bool edge = x == 0 || y == 0 || x == CellWidth - 1 || y == CellHeight - 1;
                buttons.SetPixel(cell * CellWidth + x, y, edge ? Edge : Cells[cell]);
            }
        }
    }
    const auto strip = [](int cells) {
        TDib dib(cells * BoxSize, BoxSize);
        for (int cell = 0; cell < cells; ++cell) {
            for (int y = 0; y < BoxSize; ++y) {
                for (int x = 0; x < BoxSize; ++x) {
                    const bool corner =
                        (x == 0 || x == BoxSize - 1) && (y == 0 || y == BoxSize - 1);
                    dib.SetPixel(cell * BoxSize + x, y,
                                 corner ? skin::KeyColour : BoxCell(cell + 1));
                }
            }
        }
        return dib;
    };
    const auto rgb = [](Colour c) {
        return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
               std::to_string(skin::BlueOf(c)) + ",";
    };
    std::string ini = "[TitlebarSkin]\nSkinName=ButtonTest\n[Colours]\nButtonFace=" + rgb(Face) +
                      "\nButtonText=" + rgb(NormalText) + "\n[Buttons]\n";
    if (withButtons) {
        ini += "Bitmap=buttons.bmp\n";
    }
    ini += "LeftWidth=" + std::to_string(Margin) + "\nRightWidth=" + std::to_string(Margin) +
           "\nTopHeight=" + std::to_string(Margin) + "\nBottomHeight=" + std::to_string(Margin) +
           "\nTrans=0\nTile=0\n";
    ini += "CheckButton=check.bmp\nRadioButton=radio.bmp\n";
    ini += "CheckButtonFrame=" + std::to_string(checkCells) +
           "\nRadioButtonFrame=" + std::to_string(radioCells) + "\n";
    if (captionColours) {
        ini += "NormalColour2=" + rgb(NormalText) + "\nMouseOverColour2=" + rgb(HotText) +
               "\nPressedColour2=" + rgb(PressedText) + "\n";
    }
    std::vector<TPackageEntry> entries{
        {"buttons.bmp", skin::EncodeBmp(buttons)},
        {"check.bmp", skin::EncodeBmp(strip(checkCells))},
        {"radio.bmp", skin::EncodeBmp(strip(radioCells))},
        {"buttontest.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
    };
    return BuildPackage(entries);
}

} // namespace controlstest
