#include "skin/WinSubClass/SkinStatusBar.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/InputCodes.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>
#include <string>
#include <vector>

namespace skin {
namespace {

// A panel that reads right to left has its left and right exchanged.
tk::Alignment ReadingAlignment(const tk::StatusPanel& panel) {
    if (!panel.RightToLeft()) {
        return panel.Alignment();
    }
    switch (panel.Alignment()) {
    case tk::Alignment::Left:
        return tk::Alignment::Right;
    case tk::Alignment::Right:
        return tk::Alignment::Left;
    default:
        return panel.Alignment();
    }
}

int BevelCell(tk::PanelBevel bevel) {
    switch (bevel) {
    case tk::PanelBevel::Raised:
        return status_bevel::Raised;
    case tk::PanelBevel::None:
        return status_bevel::None;
    default:
        return status_bevel::Lowered;
    }
}

// A part's text of a system status bar: one tab before it centres it, two
// put it on the right.
tk::Alignment TabbedAlignment(std::wstring& text) {
    int tabs = 0;
    while (tabs < 2 && !text.empty() && text.front() == L'\t') {
        text.erase(text.begin());
        ++tabs;
    }
    return tabs == 0   ? tk::Alignment::Left
           : tabs == 1 ? tk::Alignment::Center
                       : tk::Alignment::Right;
}

int BevelOfPartKind(WORD kind) {
    if (kind & SBT_NOBORDERS) {
        return status_bevel::None;
    }
    return (kind & SBT_POPOUT) ? status_bevel::Raised : status_bevel::Lowered;
}

// A one-pixel 3-D frame: `topLeft` above and left, `bottomRight` below and right.
void DrawBevel(HDC dc, const RECT& r, int topLeft, int bottomRight) {
    const tk::OwnedBrush light(CreateSolidBrush(GetSysColor(topLeft)));
    const tk::OwnedBrush dark(CreateSolidBrush(GetSysColor(bottomRight)));
    const RECT top{r.left, r.top, r.right, r.top + 1};
    const RECT left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, light.get());
    FillRect(dc, &left, light.get());
    FillRect(dc, &bottom, dark.get());
    FillRect(dc, &right, dark.get());
}

} // namespace

