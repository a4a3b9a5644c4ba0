#include "tools/skinpack/PackageWriter.h"

#include "tools/skinpack/LzhEncoder.h"
#include "skin/SkinRead/AsciiText.h"
#include "skin/SkinRead/Lzh.h"
#include "skin/SkinRead/SkinReader.h"

#include "base/Bytes.h"

#include <set>
#include <stdexcept>

namespace {

void CheckEntries(const std::vector<TPackageEntry>& entries) {
    if (entries.size() > TSkinReader::MaxEntries) {
        throw std::invalid_argument(std::to_string(entries.size()) +
                                    " entries; a skin package holds at most " +
                                    std::to_string(TSkinReader::MaxEntries));
    }
    std::set<std::string> seen;
    for (const TPackageEntry& entry : entries) {
        if (entry.name.empty()) {
            throw std::invalid_argument("an entry has an empty name");
        }
        if (entry.name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
            throw std::invalid_argument("entry name \"" + entry.name +
                                        "\" holds a line end or NUL");
        }
        if (!seen.insert(skintext::LowerAscii(entry.name)).second) {
            throw std::invalid_argument("two entries are named \"" + entry.name +
                                        "\" (letter case is ignored)");
        }
    }
}

} // namespace

std::vector<std::uint8_t> BuildContainer(const std::vector<TPackageEntry>& entries) {
    CheckEntries(entries);
    std::string names;
    for (const TPackageEntry& entry : entries) {
        names += entry.name + "\r\n";
    }

    std::vector<std::uint8_t> out;
    base::AppendU32(out, TSkinReader::PackageVersion);
    base::AppendU32(out, static_cast<std::uint32_t>(names.size()));
    base::AppendU32(out, 0);
    base::AppendU32(out, 0);
    out.insert(out.end(), names.begin(), names.end());
    for (const TPackageEntry& entry : entries) {
        if (entry.bytes.size() > TLZH::DefaultSizeLimit) {
            throw std::invalid_argument("entry \"" + entry.name + "\" is larger than a skin " +
                                        "package may be");
        }
        base::AppendU32(out, static_cast<std::uint32_t>(entry.bytes.size()));
    }
    for (const TPackageEntry& entry : entries) {
        out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
        if (out.size() > TLZH::DefaultSizeLimit) {
            throw std::invalid_argument("the entries add up to more than the " +
                                        std::to_string(TLZH::DefaultSizeLimit) +
                                        " bytes a skin package may expand to");
        }
    }
    return out;
}

std::vector<std::uint8_t> BuildPackage(const std::vector<TPackageEntry>& entries) {
    return LzhCompress(BuildContainer(entries));
}
