// A test skin for the range controls, built in the test: every cell of every
// scroll bar, track bar, up-down, progress and header strip is one solid
// colour of its own, so a pixel read back from the screen names the element
// and the cell that painted it. Parts can be left out to reach the
// skinners' fallbacks.
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
using skin::TDib;

// The strips of the skin, each with its own colour family.
enum class TStrip : int {
    Arrows = 0,
    HorzTrack,
    VertTrack,
    HorzThumb,
    VertThumb,
    TrackThumbHorz,
    TrackThumbVert,
    UpDownVert,
    UpDownHorz,
    Progress,
    Header,
    UpDownGlyph,
    Count
};

// Cell `cell` (from 1) of a strip: no two cells of the skin share a colour,
// and none is the colour key or one of the skin's plain colours.
constexpr Colour CellColour(TStrip strip, int cell) {
    return MakeColour(uint8_t(10 + 9 * cell), uint8_t(20 * int(strip)), 77);
}

// The cell of a strip a screen pixel (0xRRGGBB) shows, or 0.
inline int CellOf(TStrip strip, uint32_t rgb) {
    for (int cell = 1; cell <= 23; ++cell) {
        const Colour c = CellColour(strip, cell);
        if (rgb == base::ColourPixel(c)) {
            return cell;
        }
    }
    return 0;
}

struct TRangeSkin {
    static constexpr Colour Face = MakeColour(40, 44, 52);
    static constexpr Colour Well = MakeColour(10, 90, 10); // the Scrollbar colour
    static constexpr Colour Shadow = MakeColour(200, 100, 0);
    static constexpr Colour DkShadow = MakeColour(100, 0, 200);
    static constexpr Colour Text = MakeColour(250, 250, 250);
    static constexpr Colour Chunk = MakeColour(0, 200, 220);

    static constexpr int ArrowCells = 23;
    static constexpr int Cell = 16;      // scroll bar cells are 16 pixels thick
    static constexpr int TrackCell = 32; // and track cells 32 long
    static constexpr int ThumbCell = 30;
    static constexpr int ThumbCells = 3;
    static constexpr int TrackThumbCells = 5;
    static constexpr int UpDownCells = 8;
    static constexpr int GlyphWidth = 8;
    static constexpr int GlyphHeight = 6;
    static constexpr int ChunkWidth = 6;
    static constexpr int ChunkGap = 1; // keyed columns at the right of each chunk
    static constexpr int ChunkHeight = 8;

    bool withScrollbar = true;
    bool withTrackThumbs = true;
    bool withVertTrackThumb = true;
    bool withUpDown = true;
    bool withProgress = true;
    bool withChunk = true;
    // The progress element's own Style (1: chunks).
    int progressStyle = 0;
    bool withHeader = true;

    std::vector<uint8_t> Build() const;
};

// `count` solid cells of w x h side by side, coloured by strip.
inline TDib SolidCells(TStrip strip, int count, int w, int h) {
    TDib dib(count * w, h);
    for (int cell = 1; cell <= count; ++cell) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                dib.SetPixel((cell - 1) * w + x, y, CellColour(strip, cell));
            }
        }
    }
    return dib;
}

