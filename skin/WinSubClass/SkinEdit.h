// TSkinEdit: edit boxes keep painting their text; after each of their
// paints (and each repaint of their edge alone) the skinner draws a thin
// border over the system's: the skin's shadow colour outside, white one pixel
// inside (none when the edit has no border). A spin button inside the edit
// (an up-down window among its children) gets an up-down skinner drawn inside
// a border of its own. Printing the edit (WM_PRINT) draws the border on the
// printing context.
//
// Error policy: the base's.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
    TK_CLASS(TSkinEdit)

public:
    explicit TSkinEdit(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // The skinner of the spin button found inside the edit, or none.
    TSkinUpDown* FUpDown = nullptr;

protected:
    void Notification(tk::Component& component, tk::Operation operation) override;

private:
    // Looks for a spin button among the edit's child windows and skins it.
    void FindSpinButton();
    bool OnBeforePrint(HDC dc);
    void OnPaint(HDC given);
    void OnPrint(HDC dc);
    void PrintBorder(HDC dc);

    // The printing context's state saved before the edit printed itself.
    int printState_ = 0;
};

} // namespace skin
