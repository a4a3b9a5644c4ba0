// --watch: notices when the files of a skin change, so skinview can show
// the skin again while its author edits it. The files are looked at on
// every Poll (skinview polls from a timer) by size and time written: the
// package file, or the .ini and .bmp files of a skin folder. An author's
// tool that saves several files, or writes one in pieces, changes them over
// a little while; Poll reports a change once they have stayed as they are
// for a quiet spell, so that save gives one reload. Portable, so it is
// tested natively too.
#pragma once

#include "tools/skinview/SkinSource.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace skinview {

class TSkinWatch {
public:
    using TClock = std::chrono::steady_clock;
    // How long the files must stay unchanged before a change is reported.
    static constexpr std::chrono::milliseconds QuietSpell{400};

    // Takes the files as they are now as the state shown.
    TSkinWatch(TSkinSource source, TClock::time_point now);

    // True once for each change, when the files differ from the state last
    // reported and have not changed for QuietSpell.
    bool Poll(TClock::time_point now);

    const TSkinSource& Source() const { return source_; }

private:
    struct TFileState {
        std::string name;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
        bool operator==(const TFileState&) const = default;
    };
    std::vector<TFileState> Look() const;

    TSkinSource source_;
    std::vector<TFileState> shown_;
    std::vector<TFileState> seen_;
    TClock::time_point seenSince_;
};

} // namespace skinview
