// The controls, addresses and page index of one tab, gathered so that the
// industry and the colour tab share one implementation.
#pragma once

#include "app/MainForm/MainForm.h"

struct TFormMain::Tab {
    const char* name;   // "Trade" or "Color", as OpenPreview takes it
    const char* column; // the catalogue column the tab filters on
    SlotArray<tk::Shape>& shapes;
    SlotArray<tk::Image>& thumbs;
    SlotArray<tk::Image>& opens;
    SlotArray<tk::Image>& books;
    UrlArray& previewUrls;
    UrlArray& orderUrls;
    int& page;
    tk::TreeView* tree;
    tk::Image* left;
    tk::Image* right;
    tk::Label* label;
};

// Button pictures in the program's Res folder.
namespace pictures {
inline constexpr char OpenNormal[] = "Res\\OpenBlack.jpg";
inline constexpr char OpenHighlighted[] = "Res\\OpenBlue.jpg";
inline constexpr char BookNormal[] = "Res\\BookBlack.jpg";
inline constexpr char BookHighlighted[] = "Res\\BookBlue.jpg";
} // namespace pictures
