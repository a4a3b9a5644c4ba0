#include "skin/WinSkinMenu/MenuText.h"

#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

HFONT TMenuText::Font(bool bold) {
    tk::OwnedFont& font = fonts_[bold ? 1 : 0];
    if (!font) {
        font = SystemMenuFont(bold);
    }
    return font.get();
}

SIZE TMenuText::Extent(const std::wstring& text, bool bold, UINT format) {
    const auto key = std::make_tuple(text, bold, format);
    if (const auto known = extents_.find(key); known != extents_.end()) {
        return known->second;
    }
    const HFONT font = Font(bold);
    if (!dc_ || !font) {
        return {0, 0};
    }
    SelectObject(dc_, font);
    RECT r{};
    DrawTextW(dc_, text.c_str(), int(text.size()), &r, format | DT_CALCRECT);
    const SIZE size{r.right - r.left, r.bottom - r.top};
    if (extents_.size() >= KeptExtents) {
        extents_.clear();
    }
    extents_.emplace(key, size);
    return size;
}

} // namespace skin
