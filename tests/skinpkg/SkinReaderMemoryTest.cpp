// The package reader when memory runs out: a package that states a size the
// process cannot hold is refused with the reader's own reason, like every
// other refusal, instead of an exception escaping to whoever loads a skin.
// Its own program, because it replaces the allocator to make memory run out.
#include "skin/SkinRead/SkinReader.h"
#include "tests/support/MemoryShort.h"
#include "tools/skinpack/PackageWriter.h"

#include <gtest/gtest.h>

namespace {

// A package stating 60 MiB, within what a skin may claim and with enough
// coded bytes to reach it, whose expansion needs more memory than there is.
std::vector<std::uint8_t> SixtyMegabytePackage() {
    constexpr std::uint32_t Stated = 60u << 20;
    std::vector<std::uint8_t> package(4 + Stated / TSkinReader::MaxExpansion + 16, 0);
    package[0] = std::uint8_t(Stated);
    package[1] = std::uint8_t(Stated >> 8);
    package[2] = std::uint8_t(Stated >> 16);
    package[3] = std::uint8_t(Stated >> 24);
    return package;
}

TEST(SkinReaderMemory, APackageTooLargeToExpandIsRefusedWithOneReason) {
    const std::vector<std::uint8_t> package = SixtyMegabytePackage();
    std::vector<std::string> notices;
    TSkinReader reader([&](const std::string& text) { notices.push_back(text); });
    bool loaded = true;
    {
        const TMemoryShort shortage(16u << 20);
        EXPECT_NO_THROW(loaded = reader.Load(package));
    }
    EXPECT_FALSE(loaded);
    EXPECT_EQ(reader.RejectReason(),
              "The skin package is too large to expand: it needs 62914560 bytes, "
              "more memory than can be had");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], reader.RejectReason());
    EXPECT_EQ(reader.Count(), 0u);
}

// With the memory there, the same reader goes on to read the next package.
TEST(SkinReaderMemory, TheReaderWorksAgainOnceMemoryIsThere) {
    TSkinReader reader;
    {
        const TMemoryShort shortage(16u << 20);
        EXPECT_NO_THROW(reader.Load(SixtyMegabytePackage()));
    }
    EXPECT_FALSE(reader.RejectReason().empty());
    ASSERT_TRUE(reader.Load(BuildPackage({{"a.ini", {'[', 'A', ']'}}})));
    EXPECT_EQ(reader.Names(), std::vector<std::string>{"a.ini"});
}

} // namespace
