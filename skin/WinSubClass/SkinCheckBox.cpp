#include "skin/WinSubClass/SkinCheckBox.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Notifications.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {
namespace {

// After the messages that change the box (and after the control's own
// painting, through the base), the box is drawn again.
void RepaintTheBox(TSkinControl& skinner, tk::Message& message) {
    switch (message.msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case tk::NotifyExit:
    case tk::NotifyCheckedChanged:
        return skinner.Repaint();
    default:
        return skinner.TSkinControl::AfterMessage(message);
    }
}

// Checked: the window's state bit, unless a toolkit control has a "Checked"
// property, which then decides.
bool IsChecked(const TSkinControl& skinner, UINT query) {
    if (skinner.SkinnedControl() && !skinner.GetEnumProp("Checked").empty()) {
        return skintext::EqualIgnoringAsciiCase(skinner.GetEnumProp("Checked"), "true");
    }
    return (SendMessageW(skinner.FHandle, query, 0, 0) & CheckedBit) != 0;
}

// Draws cell `frame` of the strip as the box of the control in `rect`: left
// of the caption, or right of it with BS_LEFTTEXT; the strip beside the box
// is filled with the face colour first.
void DrawBox(const TSkinControl& skinner, HDC dc, const RECT& rect, const TDib& strip, int cells,
             int frame, int leftIndent) {
    const int frameWidth = strip.Width() / std::max(cells, 1);
    const int boxHeight = strip.Height();
    const int top = rect.top + (rect.bottom - rect.top - boxHeight) / 2;
    const auto style = DWORD(GetWindowLongPtrW(skinner.FHandle, GWL_STYLE));
    const int stripWidth = GetSystemMetrics(SM_CXMENUCHECK) + box_frame::StripExtra;
    const bool centred = frameWidth < box_frame::CentredBelow;
    RECT box{};
    RECT background{};
    if (style & BS_LEFTTEXT) {
        box.right = centred ? rect.right - (box_frame::BoxColumn - frameWidth) / 2 : rect.right - 1;
        box.left = box.right - frameWidth;
        background = {rect.right - stripWidth, rect.top, rect.right, rect.bottom};
    } else {
        box.left = rect.left + (centred ? (box_frame::BoxColumn - frameWidth) / 2 : 0) + leftIndent;
        box.right = box.left + frameWidth;
        background = {rect.left, rect.top, rect.left + stripWidth, rect.bottom};
    }
    box.top = top;
    box.bottom = top + boxHeight;
    skinner.FillBackground(dc, background);
    TSkinControl::DrawStripFrame(dc, box, strip, cells, frame);
}

} // namespace

const tk::ClassInfo& TSkinCheckBox::StaticClass() {
    static const tk::ClassInfo info("TSkinCheckBox", &TSkinControl::StaticClass());
    return info;
}

TSkinCheckBox::TSkinCheckBox(tk::Component* owner) : TSkinControl(owner) {}

int TSkinCheckBox::BoxCell(int cells) const {
    const bool disabled = !IsWindowEnabled(FHandle);
    const bool indeterminate = (SendMessageW(FHandle, BM_GETSTATE, 0, 0) & IndeterminateBit) != 0;
    const int checked = IsChecked(*this, BM_GETSTATE) ? box_frame::Checked : box_frame::Unchecked;
    if (cells == box_frame::WideCheckCells) {
        if (indeterminate) {
            return disabled ? box_frame::WideDisabledIndeterminate : box_frame::WideIndeterminate;
        }
        if (disabled) {
            return checked == box_frame::Checked ? box_frame::WideDisabledChecked
                                                 : box_frame::WideDisabledUnchecked;
        }
        return checked == box_frame::Checked ? box_frame::WideChecked : box_frame::Unchecked;
    }
    if (indeterminate) {
        return box_frame::Indeterminate;
    }
    return disabled ? checked + box_frame::DisabledStep : checked;
}

void TSkinCheckBox::AfterMessage(tk::Message& message) {
    RepaintTheBox(*this, message);
}

void TSkinCheckBox::Draw(HDC dc, const RECT& rect) {
    const TDataSkinButton& element = FSkinData->Buttons;
    if (element.CheckBitmap.Empty()) {
        return;
    }
    const int cells = std::max(element.CheckButtonFrame, 1);
    DrawBox(*this, dc, rect, element.CheckBitmap, cells, BoxCell(cells), box_frame::CheckIndent);
}

const tk::ClassInfo& TSkinRadioButton::StaticClass() {
    static const tk::ClassInfo info("TSkinRadioButton", &TSkinControl::StaticClass());
    return info;
}

TSkinRadioButton::TSkinRadioButton(tk::Component* owner) : TSkinControl(owner) {}

int TSkinRadioButton::BoxCell(int cells) const {
    const int checked = IsChecked(*this, BM_GETCHECK) ? box_frame::Checked : box_frame::Unchecked;
    if (IsWindowEnabled(FHandle)) {
        return cells == box_frame::WideRadioCells && checked == box_frame::Checked
                   ? box_frame::WideChecked
                   : checked;
    }
    if (cells == box_frame::WideRadioCells) {
        return checked == box_frame::Checked ? box_frame::WideDisabledChecked
                                             : box_frame::WideDisabledUnchecked;
    }
    return checked + box_frame::DisabledStep;
}

void TSkinRadioButton::AfterMessage(tk::Message& message) {
    RepaintTheBox(*this, message);
}

void TSkinRadioButton::Draw(HDC dc, const RECT& rect) {
    const TDataSkinButton& element = FSkinData->Buttons;
    if (element.RadioBitmap.Empty()) {
        return;
    }
    const int cells = std::max(element.RadioButtonFrame, 1);
    DrawBox(*this, dc, rect, element.RadioBitmap, cells, BoxCell(cells), 0);
}

} // namespace skin
