#include "skin/WinSubClass/SkinProgress.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>

namespace skin {
namespace {

// The control's Style that asks for chunks (the toolkit's progress bar); its
// default asks for nothing of its own.
constexpr const char* ChunkStyleName = "pbstChunks";
// The skin's own Style of its progress element that asks for chunks, for
// progress bars that leave their style at the default or have none.
constexpr int ChunkElementStyle = 1;
// The whole progress image drawn as one cell (the chunk style's frame).
constexpr int WholeImage = 1;

} // namespace

const tk::ClassInfo& TSkinProgress::StaticClass() {
    static const tk::ClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

TSkinProgress::TSkinProgress(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinProgress::SkinPaints() const {
    return FSkinData && FSkinData->Progress && !FSkinData->Progress->Bitmap.Empty();
}

bool TSkinProgress::Vertical() const {
    return (GetWindowLongPtrW(FHandle, GWL_STYLE) & PBS_VERTICAL) != 0;
}

bool TSkinProgress::Chunked() const {
    return GetEnumProp("Style") == ChunkStyleName ||
           FSkinData->Progress->Style == ChunkElementStyle;
}

int TSkinProgress::FilledLength(int length) const {
    const auto position = int64_t(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
    const auto low = int64_t(int(SendMessageW(FHandle, PBM_GETRANGE, TRUE, 0)));
    const auto high = int64_t(int(SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0)));
    const int64_t span = high - low;
    const int64_t done = std::min(position - low, span);
    if (span <= 0 || done <= 0) {
        return 0;
    }
    return int(done * length / span);
}

bool TSkinProgress::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        return OnPaint(message);
    case WM_ERASEBKGND:
        return SkipErase(message);
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

bool TSkinProgress::OnPaint(tk::Message& message) {
    if (!SkinPaints()) {
        return true;
    }
    PaintClient(message);
    return false;
}

void TSkinProgress::Draw(HDC dc, const RECT& rect) {
    if (!SkinPaints() || IsRectEmpty(&rect)) {
        return;
    }
    if (Chunked() && !Vertical()) {
        DrawChunks(dc, rect);
    } else {
        DrawWhole(dc, rect);
    }
}

void TSkinProgress::DrawWhole(HDC dc, const RECT& rect) {
    const TDataSkinBorder& bar = *FSkinData->Progress;
    tk::MemoryDC buffer(dc, rect.right - rect.left, rect.bottom - rect.top);
    if (!buffer) {
        return;
    }
    const RECT whole{0, 0, buffer.Width(), buffer.Height()};
    FillBackground(buffer, whole);
    DrawElement(buffer, whole, bar.Bitmap, false, bar.Tile == 1, true, progress_cell::Count,
                progress_cell::Empty, MarginRect(bar));
    RECT filled = whole;
    if (Vertical()) {
        filled.top = whole.bottom - FilledLength(buffer.Height());
    } else {
        filled.right = FilledLength(buffer.Width());
    }
    if (!IsRectEmpty(&filled)) {
        DrawElement(buffer, filled, bar.Bitmap, false, bar.Tile == 1, true, progress_cell::Count,
                    progress_cell::Filled, MarginRect(bar));
    }
    buffer.BlitTo(dc, rect.left, rect.top);
}

void TSkinProgress::DrawChunks(HDC dc, const RECT& rect) {
    const TDataSkinBorder& bar = *FSkinData->Progress;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    PaintElementToBuffer({0, 0, width, height}, bar, true, WholeImage, WholeImage);
    const TDib& chunk = bar.Bitmap2;
    const int filled = FilledLength(width);
    if (!chunk.Empty() && filled > 0) {
        // Copies of the chunk side by side from the bar's left margin, cut
        // where the bar ends and kept inside its right margin.
        TDib strip(filled, chunk.Height());
        {
            const tk::BitmapDC stripDC(NativeBitmap(strip));
            TileBitmap(stripDC, {0, 0, filled, chunk.Height()}, chunk,
                       {0, 0, chunk.Width(), chunk.Height()});
        }
        GdiFlush();
        const int left = std::max(bar.LeftWidth, 0);
        const int top = (height - chunk.Height()) / 2;
        const int right = std::min(left + filled, width - std::max(bar.RightWidth, 0));
        const tk::BitmapDC target(NativeBitmap(FrameScratch()));
        TransparentBlit(target, {left, top, right, top + chunk.Height()}, strip, KeyColour);
    }
    BlitBuffer(dc, rect);
}

} // namespace skin
