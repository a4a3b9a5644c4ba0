// The package reader: entry lookup, the names block's line rules, the
// version notice, and refusal of damaged packages.
#include "tools/skinpack/LzhEncoder.h"
#include "tests/skinpkg/PackageBytes.h"
#include "tools/skinpack/PackageWriter.h"
#include "skin/SkinRead/Lzh.h"
#include "skin/SkinRead/SkinReader.h"

#include <gtest/gtest.h>

#include <random>

using testbytes::Bytes;
using testbytes::Container;
using testbytes::Text;
using namespace std::string_view_literals;

namespace {

// A reader that records what it would show the user.
struct TReaderFixture : ::testing::Test {
    std::vector<std::string> notices;
    TSkinReader reader{[this](const std::string& text) { notices.push_back(text); }};

    bool LoadContainer(const std::vector<std::uint8_t>& container) {
        return reader.Load(LzhCompress(container));
    }

    std::string Entry(std::string_view name) {
        std::vector<std::uint8_t> out{'s', 't', 'a', 'l', 'e'};
        reader.GetEntry(name, out);
        return Text(out);
    }
};

std::vector<TPackageEntry> SampleEntries() {
    return {{"Neon__top.bmp", Bytes("BMtop")},
            {"Bottom.bmp", Bytes("BMbottom")},
            {"empty.bmp", {}},
            {"Neon.ini", Bytes("[TitlebarSkin]\r\nSkinName=Neon\r\n")}};
}

} // namespace

using SkinReaderEntries = TReaderFixture;

TEST_F(SkinReaderEntries, GetEntryIgnoresCaseButNotFolders) {
    ASSERT_TRUE(reader.Load(BuildPackage(SampleEntries())));
    EXPECT_EQ(reader.Count(), 4u);
    EXPECT_EQ(reader.Names()[0], "neon__top.bmp");
    EXPECT_EQ(Entry("Bottom.BMP"), "BMbottom");
    EXPECT_EQ(Entry("bottom.bmp"), "BMbottom");
    EXPECT_EQ(Entry("NEON__TOP.bmp"), "BMtop");
    // Entry names have no folder part; the caller strips it.
    EXPECT_EQ(Entry("Neon\\Bottom.bmp"), "");
    EXPECT_EQ(Entry("missing.bmp"), "");
    EXPECT_EQ(Entry("empty.bmp"), "");
    EXPECT_TRUE(notices.empty());
}

TEST_F(SkinReaderEntries, GetEntryContainingComparesTheTextAsGiven) {
    ASSERT_TRUE(reader.Load(BuildPackage(SampleEntries())));
    std::vector<std::uint8_t> out{'x'};
    std::string name = "unchanged";
    EXPECT_FALSE(reader.GetEntryContaining(".INI", out, name));
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");

    EXPECT_TRUE(reader.GetEntryContaining(".ini", out, name));
    EXPECT_EQ(name, "neon.ini");
    EXPECT_EQ(Text(out), "[TitlebarSkin]\r\nSkinName=Neon\r\n");
    // The first entry that contains the text wins.
    EXPECT_TRUE(reader.GetEntryContaining(".bmp", out, name));
    EXPECT_EQ(name, "neon__top.bmp");
}

TEST_F(SkinReaderEntries, FirstOfTwoEqualNamesAndTrailingBytesNeverReturned) {
    ASSERT_TRUE(LoadContainer(Container(20000, "a.bmp\r\nA.BMP\r\nb.ini\r\n", {2, 3, 1},
                                        "11222"
                                        "3"
                                        "trailing")));
    EXPECT_EQ(Entry("a.bmp"), "11");
    EXPECT_EQ(Entry("b.ini"), "3");
    std::vector<std::uint8_t> out;
    std::string name;
    reader.GetEntryContaining("a", out, name);
    EXPECT_EQ(Text(out), "11");
}

