// The skins opened lately, most recent first, as File > Recent lists them:
// at most MaxCount, each path once (letter case aside, as Windows compares
// names). Portable, so it is tested natively too; RecentStore keeps the
// list between runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace skinview {

class TRecentSkins {
public:
    static constexpr std::size_t MaxCount = 6;

    // Takes a stored list: empty entries and repeats are dropped, and only
    // the first MaxCount kept.
    explicit TRecentSkins(const std::vector<std::string>& paths = {});

    // Puts the path first, dropping its older place and the oldest entry
    // past MaxCount.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

// The menu caption of entry `index` (from 0): "&1 " and the path, its
// middle left out ("...") when it is longer than MaxCaptionPath characters.
// An ampersand in the path is doubled so it shows as itself.
inline constexpr std::size_t MaxCaptionPath = 64;
std::string RecentCaption(std::size_t index, const std::string& path);

} // namespace skinview
