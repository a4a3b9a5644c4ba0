// Every caption our skins draw is readable on the face it is drawn on: the
// contrast ratio of its colour against that face (relative luminance as the
// web's accessibility guidelines define it) is at least 4.5:1. The faces are
// read from the packed skins' own bitmaps, so a change of art or of colour
// is checked alike. Disabled captions are meant to recede and are left out.
#include "skin/WinSkinData/SkinModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace skin;

namespace {

constexpr double MinimumContrast = 4.5;

std::vector<uint8_t> Package(const std::string& name) {
    std::ifstream in(std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

double Linear(uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

double Contrast(Colour a, Colour b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string Rgb(Colour c) {
    std::ostringstream out;
    out << int(RedOf(c)) << "," << int(GreenOf(c)) << "," << int(BlueOf(c));
    return out.str();
}

// The middle pixel of cell `cell` (1-based) of a strip of `cells` side by side.
Colour CellMiddle(const TDib& strip, int cells, int cell) {
    const int width = strip.Width() / std::max(cells, 1);
    return strip.Pixel((cell - 1) * width + width / 2, strip.Height() / 2);
}

// Checks one caption colour against one face, naming both when it fails.
class Captions {
public:
    explicit Captions(std::string skin) : skin_(std::move(skin)) {}
    void Check(const std::string& what, Colour text, Colour face) {
        const double ratio = Contrast(text, face);
        EXPECT_GE(ratio, MinimumContrast)
            << skin_ << ": " << what << " " << Rgb(text) << " on " << Rgb(face);
    }

private:
    std::string skin_;
};

TEST(CaptionContrast, EveryCaptionOfOurSkinsReadsOnItsFace) {
    for (const char* name : {"kanvio_neon", "kanvio_daylight"}) {
        TSkinModel m;
        ASSERT_TRUE(m.LoadSkin(Package(name))) << name;
        Captions captions(name);

        // Push buttons: cells 1 normal, 2 pressed, 4 hot, 5 default.
        const TDataSkinButton& buttons = m.Buttons;
        const int cells = std::max(buttons.Frame, 1);
        captions.Check("button caption", buttons.NormalColour2,
                       CellMiddle(buttons.Bitmap, cells, 1));
        captions.Check("pressed button caption", buttons.PressedColour2,
                       CellMiddle(buttons.Bitmap, cells, 2));
        captions.Check("hot button caption", buttons.MouseOverColour2,
                       CellMiddle(buttons.Bitmap, cells, 4));
        captions.Check("default button caption", m.ButtonTextColour,
                       CellMiddle(buttons.Bitmap, cells, 5));

        // Tabs: cell 1 normal, cell 2 selected.
        ASSERT_TRUE(m.Tabs) << name;
        captions.Check("tab caption", m.Tabs->NormalColour2, CellMiddle(m.Tabs->Bitmap, 5, 1));
        captions.Check("selected tab caption", m.Tabs->MouseOverColour2,
                       CellMiddle(m.Tabs->Bitmap, 5, 2));

        // Status bar panels: every bevel.
        ASSERT_TRUE(m.StatusBarEdges) << name;
        for (int bevel = 1; bevel <= 3; ++bevel) {
            captions.Check("status text on bevel " + std::to_string(bevel),
                           m.StatusBarEdges->NormalColour2,
                           CellMiddle(m.StatusBarEdges->Bitmap, 3, bevel));
        }

        // Text on the plain colour roles.
        captions.Check("control caption", m.ButtonTextColour, m.ButtonFaceColour);
        captions.Check("menu text", m.MenuTextColour, m.MenuColour);
        captions.Check("menu bar text", m.MenuBarTextColour, m.MenubarColour);
        captions.Check("highlighted text", m.HilightTextColour, m.HilightColour);

        // Menu items: the selected one on the item strip's cell 4.
        ASSERT_TRUE(m.MenuItem) << name;
        captions.Check("selected menu item", m.HilightTextColour,
                       CellMiddle(m.MenuItem->Bitmap, std::max(m.MenuItem->Frame, 1), 4));

        // Title text across the band it is drawn in: the active frame is the
        // top half of the top border, the inactive one the bottom half.
        const TDib& top = m.BorderTop.Bitmap;
        const int band = top.Height() / 2;
        for (int y = band / 2 - 6; y <= band / 2 + 6; ++y) {
            captions.Check("active title at row " + std::to_string(y), m.TitleTextActiveColour,
                           top.Pixel(top.Width() / 2, y));
            captions.Check("inactive title at row " + std::to_string(y), m.TitleTextNoActiveColour,
                           top.Pixel(top.Width() / 2, band + y));
        }
    }
}

} // namespace
