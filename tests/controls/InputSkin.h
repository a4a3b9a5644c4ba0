// A skin built in the test for the container and input skinners: every cell
// of the combo box frame, button and arrow, of the status bar edges and the
// size grip is one solid colour of its own, so a pixel read back from the
// screen tells which cell a control shows. Each combo button cell has a left
// and a right half of different colours, so the mirrored button on the left
// can be told from the one on the right. Face, shadow and status text
// colours differ from all of them and from the system's.
#pragma once

#include "skin/ImgUtil/BmpCodec.h"
#include "skin/ImgUtil/Dib.h"
#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace controlstest {

struct TInputSkin {
    static constexpr skin::Colour Face = skin::MakeColour(70, 90, 110);
    static constexpr skin::Colour Shadow = skin::MakeColour(255, 140, 0);
    static constexpr skin::Colour StatusText = skin::MakeColour(255, 255, 0);
    // The combo box frame (SunkEdge), one colour per state cell.
    static constexpr skin::Colour Sunk[4] = {
        skin::MakeColour(150, 30, 30), skin::MakeColour(30, 150, 30), skin::MakeColour(30, 30, 150),
        skin::MakeColour(150, 150, 30)};
    // The combo button (ComboButton): each cell's left and right halves.
    static constexpr skin::Colour ButtonLeft[4] = {
        skin::MakeColour(220, 60, 60), skin::MakeColour(60, 220, 60), skin::MakeColour(60, 60, 220),
        skin::MakeColour(220, 220, 60)};
    static constexpr skin::Colour ButtonRight[4] = {
        skin::MakeColour(120, 0, 60), skin::MakeColour(0, 120, 60), skin::MakeColour(0, 60, 120),
        skin::MakeColour(120, 120, 0)};
    // ExtraImages: the combo arrow by state (1 to 4), the size grip (5).
    static constexpr skin::Colour Extra[5] = {
        skin::MakeColour(0, 200, 200), skin::MakeColour(200, 0, 120), skin::MakeColour(200, 100, 0),
        skin::MakeColour(100, 0, 200), skin::MakeColour(0, 100, 50)};
    // StatusBarEdges: lowered, raised, no bevel.
    static constexpr skin::Colour Edges[3] = {skin::MakeColour(40, 160, 200),
                                              skin::MakeColour(200, 40, 160),
                                              skin::MakeColour(160, 200, 40)};

    static constexpr int ButtonCellWidth = 16;
    static constexpr int ButtonCellHeight = 20;
    static constexpr int ExtraCellWidth = 8;
    static constexpr int ExtraCellHeight = 6;
    static constexpr int EdgeCell = 10;
    static constexpr int EdgeMargin = 1;

    bool statusEdges = true;
    bool sunkEdge = true;
    int comboStyle = 0;

    std::vector<uint8_t> Build() const;
};

inline std::vector<uint8_t> TInputSkin::Build() const {
    using skin::TDib;
    const auto solid = [](const skin::Colour* colours, int cells, int width, int height) {
        TDib dib(cells * width, height);
        for (int cell = 0; cell < cells; ++cell) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    dib.SetPixel(cell * width + x, y, colours[cell]);
                }
            }
        }
        return dib;
    };
    TDib button(4 * ButtonCellWidth, ButtonCellHeight);
    for (int cell = 0; cell < 4; ++cell) {
        for (int y = 0; y < ButtonCellHeight; ++y) {
            for (int x = 0; x < ButtonCellWidth; ++x) {
                button.SetPixel(cell * ButtonCellWidth + x, y,
                                x < ButtonCellWidth / 2 ? ButtonLeft[cell] : ButtonRight[cell]);
            }
        }
    }
    // The arrows and the grip have keyed corners.
    TDib extra = solid(Extra, 5, ExtraCellWidth, ExtraCellHeight);
    for (int cell = 0; cell < 5; ++cell) {
        const int left = cell * ExtraCellWidth;
        extra.SetPixel(left, 0, skin::KeyColour);
        extra.SetPixel(left + ExtraCellWidth - 1, 0, skin::KeyColour);
    }
    const auto rgb = [](skin::Colour c) {
        return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
               std::to_string(skin::BlueOf(c)) + ",";
    };
    std::string ini = "[TitlebarSkin]\nSkinName=InputTest\n[Colours]\nButtonFace=" + rgb(Face) +
                      "\nButtonShadow=" + rgb(Shadow) + "\n";
    ini += "[ComboButton]\nImage=combo.bmp\nStyle=" + std::to_string(comboStyle) + "\n";
    if (sunkEdge) {
        ini += "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\n"
               "BottomHeight=3\n";
    }
    ini += "[ExtraImages]\nImage=extra.bmp\nTrans=1\n";
    if (statusEdges) {
        const std::string margin = std::to_string(EdgeMargin);
        ini += "[StatusBarEdges]\nImage=edges.bmp\nLeftWidth=" + margin + "\nTopHeight=" + margin +
               "\nRightWidth=" + margin + "\nBottomHeight=" + margin +
               "\nNormalColour2=" + rgb(StatusText) + "\n";
    }
    std::vector<TPackageEntry> entries{
        {"combo.bmp", skin::EncodeBmp(button)},
        {"sunk.bmp", skin::EncodeBmp(solid(Sunk, 4, EdgeCell, EdgeCell))},
        {"extra.bmp", skin::EncodeBmp(extra)},
        {"edges.bmp", skin::EncodeBmp(solid(Edges, 3, EdgeCell, EdgeCell))},
        {"inputtest.ini", std::vector<uint8_t>(ini.begin(), ini.end())},
    };
    return BuildPackage(entries);
}

} // namespace controlstest
