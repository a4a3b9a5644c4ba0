// The gallery's main window under Wine for the tests: a real window from its
// design over the sample catalogue and pictures of the build, its launcher
// and message box replaced by observers, and what the user sees read back
// from the screen.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/GraphicControls.h"
#include "tests/guitest/GuiTest.h"
#include "app/MainForm/MainForm.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace gallerytest {

// The built sample data: NoteData.MDB, Images\ and Res\.
inline const std::filesystem::path SampleData = KANVIO_GALLERY_DATA;

// The fill of the background rectangle behind the slots.
constexpr COLORREF BackgroundFill = RGB(255, 255, 255);

template <class T> using Slots = TFormMain::SlotArray<T> TFormMain::*;
using Urls = TFormMain::UrlArray TFormMain::*;

// One tab: its controls by name, its slot arrays, addresses and page index,
// the other tab, and categories of the sample catalogue by their number of
// templates.
struct TabCase {
    const char* name;
    const char* sheet;
    const char* tree;
    const char* background;
    const char* left;
    const char* right;
    const char* label;
    int other; // index of the other tab in Tabs
    Slots<tk::Shape> shapes;
    Slots<tk::Image> thumbs;
    Slots<tk::Image> opens;
    Slots<tk::Image> books;
    Urls previewUrls;
    Urls orderUrls;
    int TFormMain::*page;
    const char* header;
    const char* noTemplates;
    const char* tenTemplates; // and two rows whose TitleIndex is 0 or negative
    const char* elevenTemplates;
    const char* twentyTemplates;
    const char* twentyOneTemplates;
};

extern const std::array<TabCase, 2> Tabs;

// Test listings name the tab rather than dump its bytes.
void PrintTo(const TabCase& tab, std::ostream* out);

constexpr int SlotCount = 10;

class Gallery : public ::testing::Test {
protected:
    // Opens and shows the main window over the program folder `folder`.
    void Open(const std::filesystem::path& folder = SampleData);

    template <class T> T& Get(const char* name) {
        T* component = dynamic_cast<T*>(form_->FindComponent(name));
        if (!component) {
            throw std::runtime_error(std::string("the window has no ") + name);
        }
        return *component;
    }
    void ShowTab(const char* sheet);
    void Select(const char* tree, const std::string& text);
    // Pointer moves and clicks at a point of a window-less control.
    void MoveOver(const tk::Control& control, int dx = 5, int dy = 5);
    void ClickOn(const tk::Control& control, int dx = 5, int dy = 5);

    tk::Application app_;
    // The program's own message boxes are shown instead of recorded.
    bool realMessageBoxes_ = false;
    TFormMain* form_ = nullptr;
    std::vector<std::string> messages_;
    std::vector<std::string> launched_;
};

// The screen rectangle a control covers.
RECT ScreenRect(const tk::Control& control);

// Whether anything other than the background's fill is on screen where the
// control lies: a hidden control over the background leaves none.
bool Seen(const tk::Control& control);

// Whether the control shows the picture file (a name in the program folder)
// on screen, drawn from its top-left corner and clipped to the control.
::testing::AssertionResult ShowsPicture(const tk::Control& control, const std::string& file);

} // namespace gallerytest
