// The controls, addresses and page index of one tab, gathered so that the
// industry and the colour tab share one implementation, and the names and
// geometry the slots are made with.
#pragma once

#include "app/MainForm/MainForm.h"

struct TFormMain::TabNames {
    const char* name;         // "Trade" or "Color", as OpenPreview takes it
    const char* column;       // the catalogue column the tab filters on
    const char* headerMarker; // in the text of the tree's header nodes
    // The design's components; their events are named after them.
    const char* sheet;
    const char* tree;
    const char* left;
    const char* right;
    const char* label;
    const char* background;
};

struct TFormMain::Tab {
    const TabNames& names;
    SlotArray<tk::Shape>& shapes;
    SlotArray<tk::Image>& thumbs;
    SlotArray<tk::Image>& opens;
    SlotArray<tk::Image>& books;
    UrlArray& previewUrls;
    UrlArray& orderUrls;
    int& page;
    TabControls& controls;
};

// Button pictures in the program's Res folder.
namespace pictures {
inline constexpr char OpenNormal[] = "Res\\OpenBlack.jpg";
inline constexpr char OpenHighlighted[] = "Res\\OpenBlue.jpg";
inline constexpr char BookNormal[] = "Res\\BookBlack.jpg";
inline constexpr char BookHighlighted[] = "Res\\BookBlue.jpg";
} // namespace pictures

// Where the slots sit on their tab sheet: five to a row, each one's controls
// placed relative to the slot's corner.
namespace slotgeometry {
struct Place {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr int PerRow = 5;
inline constexpr int ColumnPitch = 120;
inline constexpr int RowPitch = 160;
inline constexpr Place Frame{248, 32, 108, 108};
inline constexpr Place Thumb{252, 36, 100, 100};
inline constexpr Place Open{249, 144, 50, 25};
inline constexpr Place Book{305, 144, 50, 25};
} // namespace slotgeometry

struct TFormMain::SlotButton {
    slotgeometry::Place place;
    const char* highlightedPicture; // the normal one comes when the slot shows
    bool orderPage;                 // the Book button; else the Open button
};
