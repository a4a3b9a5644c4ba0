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
    const UINT msg = message.msg;
    if (msg == BM_SETCHECK || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP ||
        msg == WM_LBUTTONDBLCLK || msg == tk::kNotifyExit || msg == tk::kNotifyCheckedChanged) {
        skinner.Repaint();
    } else {
        skinner.TSkinControl::AfterMessage(message);
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
    const int stripWidth = GetSystemMetrics(SM_CXMENUCHECK) + BoxFrame::StripExtra;
    const bool centred = frameWidth < BoxFrame::CentredBelow;
    RECT box{};
    RECT background{};
    if (style & BS_LEFTTEXT) {
        box.right = centred ? rect.right - (BoxFrame::BoxColumn - frameWidth) / 2 : rect.right - 1;
        box.left = box.right - frameWidth;
        background = {rect.right - stripWidth, rect.top, rect.right, rect.bottom};
    } else {
        box.left = rect.left + (centred ? (BoxFrame::BoxColumn - frameWidth) / 2 : 0) + leftIndent;
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
    const int checked = IsChecked(*this, BM_GETSTATE) ? BoxFrame::Checked : BoxFrame::Unchecked;
    if (cells == BoxFrame::WideCheckCells) {
        if (indeterminate) {
            return disabled ? BoxFrame::WideDisabledIndeterminate : BoxFrame::WideIndeterminate;
        }
        if (disabled) {
            return checked == BoxFrame::Checked ? BoxFrame::WideDisabledChecked
                                                : BoxFrame::WideDisabledUnchecked;
        }
        return checked == BoxFrame::Checked ? BoxFrame::WideChecked : BoxFrame::Unchecked;
    }
    if (indeterminate) {
        return BoxFrame::Indeterminate;
    }
    return disabled ? checked + BoxFrame::DisabledStep : checked;
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
    DrawBox(*this, dc, rect, element.CheckBitmap, cells, BoxCell(cells), BoxFrame::CheckIndent);
}

const tk::ClassInfo& TSkinRadioButton::StaticClass() {
    static const tk::ClassInfo info("TSkinRadioButton", &TSkinControl::StaticClass());
    return info;
}

TSkinRadioButton::TSkinRadioButton(tk::Component* owner) : TSkinControl(owner) {}

int TSkinRadioButton::BoxCell(int cells) const {
    const int checked = IsChecked(*this, BM_GETCHECK) ? BoxFrame::Checked : BoxFrame::Unchecked;
    if (IsWindowEnabled(FHandle)) {
        return cells == BoxFrame::WideRadioCells && checked == BoxFrame::Checked
                   ? BoxFrame::WideChecked
                   : checked;
    }
    if (cells == BoxFrame::WideRadioCells) {
        return checked == BoxFrame::Checked ? BoxFrame::WideDisabledChecked
                                            : BoxFrame::WideDisabledUnchecked;
    }
    return checked + BoxFrame::DisabledStep;
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
