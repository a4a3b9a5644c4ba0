#include "skin/SkinRead/SkinReader.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/SkinRead/Lzh.h"

#include "base/Bytes.h"

#include <new>
#include <utility>

namespace {

std::string Damaged(const std::string& what) {
    return "The skin package is damaged: " + what;
}

} // namespace

TSkinReader::TSkinReader(TNoticeSink notice) : notice_(std::move(notice)) {}

bool TSkinReader::Reject(std::string reason) {
    names_.clear();
    sizes_.clear();
    data_.clear();
    wholeEntries_ = 0;
    rejectReason_ = std::move(reason);
    if (notice_) {
        notice_(rejectReason_);
    }
    return false;
}

bool TSkinReader::Load(std::span<const std::uint8_t> compressed) {
    names_.clear();
    sizes_.clear();
    data_.clear();
    rejectReason_.clear();
    cutShort_ = false;
    wholeEntries_ = 0;

    const std::int32_t stated = TLZH::StatedSize(compressed);
    if (stated > 0 && static_cast<std::uint32_t>(stated) > TLZH::DefaultSizeLimit) {
        return Reject(Damaged("it claims to expand to " + std::to_string(stated) +
                              " bytes, more than the " + std::to_string(TLZH::DefaultSizeLimit) +
                              " bytes a skin may have"));
    }
    // Every code takes at least one bit per byte it yields (a literal) or ten
    // bits per 60 bytes (a match), so a whole stream cannot expand to more
    // than 48 times its coded bytes. A stated size beyond that means a cut-off
    // file, which would otherwise be padded out with decoded zero bits.
    const std::size_t codedBytes = compressed.size() > 4 ? compressed.size() - 4 : 0;
    cutShort_ = stated > 0 && static_cast<std::uint64_t>(stated) > MaxExpansion * codedBytes;
    if (cutShort_) {
        return Reject(Damaged("it claims to expand to " + std::to_string(stated) +
                              " bytes, but its " + std::to_string(codedBytes) +
                              " coded bytes can hold at most " +
                              std::to_string(MaxExpansion * codedBytes) + "; it is cut short"));
    }
    // The expansion and the entries kept from it are held in memory; a
    // package whose size the process cannot hold is refused like a damaged one.
    try {
        return Expand(compressed);
    } catch (const std::bad_alloc&) {
    } catch (const ElzhException&) {
    }
    return Reject("The skin package is too large to expand: it needs " + std::to_string(stated) +
                  " bytes, more memory than can be had");
}

bool TSkinReader::Expand(std::span<const std::uint8_t> compressed) {
    std::vector<std::uint8_t> expanded;
    TLZH lzh;
    lzh.Decompress(compressed, expanded);
    cutShort_ = lzh.RanOut();
    if (!ParseContainer(expanded)) {
        return false;
    }
    // The data area is the end of the expansion.
    CountWholeEntries(lzh.WholeBytes(), expanded.size() - data_.size());
    return true;
}

void TSkinReader::CountWholeEntries(std::size_t wholeBytes, std::size_t dataStart) {
    wholeEntries_ = 0;
    if (wholeBytes < dataStart) {
        return;
    }
    std::uint64_t end = dataStart;
    while (wholeEntries_ < sizes_.size() && (end += sizes_[wholeEntries_]) <= wholeBytes) {
        ++wholeEntries_;
    }
}

bool TSkinReader::ParseContainer(std::span<const std::uint8_t> expanded) {
    if (expanded.size() < HeaderSize) {
        return Reject(Damaged("it expands to " + std::to_string(expanded.size()) +
                              " bytes, too few for the 16-byte header"));
    }
    version_ = base::ReadU32(expanded, 0);
    namesLength_ = base::ReadU32(expanded, 4);
    // Bytes 8-15 are reserved and ignored.
    if (version_ != PackageVersion) {
        return Reject(OlderPackageNotice);
    }

    if (namesLength_ > expanded.size() - HeaderSize) {
        return Reject(Damaged("its names block of " + std::to_string(namesLength_) +
                              " bytes runs past the end of the package"));
    }
    const auto namesBlock = expanded.subspan(HeaderSize, namesLength_);
    const std::string namesText(namesBlock.begin(), namesBlock.end());
    std::vector<std::string> found;
    skintext::ForEachLine(namesText, [&](std::string_view line) {
        if (found.size() <= MaxEntries) {
            found.push_back(skintext::LowerAscii(line));
        }
    });
    if (found.size() > MaxEntries) {
        return Reject(Damaged("it has more than the " + std::to_string(MaxEntries) +
                              " entries a skin package may hold"));
    }

    const std::size_t tableStart = HeaderSize + namesLength_;
    const std::size_t dataStart = tableStart + 4 * found.size();
    if (dataStart > expanded.size()) {
        return Reject(Damaged("its table of " + std::to_string(found.size()) +
                              " entry sizes runs past the end of the package"));
    }
    std::vector<std::uint32_t> foundSizes;
    std::uint64_t end = 0;
    const std::size_t dataSize = expanded.size() - dataStart;
    for (std::size_t i = 0; i < found.size(); ++i) {
        foundSizes.push_back(base::ReadU32(expanded, tableStart + 4 * i));
        end += foundSizes.back();
        if (end > dataSize) {
            return Reject(Damaged("entry \"" + found[i] + "\" of " +
                                  std::to_string(foundSizes.back()) +
                                  " bytes runs past the end of the data area"));
        }
    }

    names_ = std::move(found);
    sizes_ = std::move(foundSizes);
    data_.assign(expanded.begin() + static_cast<std::ptrdiff_t>(dataStart), expanded.end());
    return true;
}

template <typename Match>
bool TSkinReader::CopyFirst(Match match, std::vector<std::uint8_t>& out) const {
    out.clear();
    std::size_t offset = 0;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (match(names_[i])) {
            const auto first = data_.begin() + static_cast<std::ptrdiff_t>(offset);
            out.assign(first, first + sizes_[i]);
            return true;
        }
        offset += sizes_[i];
    }
    return false;
}

bool TSkinReader::GetEntry(std::string_view name, std::vector<std::uint8_t>& out) const {
    const std::string wanted = skintext::LowerAscii(name);
    return CopyFirst([&](const std::string& entry) { return entry == wanted; }, out);
}

bool TSkinReader::GetEntryContaining(std::string_view text, std::vector<std::uint8_t>& out,
                                     std::string& name) const {
    const std::string* hit = nullptr;
    CopyFirst(
        [&](const std::string& entry) {
            if (entry.find(text) == std::string::npos) {
                return false;
            }
            hit = &entry;
            return true;
        },
        out);
    if (hit == nullptr) {
        return false;
    }
    name = *hit;
    return true;
}
