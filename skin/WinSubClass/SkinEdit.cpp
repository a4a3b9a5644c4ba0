#include "skin/WinSubClass/SkinEdit.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

// Window classes of the spin buttons an edit may hold.
bool IsSpinButton(HWND window) {
    const std::string name = skintext::LowerAscii(ClassNameOf(window));
    return name == "msctls_updown32" || name == "tspinbutton";
}

constexpr COLORREF InnerBorder = 0xFFFFFF;
// A printed edit gets its border only when its own is this wide at least.
constexpr int PrintBorderWidth = 2;

} // namespace

const tk::ClassInfo& TSkinEdit::StaticClass() {
    static const tk::ClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
    return info;
}

TSkinEdit::TSkinEdit(tk::Component* owner) : TSkinControl(owner) {}

void TSkinEdit::Notification(tk::Component& component, tk::Operation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == tk::Operation::Remove && &component == FUpDown) {
        FUpDown = nullptr;
    }
}

bool TSkinEdit::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PRINT:
        return OnBeforePrint(reinterpret_cast<HDC>(message.wParam));
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinEdit::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        return OnPaint(reinterpret_cast<HDC>(message.wParam));
    case WM_NCPAINT:
        // The system redrew its own edge alone (a frame change, activation).
        return Paint(nullptr);
    case WM_PRINT:
        return OnPrint(reinterpret_cast<HDC>(message.wParam));
    default:
        return TSkinControl::AfterMessage(message);
    }
}

bool TSkinEdit::OnBeforePrint(HDC dc) {
    if (dc) {
        printState_ = SaveDC(dc);
    }
    return true;
}

// A paint into a given context is someone else's drawing.
void TSkinEdit::OnPaint(HDC given) {
    if (!given) {
        Paint(nullptr);
    }
}

// The edit's own printing may leave its clipping (its text area) in the
// context: the border is drawn in the caller's state.
void TSkinEdit::OnPrint(HDC dc) {
    if (printState_) {
        RestoreDC(dc, printState_);
        printState_ = 0;
    }
    PrintBorder(dc);
}

void TSkinEdit::FindSpinButton() {
    for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsSpinButton(child)) {
            auto* spin = new TSkinUpDown(Owner());
            spin->FInset = true;
            spin->FreeNotification(*this);
            FUpDown = spin;
            spin->AttachWindow(child, *FSkinData, *FForm, *FCanvas);
            return;
        }
    }
}

void TSkinEdit::Draw(HDC dc, const RECT& rect) {
    if (!FUpDown) {
        FindSpinButton();
    }
    RECT client{};
    GetClientRect(FHandle, &client);
    if (client.right >= rect.right - rect.left || client.bottom >= rect.bottom - rect.top) {
        return;
    }
    const tk::OwnedBrush shadow(CreateSolidBrush(ResolveColour(FSkinData->ButtonShadowColour)));
    const tk::OwnedBrush white(CreateSolidBrush(InnerBorder));
    RECT border = rect;
    FrameRect(dc, &border, shadow.get());
    InflateRect(&border, -1, -1);
    FrameRect(dc, &border, white.get());
}

void TSkinEdit::PrintBorder(HDC dc) {
    RECT rect{};
    if (!dc || !GetWindowRect(FHandle, &rect)) {
        return;
    }
    FWindowRect = rect;
    OffsetRect(&rect, -rect.left, -rect.top);
    RECT client{};
    GetClientRect(FHandle, &client);
    if (client.right > rect.right - PrintBorderWidth ||
        client.bottom > rect.bottom - PrintBorderWidth) {
        return;
    }
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    const tk::OwnedBrush shadow(CreateSolidBrush(ResolveColour(FSkinData->ButtonShadowColour)));
    FrameRect(dc, &rect, shadow.get());
}

} // namespace skin