TEST_F(SkinReaderEntries, NamesBlockLineRules) {
    struct TCase {
        std::string_view block;
        std::vector<std::string> names;
    };
    const TCase cases[] = {
        {"a\r\nb\r\n"sv, {"a", "b"}},
        {"a\rb\nc"sv, {"a", "b", "c"}},       // CR, LF, and a last line without an end
        {"a\r\n\r\nb\r\n"sv, {"a", "", "b"}}, // an empty line is an entry with an empty name
        {"a\n\r"sv, {"a", ""}},               // LF then CR is two line ends
        {"a\r\nb\0c\r\n"sv, {"a", "b"}},      // NUL ends the block
        {"\r\n"sv, {""}},
        {""sv, {}},
        {"MiXeD.BMP\r\n"sv, {"mixed.bmp"}},
    };
    for (const TCase& c : cases) {
        const std::string block(c.block.data(), c.block.size());
        std::vector<std::uint8_t> container = Container(20000, block, {}, "");
        // One size per expected entry, all empty.
        const std::size_t tableAt = 16 + block.size();
        container.insert(container.begin() + static_cast<std::ptrdiff_t>(tableAt),
                         4 * c.names.size(), 0);
        ASSERT_TRUE(LoadContainer(container)) << reader.RejectReason();
        EXPECT_EQ(reader.Names(), c.names) << testing::PrintToString(block);
    }
}

TEST_F(SkinReaderEntries, ReloadReplacesEverything) {
    ASSERT_TRUE(reader.Load(BuildPackage(SampleEntries())));
    ASSERT_TRUE(reader.Load(BuildPackage({{"other.ini", Bytes("x")}})));
    EXPECT_EQ(reader.Count(), 1u);
    EXPECT_EQ(Entry("bottom.bmp"), "");
}

using SkinReaderVersion = TReaderFixture;

TEST_F(SkinReaderVersion, OtherVersionsShowTheNoticeOncePerLoad) {
    for (std::uint32_t version : {19999u, 20001u, 0u, 0x4E20u << 8}) {
        notices.clear();
        EXPECT_FALSE(LoadContainer(Container(version, "a.bmp\r\n", {1}, "x")));
        ASSERT_EQ(notices.size(), 1u) << version;
        EXPECT_EQ(notices[0], "This is Older Skin File\rPlease update to new version !");
        EXPECT_EQ(reader.Count(), 0u);
        EXPECT_EQ(Entry("a.bmp"), "");
    }
}

TEST_F(SkinReaderVersion, ReaderWithoutSinkStaysQuiet) {
    TSkinReader quiet;
    EXPECT_FALSE(quiet.Load(LzhCompress(Container(1, "", {}, ""))));
    EXPECT_EQ(quiet.RejectReason(), TSkinReader::OlderPackageNotice);
}

using SkinReaderDamage = TReaderFixture;

namespace {

void ExpectRejected(TReaderFixture& f, const std::vector<std::uint8_t>& compressed,
                    std::string_view reasonPart) {
    f.notices.clear();
    EXPECT_FALSE(f.reader.Load(compressed));
    EXPECT_NE(f.reader.RejectReason().find(reasonPart), std::string::npos)
        << f.reader.RejectReason();
    ASSERT_EQ(f.notices.size(), 1u);
    EXPECT_EQ(f.notices[0], f.reader.RejectReason());
    EXPECT_EQ(f.reader.Count(), 0u);
}

} // namespace

TEST_F(SkinReaderDamage, RefusesLayoutsThatRunPastTheEnd) {
    ExpectRejected(*this, LzhCompress({}), "too few for the 16-byte header");
    ExpectRejected(*this, LzhCompress(Bytes("0123456789abcde")), "16-byte header");
    // Names block longer than what follows the header.
    auto container = Container(20000, "a.bmp\r\n", {1}, "x");
    container[4] = 200;
    ExpectRejected(*this, LzhCompress(container), "names block of 200 bytes");
    // Size table cut short.
    ExpectRejected(*this, LzhCompress(Container(20000, "a\r\nb\r\n", {}, "\1\0\0")),
                   "table of 2 entry sizes");
    // Entries past the data area: plain overrun, a size of 2^32 - 1 (negative
    // when taken as signed), and sums that wrap around in 32 bits.
    ExpectRejected(*this, LzhCompress(Container(20000, "a\r\nb\r\n", {2, 3}, "1122")),
                   "entry \"b\" of 3 bytes");
    ExpectRejected(*this, LzhCompress(Container(20000, "a\r\n", {0xFFFFFFFF}, "xx")),
                   "runs past the end of the data area");
    ExpectRejected(*this,
                   LzhCompress(Container(20000, "a\r\nb\r\n", {0x80000000, 0x80000001}, "x")),
                   "entry \"a\"");
}

