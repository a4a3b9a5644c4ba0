#include "catalogue/JetFile.h"

#include "catalogue/JetText.h"
#include "catalogue/Rc4.h"

#include "base/Path.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace catalogue {
namespace {

constexpr std::array<uint8_t, 4> HeaderKey{0xC7, 0xDA, 0x39, 0x6B};
constexpr size_t MaskedStart = 0x18;
constexpr size_t MaskedLength = 128;
constexpr size_t VersionOffset = 0x14;
constexpr size_t PageKeyOffset = 0x3E;
constexpr size_t PasswordOffset = 0x42;
constexpr size_t PasswordLength = 40;
constexpr size_t CreatedOffset = 0x72;
constexpr uint8_t Jet4Version = 1;
constexpr char Magic[] = "\x00\x01\x00\x00Standard Jet DB";

// Jet 4 additionally masks the password with the whole days of the creation
// date, as a little-endian 32-bit number repeated over the field.
std::array<uint8_t, 4> PasswordDateMask(double created) {
    double days = std::isfinite(created) ? std::trunc(created) : 0.0;
    if (days < -2147483648.0 || days > 2147483647.0) {
        days = 0.0;
    }
    std::array<uint8_t, 4> mask{};
    base::WriteU32(mask, 0, static_cast<uint32_t>(static_cast<int32_t>(days)));
    return mask;
}

void ApplyPasswordMask(double created, std::span<uint8_t> field) {
    std::array<uint8_t, 4> mask = PasswordDateMask(created);
    for (size_t i = 0; i < field.size(); ++i) {
        field[i] ^= mask[i % mask.size()];
    }
}

double ReadDouble(Bytes bytes, size_t offset) {
    uint64_t bits = ReadU64(bytes, offset);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string UnrecognizedFormat(const std::string& path) {
    return "Unrecognized database format '" + path + "'.";
}

} // namespace

std::string CorruptFileMessage(const std::string& path) {
    return "The database '" + path + "' needs to be repaired or isn't a database file.";
}

void ThrowCorrupt() {
    throw ECorruptData();
}

void ApplyPageKey(uint32_t pageKey, uint32_t pageNumber, std::span<uint8_t> page) {
    std::array<uint8_t, 4> keyBytes{};
    base::WriteU32(keyBytes, 0, pageKey ^ pageNumber);
    Rc4Apply(keyBytes, page);
}

JetFile::JetFile(std::vector<uint8_t> bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {
    if (bytes_.size() < JetPageSize || std::memcmp(bytes_.data(), Magic, sizeof Magic - 1) != 0 ||
        bytes_[VersionOffset] != Jet4Version) {
        throw ECatalogueError(UnrecognizedFormat(path_));
    }
    if (bytes_.size() % JetPageSize != 0) {
        throw ECatalogueError(CorruptFileMessage(path_));
    }
    std::span<uint8_t> header(bytes_.data(), JetPageSize);
    Rc4Apply(HeaderKey, header.subspan(MaskedStart, MaskedLength));

    std::array<uint8_t, PasswordLength> field{};
    std::memcpy(field.data(), header.data() + PasswordOffset, field.size());
    ApplyPasswordMask(ReadDouble(header, CreatedOffset), field);
    size_t length = 0;
    while (length + 1 < field.size() && (field[length] != 0 || field[length + 1] != 0)) {
        length += 2;
    }
    password_ = Utf16LeToUtf8(Bytes(field.data(), length));

    uint32_t pageKey = ReadU32(header, PageKeyOffset);
    if (pageKey != 0) {
        for (uint32_t page = 1; page < PageCount(); ++page) {
            ApplyPageKey(
                pageKey, page,
                std::span<uint8_t>(bytes_.data() + size_t{page} * JetPageSize, JetPageSize));
        }
    }
}

JetFile JetFile::Load(const std::string& path) {
    const std::filesystem::path fsPath = base::PathFromUtf8(path);
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(fsPath, error)) {
        throw ECatalogueError("Could not find file '" + path + "'.");
    }
    std::ifstream in(fsPath, std::ios::binary | std::ios::ate);
    if (!in) {
        throw ECatalogueError("The Microsoft Jet database engine cannot open the file '" + path +
                              "'.  It is already opened exclusively by another user, or you "
                              "need permission to view its data.");
    }
    std::streamoff size = in.tellg();
    std::vector<uint8_t> bytes(size > 0 ? static_cast<size_t>(size) : 0);
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()))) {
        throw ECatalogueError(CorruptFileMessage(path));
    }
    return JetFile(std::move(bytes), path);
}

Bytes JetFile::Page(uint32_t number) const {
    if (number >= PageCount()) {
        ThrowCorrupt();
    }
    return Bytes(bytes_.data() + size_t{number} * JetPageSize, JetPageSize);
}

void JetFile::CheckPassword(const std::string& given) const {
    if (!password_.empty() && given != password_) {
        throw ECatalogueError("Not a valid password.");
    }
}

std::vector<uint8_t> EncodeHeaderPage(const HeaderFields& fields) {
    std::vector<uint8_t> page(JetPageSize, 0);
    std::memcpy(page.data(), Magic, sizeof Magic - 1);
    page[VersionOffset] = Jet4Version;
    // Values Jet 4 writes into every new database: format flags at 0x18, the
    // code page (1252) at 0x3C and the "General" sort order at 0x6E.
    constexpr std::array<uint8_t, 24> FormatFlags{0, 1, 0, 0, 1, 1, 0, 0, 2, 0, 0, 0,
                                                  3, 0, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0};
    std::memcpy(page.data() + MaskedStart, FormatFlags.data(), FormatFlags.size());
    page[0x3C] = 0xE4;
    page[0x3D] = 0x04;
    page[0x6E] = 0x09;
    page[0x6F] = 0x04;
    base::WriteU32(page, PageKeyOffset, fields.pageKey);
    std::vector<uint8_t> password = Utf8ToUtf16Le(fields.password);
    if (password.size() > PasswordLength) {
        throw ECatalogueError("The password is longer than 20 characters.");
    }
    std::copy(password.begin(), password.end(), page.begin() + PasswordOffset);
    ApplyPasswordMask(fields.created,
                      std::span<uint8_t>(page.data() + PasswordOffset, PasswordLength));
    std::memcpy(page.data() + CreatedOffset, &fields.created, sizeof fields.created);
    page[0x98] = 'T';
    page[0x99] = 0x06;
    std::memcpy(page.data() + 0x9C, "4.0", 3);
    Rc4Apply(HeaderKey, std::span<uint8_t>(page.data() + MaskedStart, MaskedLength));
    return page;
}

} // namespace catalogue