inline std::vector<uint8_t> TRangeSkin::Build() const {
    const auto rgb = [](Colour c) {
        return std::to_string(skin::RedOf(c)) + "," + std::to_string(skin::GreenOf(c)) + "," +
               std::to_string(skin::BlueOf(c));
    };
    const auto bmp = [](const TDib& dib) { return skin::EncodeBmp(dib); };
    std::string ini = "[TitlebarSkin]\nSkinName=Range\n[Colours]\nButtonFace=" + rgb(Face) +
                      "\nScrollbar=" + rgb(Well) + "\nButtonShadow=" + rgb(Shadow) +
                      "\nButtonDkShadow=" + rgb(DkShadow) + "\nButtonText=" + rgb(Text) + "\n";
    std::vector<TPackageEntry> entries;
    if (withScrollbar) {
        ini += "[Scrollbar]\nImage=arrows.bmp\nTrans=1\n"
               "[HorzScroll]\nImage=hscroll.bmp\nLeftWidth=2\nRightWidth=2\n"
               "[VertScroll]\nImage=vscroll.bmp\nTopHeight=2\nBottomHeight=2\n"
               "[HorzScrollThumb]\nImage=hthumb.bmp\nLeftWidth=4\nRightWidth=4\nFrameCount=3\n"
               "[VertScrollThumb]\nImage=vthumb.bmp\nTopHeight=4\nBottomHeight=4\n"
               "FrameCount=3\n";
        entries.push_back({"arrows.bmp", bmp(SolidCells(TStrip::Arrows, ArrowCells, Cell, Cell))});
        entries.push_back({"hscroll.bmp", bmp(SolidCells(TStrip::HorzTrack, 4, TrackCell, Cell))});
        entries.push_back({"vscroll.bmp", bmp(SolidCells(TStrip::VertTrack, 4, Cell, TrackCell))});
        entries.push_back(
            {"hthumb.bmp", bmp(SolidCells(TStrip::HorzThumb, ThumbCells, ThumbCell, Cell))});
        entries.push_back(
            {"vthumb.bmp", bmp(SolidCells(TStrip::VertThumb, ThumbCells, Cell, ThumbCell))});
    }
    if (withTrackThumbs) {
        ini += "[Trackbar.ThumbHorz]\nImage=trackh.bmp\nTrans=1\n";
        entries.push_back(
            {"trackh.bmp", bmp(SolidCells(TStrip::TrackThumbHorz, TrackThumbCells, 11, 20))});
        if (withVertTrackThumb) {
            ini += "[Trackbar.ThumbVert]\nImage=trackv.bmp\nTrans=1\n";
            entries.push_back(
                {"trackv.bmp", bmp(SolidCells(TStrip::TrackThumbVert, TrackThumbCells, 20, 11))});
        }
    }
    if (withUpDown) {
        TDib glyphs(UpDownCells * GlyphWidth, GlyphHeight);
        glyphs.Fill(skin::KeyColour);
        for (int cell = 1; cell <= UpDownCells; ++cell) {
            for (int y = 2; y < 4; ++y) {
                for (int x = 2; x < 6; ++x) {
                    glyphs.SetPixel((cell - 1) * GlyphWidth + x, y,
                                    CellColour(TStrip::UpDownGlyph, cell));
                }
            }
        }
        ini += "[UpDown.Vert]\nImage=udv.bmp\nGlyphImage=glyphs.bmp\nTrans=1\n"
               "[UpDown.Horz]\nImage=udh.bmp\nGlyphImage=glyphs.bmp\nTrans=1\n";
        entries.push_back({"udv.bmp", bmp(SolidCells(TStrip::UpDownVert, UpDownCells, 16, 12))});
        entries.push_back({"udh.bmp", bmp(SolidCells(TStrip::UpDownHorz, UpDownCells, 12, 16))});
        entries.push_back({"glyphs.bmp", bmp(glyphs)});
    }
    if (withProgress) {
        ini += "[Progress]\nBitmap=progress.bmp\nLeftWidth=3\nRightWidth=3\nTrans=1\n";
        ini += "Style=" + std::to_string(progressStyle) + "\n";
        entries.push_back({"progress.bmp", bmp(SolidCells(TStrip::Progress, 2, 20, 10))});
        if (withChunk) {
            ini += "Chunk=chunk.bmp\n";
            TDib chunk(ChunkWidth + ChunkGap, ChunkHeight);
            chunk.Fill(Chunk);
            for (int y = 0; y < ChunkHeight; ++y) {
                chunk.SetPixel(ChunkWidth, y, skin::KeyColour);
            }
            entries.push_back({"chunk.bmp", bmp(chunk)});
        }
    }
    if (withHeader) {
        ini += "[Headerbar]\nImage=header.bmp\nLeftWidth=2\nRightWidth=2\n";
        entries.push_back({"header.bmp", bmp(SolidCells(TStrip::Header, 5, 20, 16))});
    }
    entries.push_back({"range.ini", std::vector<uint8_t>(ini.begin(), ini.end())});
    return BuildPackage(entries);
}

} // namespace controlstest