TEST_F(SkinReaderDamage, EntryCountAgainstTheTableCapacity) {
    std::string names;
    for (int i = 0; i < 1001; ++i) {
        names.append("e").append(std::to_string(i)).append("\r\n");
    }
    std::vector<std::uint8_t> full = Container(20000, names, {}, "");
    full.insert(full.end(), 4 * 1001, 0);
    EXPECT_TRUE(LoadContainer(full)) << reader.RejectReason();
    EXPECT_EQ(reader.Count(), 1001u);

    names += "one-too-many\r\n";
    std::vector<std::uint8_t> over = Container(20000, names, {}, "");
    over.insert(over.end(), 4 * 1002, 0);
    ExpectRejected(*this, LzhCompress(over), "more than the 1001 entries");
}

TEST_F(SkinReaderDamage, RefusesHugeStatedSizeBeforeExpanding) {
    // Four bytes claiming 1 GiB: refused at once, nothing decoded.
    ExpectRejected(*this, {0, 0, 0, 0x40}, "1073741824 bytes");
    ExpectRejected(*this, {1, 0, 0, 4}, "67108865 bytes");
}

TEST_F(SkinReaderDamage, RefusesStatedSizeTheCodedBytesCannotReach) {
    // Six bytes of code cannot make 4096 bytes: a file cut short.
    ExpectRejected(*this, {0x00, 0x10, 0, 0, 1, 2, 3, 4, 5, 6}, "cut short");
    ExpectRejected(*this, {1, 0, 0, 0}, "cut short");
    // The most compressible package there is still fits the bound.
    const std::vector<std::uint8_t> zeros(1 << 20, 0);
    const auto package = BuildPackage({{"zeros.bmp", zeros}, {"z.ini", {}}});
    EXPECT_GT(TLZH::StatedSize(package), 40 * static_cast<std::int32_t>(package.size()));
    ASSERT_TRUE(reader.Load(package)) << reader.RejectReason();
    EXPECT_EQ(Entry("zeros.bmp").size(), zeros.size());
}

TEST_F(SkinReaderDamage, TruncatedStreamDecodesWithZerosInPlaceOfTheMissingBits) {
    std::vector<std::uint8_t> noise(5000);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    }
    auto package = BuildPackage({{"a.ini", Bytes("[A]\r\nKey=1\r\n")}, {"b.bmp", noise}});
    package.resize(package.size() * 3 / 5);
    // The header, names and sizes come first and survive; the cut-off part
    // of the last entry decodes from zero bits, never from out of range.
    ASSERT_TRUE(reader.Load(package)) << reader.RejectReason();
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.ini", "b.bmp"}));
    EXPECT_EQ(Entry("a.ini"), "[A]\r\nKey=1\r\n");
    EXPECT_EQ(Entry("b.bmp").size(), noise.size());
    EXPECT_NE(Entry("b.bmp"), Text(noise));
    // It still loads, but says so: only the first entry came whole.
    EXPECT_TRUE(reader.CutShort());
    EXPECT_EQ(reader.WholeEntries(), 1u);
}

TEST_F(SkinReaderDamage, TellsWhichEntriesCameWhole) {
    std::vector<std::uint8_t> noise(3000);
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    }
    const auto whole = BuildPackage({{"a.bmp", noise}, {"b.bmp", noise}, {"c.ini", {}}});
    ASSERT_TRUE(reader.Load(whole));
    EXPECT_FALSE(reader.CutShort());
    EXPECT_EQ(reader.WholeEntries(), 3u);
    // One byte less: the last bits of the last entry are missing.
    ASSERT_TRUE(reader.Load(std::span(whole).first(whole.size() - 1)));
    EXPECT_TRUE(reader.CutShort());
    EXPECT_EQ(reader.WholeEntries(), 1u) << "b.bmp lost its end; the empty c.ini follows it";
    // Cut inside the names: what the zero bits decode to makes no table.
    std::string longName;
    std::mt19937 random(5);
    for (int i = 0; i < 2000; ++i) {
        longName += static_cast<char>('a' + random() % 26);
    }
    const auto named = BuildPackage({{longName + ".bmp", std::vector<std::uint8_t>(1000, 0)}});
    EXPECT_FALSE(reader.Load(std::span(named).first(200)));
    EXPECT_TRUE(reader.CutShort());
    EXPECT_EQ(reader.WholeEntries(), 0u);
    // Cut so short it cannot even reach its stated size: refused, and cut short.
    EXPECT_FALSE(reader.Load(std::vector<std::uint8_t>{0x00, 0x10, 0, 0, 1}));
    EXPECT_TRUE(reader.CutShort());
}