const tk::ClassInfo& TSkinStatusBar::StaticClass() {
    static const tk::ClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

TSkinStatusBar::TSkinStatusBar(tk::Component* owner) : TSkinControl(owner) {}

tk::StatusBar* TSkinStatusBar::Bar() const {
    return dynamic_cast<tk::StatusBar*>(FControl);
}

bool TSkinStatusBar::BeforeMessage(tk::Message& message) {
    if (!TakeOverPainting(message)) {
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinStatusBar::AfterMessage(tk::Message& message) {
    if (message.msg == WM_MOVE || message.msg == WM_SIZE) {
        InvalidateRect(FHandle, nullptr, FALSE);
        return;
    }
    TSkinControl::AfterMessage(message);
}

std::vector<TSkinStatusBar::TPart> TSkinStatusBar::Parts(const RECT& whole) const {
    tk::StatusBar* bar = Bar();
    if (!bar) {
        return WindowParts(whole);
    }
    if (bar->SimplePanel() || bar->Panels().empty()) {
        return {{whole, bar->SimpleText(), tk::Alignment::Left, status_bevel::Lowered}};
    }
    std::vector<TPart> parts;
    for (size_t i = 0; i < bar->Panels().size(); ++i) {
        const tk::StatusPanel& panel = *bar->Panels()[i];
        RECT rect{};
        if (SendMessageW(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&rect))) {
            parts.push_back(
                {rect, panel.Text(), ReadingAlignment(panel), BevelCell(panel.Bevel())});
        }
    }
    return parts;
}

std::vector<TSkinStatusBar::TPart> TSkinStatusBar::WindowParts(const RECT& whole) const {
    const auto textOf = [this](WPARAM part, WORD& kind) {
        const LRESULT length = SendMessageW(FHandle, SB_GETTEXTLENGTHW, part, 0);
        kind = HIWORD(length);
        std::wstring text(LOWORD(length) + 1, L'\0');
        SendMessageW(FHandle, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcsnlen(text.c_str(), text.size()));
        return text;
    };
    WORD kind = 0;
    if (SendMessageW(FHandle, SB_ISSIMPLE, 0, 0)) {
        std::wstring text = textOf(SB_SIMPLEID, kind);
        const tk::Alignment alignment = TabbedAlignment(text);
        return {{whole, tk::Narrow(text), alignment, BevelOfPartKind(kind)}};
    }
    std::vector<TPart> parts;
    const auto count = WPARAM(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
    for (WPARAM i = 0; i < count; ++i) {
        RECT rect{};
        if (!SendMessageW(FHandle, SB_GETRECT, i, reinterpret_cast<LPARAM>(&rect))) {
            continue;
        }
        std::wstring text = textOf(i, kind);
        const tk::Alignment alignment = TabbedAlignment(text);
        parts.push_back({rect, tk::Narrow(text), alignment, BevelOfPartKind(kind)});
    }
    return parts;
}

void TSkinStatusBar::Draw(HDC dc, const RECT& rect) {
    if (IsRectEmpty(&rect)) {
        return;
    }
    const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    TDib& buffer = SizedBuffer(local.right, local.bottom);
    buffer.Fill(ResolveColour(FSkinData->ButtonFaceColour));
    {
        const tk::BitmapDC bufferDc(NativeBitmap(buffer));
        const tk::CanvasBinding binding(*FCanvas, bufferDc);
        if (tk::StatusBar* bar = Bar()) {
            FCanvas->Font() = bar->Font();
        } else {
            const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
            FCanvas->Font().Assign(font ? font
                                        : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        }
        FCanvas->Font().SetStyle(0);
        if (FSkinData->StatusBarEdges) {
            FCanvas->Font().SetColor(ResolveColour(FSkinData->StatusBarEdges->NormalColour2));
        }
        for (const TPart& part : Parts(local)) {
            DrawPanel(bufferDc, part.rect, part.text, part.alignment, part.bevel);
        }
        if (GetWindowLongPtrW(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) {
            DrawSizeGrip(bufferDc, local);
        }
    }
    BlitBuffer(dc, rect);
}

void TSkinStatusBar::DrawPanel(HDC dc, RECT rect, const std::string& text, tk::Alignment alignment,
                               int bevel) {
    const TDataSkinObject* edges = FSkinData->StatusBarEdges.get();
    if (edges && !edges->Bitmap.Empty()) {
        DrawElement(dc, rect, edges->Bitmap, false, edges->Tile == 1, false,
                    std::max(edges->Frame, 1), bevel, MarginRect(*edges));
    } else if (bevel != status_bevel::None) {
        if (bevel == status_bevel::Lowered) {
            DrawBevel(dc, rect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        } else {
            DrawBevel(dc, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        }
        InflateRect(&rect, -1, -1);
    }
    InflateRect(&rect, -FSkinData->Measure(StatusTextInset), 0);
    DrawCaption(*FCanvas, rect, AlignmentFormat(alignment), true, text.empty() ? " " : text);
}

void TSkinStatusBar::DrawSizeGrip(HDC dc, const RECT& rect) const {
    const TDataSkinObject* extra = FSkinData->ExtraImages.get();
    if (!extra || extra->Bitmap.Empty()) {
        return;
    }
    const int cells = std::max(extra->Frame, 1);
    const int width = extra->Bitmap.Width() / cells;
    const int height = extra->Bitmap.Height();
    const RECT grip{rect.right - 1 - width, rect.bottom - 1 - height, rect.right - 1,
                    rect.bottom - 1};
    DrawStripFrame(dc, grip, extra->Bitmap, cells, SizeGripCell);
}

} // namespace skin
