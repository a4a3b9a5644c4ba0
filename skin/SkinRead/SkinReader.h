// Reader of a skin package: expands the compressed stream, checks the
// container and hands out its entries (the skin INI text and the bitmaps it
// names) by name.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TSkinReader {
public:
    // Receives the texts meant for the user: the notice about a package of
    // another version and the reason a damaged package was refused. The
    // Windows skin loader shows them in a message box.
    using TNoticeSink = std::function<void(const std::string&)>;

    static constexpr std::uint32_t PackageVersion = 20000;
    static constexpr std::size_t MaxEntries = 1001;
    static constexpr std::size_t HeaderSize = 16;
    // Most bytes one coded byte of a package can expand to.
    static constexpr std::uint64_t MaxExpansion = 48;
    static constexpr const char* OlderPackageNotice =
        "This is Older Skin File\rPlease update to new version !";

    explicit TSkinReader(TNoticeSink notice = {});

    // Expands and parses a package. False, with a reason and nothing usable
    // kept, for a package of another version, a damaged one, or one too
    // large to expand in the memory there is.
    bool Load(std::span<const std::uint8_t> compressed);

    // Copies the first entry whose name equals `name` (A-Z compared as a-z)
    // into `out`; `out` is left empty and the result false when none does.
    bool GetEntry(std::string_view name, std::vector<std::uint8_t>& out) const;
    // Copies the first entry whose lower-case name contains `text` (compared
    // as given) and sets `name` to it; `name` is left alone when none does.
    bool GetEntryContaining(std::string_view text, std::vector<std::uint8_t>& out,
                            std::string& name) const;

    std::size_t Count() const { return names_.size(); }
    const std::vector<std::string>& Names() const { return names_; }
    const std::vector<std::uint32_t>& Sizes() const { return sizes_; }
    std::uint32_t Version() const { return version_; }
    std::uint32_t NamesLength() const { return namesLength_; }
    // Why the last Load returned false; empty after a successful one.
    const std::string& RejectReason() const { return rejectReason_; }

    // Whether the last Load's stream ended early. Such a package still loads
    // (unless it is so short that it states more than its bytes can hold):
    // the decoder reads the missing end as zeros, as the engine always has and
    // stored skins rely on; the tools report it.
    bool CutShort() const { return cutShort_; }
    // How many entries, from the first, came wholly from the package's own
    // bytes: all of them unless it is cut short, none when the cut falls in
    // the names or the size table.
    std::size_t WholeEntries() const { return wholeEntries_; }

private:
    bool Reject(std::string reason);
    bool Expand(std::span<const std::uint8_t> compressed);
    bool ParseContainer(std::span<const std::uint8_t> expanded);
    void CountWholeEntries(std::size_t wholeBytes, std::size_t dataStart);
    template <typename Match> bool CopyFirst(Match match, std::vector<std::uint8_t>& out) const;

    TNoticeSink notice_;
    std::vector<std::string> names_; // lower case
    std::vector<std::uint32_t> sizes_;
    std::vector<std::uint8_t> data_; // the entries back to back, and any trailing bytes
    std::uint32_t version_ = 0;
    std::uint32_t namesLength_ = 0;
    std::string rejectReason_;
    bool cutShort_ = false;
    std::size_t wholeEntries_ = 0;
};
