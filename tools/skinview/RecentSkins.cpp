#include "tools/skinview/RecentSkins.h"

#include "base/Text.h"
#include "skin/SkinRead/AsciiText.h"

#include <algorithm>

namespace skinview {
namespace {

bool SamePath(const std::string& a, const std::string& b) {
    return skintext::LowerAscii(a) == skintext::LowerAscii(b);
}

std::u32string CodePoints(std::string_view text) {
    std::u32string points;
    for (size_t pos = 0; pos < text.size();) {
        points += base::NextCodePoint(text, pos);
    }
    return points;
}

std::string Utf8Of(std::u32string_view points) {
    std::string text;
    for (char32_t point : points) {
        base::AppendUtf8(text, point);
    }
    return text;
}

} // namespace

TRecentSkins::TRecentSkins(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const bool known = std::any_of(paths_.begin(), paths_.end(),
                                       [&](const std::string& p) { return SamePath(p, path); });
        if (!path.empty() && !known && paths_.size() < MaxCount) {
            paths_.push_back(path);
        }
    }
}

void TRecentSkins::Add(const std::string& path) {
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > MaxCount) {
        paths_.resize(MaxCount);
    }
}

void TRecentSkins::Remove(const std::string& path) {
    std::erase_if(paths_, [&](const std::string& p) { return SamePath(p, path); });
}

std::string RecentCaption(std::size_t index, const std::string& path) {
    const std::u32string text = CodePoints(path);
    std::string shown = path;
    if (text.size() > MaxCaptionPath) {
        const std::size_t kept = MaxCaptionPath - 3;
        const std::u32string_view all(text);
        shown = Utf8Of(all.substr(0, kept / 2)) + "..." +
                Utf8Of(all.substr(text.size() - (kept - kept / 2)));
    }
    std::string caption(1, '&');
    caption.append(std::to_string(index + 1)).push_back(' ');
    for (char c : shown) {
        caption.push_back(c);
        if (c == '&') {
            caption.push_back('&');
        }
    }
    return caption;
}

} // namespace skinview
