#include "tools/skinview/SkinWatch.h"

#include "base/Path.h"
#include "skin/SkinRead/AsciiText.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace skinview {
namespace {

bool IsSkinFile(const fs::path& path) {
    const std::string extension = skintext::LowerAscii(base::Utf8FromPath(path.extension()));
    return extension == ".ini" || extension == ".bmp";
}

} // namespace

TSkinWatch::TSkinWatch(TSkinSource source, TClock::time_point now)
    : source_(std::move(source)), shown_(Look()), seen_(shown_), seenSince_(now) {}

bool TSkinWatch::Poll(TClock::time_point now) {
    std::vector<TFileState> state = Look();
    if (state != seen_) {
        seen_ = std::move(state);
        seenSince_ = now;
        return false;
    }
    if (seen_ == shown_ || now - seenSince_ < QuietSpell) {
        return false;
    }
    shown_ = seen_;
    return true;
}

std::vector<TSkinWatch::TFileState> TSkinWatch::Look() const {
    // A file that goes away between listing and looking, or a folder that
    // cannot be read for now, counts as missing until the next look.
    std::vector<TFileState> state;
    const auto add = [&](const fs::path& file) {
        std::error_code sizeError;
        std::error_code timeError;
        const std::uintmax_t size = fs::file_size(file, sizeError);
        const fs::file_time_type written = fs::last_write_time(file, timeError);
        if (!sizeError && !timeError) {
            state.push_back({base::Utf8FromPath(file.filename()), size, written});
        }
    };
    if (source_.kind == TSourceKind::Package) {
        add(source_.path);
        return state;
    }
    std::error_code error;
    for (fs::directory_iterator it(source_.path, error), end; !error && it != end;
         it.increment(error)) {
        if (IsSkinFile(it->path())) {
            add(it->path());
        }
    }
    std::sort(state.begin(), state.end(),
              [](const TFileState& a, const TFileState& b) { return a.name < b.name; });
    return state;
}

} // namespace skinview
