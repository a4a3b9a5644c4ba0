// The showcase window: a menu bar and one control of every kind the skin
// engine paints, read from the design "TSkinViewForm", with the skin
// component SkinData1 that carries the built-in default skin.
#pragma once

#include "Form.h"

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

private:
    void FormShow();
    template <class T> T& Designed(const char* name) const;
};

} // namespace skinview
