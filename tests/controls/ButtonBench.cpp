// Button benchmarks under Wine, with the default skin: one paint of a
// 75 x 25 push button (the whole button composed off screen and copied), of
// the same size as a bitmap button with a glyph, of a check box's box, and a
// push button repainted through its window.
#include "toolkit/Application.h"
#include "tests/controls/BenchSupport.h"
#include "toolkit/Form.h"
#include "skin/WinSubClass/SkinBitButton.h"
#include "skin/WinSubClass/SkinCheckBox.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/StdCtrls.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <windows.h>

#include <cstdio>

using namespace skin;
using namespace controlsbench;

int main() {
    tk::Application app;
    TSkinData* data = DefaultSkinOn(app, "button_bench");
    if (!data) {
        return 1;
    }
    data->SetSkin3rd({"TCheckBox=checkbox"});
    auto* form = new tk::Form(&app);
    form->SetBounds(40, 40, 400, 300);
    auto* push = new tk::Button(form);
    push->SetBounds(20, 20, 75, 25);
    push->SetCaption("确定");
    push->SetParent(form);
    auto* bitmap = new tk::BitBtn(form);
    bitmap->SetBounds(20, 60, 75, 25);
    bitmap->SetCaption("Open");
    bitmap->Glyph().SetSize(64, 16);
    bitmap->SetNumGlyphs(4);
    bitmap->SetParent(form);
    auto* check = new tk::CheckBox(form);
    check->SetBounds(20, 100, 120, 21);
    check->SetCaption("Option");
    check->SetParent(form);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    TWinSkinForm* frame = SkinManager->FindFrame(form->Handle());
    TSkinControl* pushSkinner = frame ? SkinnerOf(*frame, *push) : nullptr;
    TSkinControl* bitmapSkinner = frame ? SkinnerOf(*frame, *bitmap) : nullptr;
    TSkinControl* checkSkinner = frame ? SkinnerOf(*frame, *check) : nullptr;
    if (!pushSkinner || !bitmapSkinner || !checkSkinner) {
        std::fprintf(stderr, "button_bench: the buttons were not skinned\n");
        return 1;
    }
    const RECT button{0, 0, 75, 25};
    const tk::WindowDC pushDc = tk::WindowDC::Whole(push->Handle());
    pushSkinner->Draw(pushDc, button);
    std::printf("buttons: one paint of a 75 x 25 push button: %.4f ms (best batch of %d)\n",
                BestMeanMs([&] { pushSkinner->Draw(pushDc, button); }), Rounds);
    const tk::WindowDC bitmapDc = tk::WindowDC::Whole(bitmap->Handle());
    std::printf(
        "buttons: one paint of a 75 x 25 bitmap button with a glyph: %.4f ms (best batch of %d)\n",
        BestMeanMs([&] { bitmapSkinner->Draw(bitmapDc, button); }), Rounds);
    const tk::WindowDC checkDc = tk::WindowDC::Whole(check->Handle());
    std::printf("buttons: one paint of a check box's box: %.4f ms (best batch of %d)\n",
                BestMeanMs([&] {
                    checkSkinner->Draw(checkDc, {0, 0, 120, 21});
                }),
                Rounds);
    std::printf("buttons: a push button repainted through its window (WM_PAINT): %.4f ms "
                "(best batch of %d)\n",
                BestMeanMs([&] {
                    InvalidateRect(push->Handle(), nullptr, FALSE);
                    UpdateWindow(push->Handle());
                }),
                Rounds);
    delete form;
    Pump();
    SkinManager.reset();
    return 0;
}
