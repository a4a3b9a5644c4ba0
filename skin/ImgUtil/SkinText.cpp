#include "skin/ImgUtil/ImgUtil.h"

namespace skin {

int DrawSkinText(HDC dc, std::wstring_view text, RECT rect, UINT format) {
    return DrawTextW(dc, text.data(), int(text.size()), &rect, format);
}

} // namespace skin
