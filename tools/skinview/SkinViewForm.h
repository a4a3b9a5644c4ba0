// The showcase window: a menu bar, a context menu (a right click on the
// window) and one control of every kind the skin engine paints, read from
// the design "TSkinViewForm", with the skin component SkinData1 that carries
// the built-in default skin.
#pragma once

#include "toolkit/Form.h"

#include <filesystem>
#include <stdexcept>

namespace skin {
class TSkinData;
}

namespace skinview {

// A skin package skinview cannot load, with the reason.
class TViewError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSkinViewForm : public tk::Form {
    TK_CLASS(TSkinViewForm)

public:
    explicit TSkinViewForm(tk::Component* owner);

    skin::TSkinData& SkinData() const;

    // Switches the skin component to the package in `file` (through its
    // SkinFile). Throws TViewError when the file cannot be read or the
    // package is refused; the message says why.
    void LoadSkinFile(const std::filesystem::path& file);

    // The skin's name in the caption and the status bar.
    void ShowSkinName();

protected:
    void WndProc(tk::Message& message) override;

private:
    void FormShow();
    // The context menu at a screen point of the client area, or (from the
    // keyboard) at the client area's top-left corner; false for a point
    // elsewhere.
    bool ShowContextMenu(LPARAM screenPoint);
    template <class T> T& Designed(const char* name) const;
};

} // namespace skinview
