// The skin INI reader: which lines it keeps, how sections and keys are
// matched, and how integers are read.
#include "tests/skinpkg/PackageBytes.h"
#include "skin/WinSkinIni.h"

#include <gtest/gtest.h>

using skin::ParseIniInteger;
using skin::TQuickIni;
using testbytes::Bytes;

namespace {

TQuickIni Ini(std::string_view text) {
    TQuickIni ini;
    ini.LoadFromStream(Bytes(text));
    return ini;
}

} // namespace

TEST(QuickIniLines, KeepsTrimmedLinesWithoutCommentsOrBlanks) {
    const TQuickIni ini = Ini("  [Buttons]  \r\n\t\r\n; a comment\r\n  ;indented comment\n"
                              "# not a comment\rImage = b.bmp ;x\r\n\x01\x02 \r\n");
    EXPECT_EQ(ini.Lines(),
              (std::vector<std::string>{"[Buttons]", "# not a comment", "Image = b.bmp ;x"}));
}

TEST(QuickIniLines, NulEndsTheTextAndReloadReplaces) {
    TQuickIni ini = Ini(std::string_view("[A]\r\nk=1\r\n\0[B]\r\nk=2\r\n", 22));
    EXPECT_EQ(ini.FindSection("B"), -1);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    ini.LoadFromStream(Bytes("[B]\nk=2\n"));
    EXPECT_EQ(ini.FindSection("A"), -1);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
}

TEST(QuickIniSections, FoundWhateverTheirCaseButSpacesMustMatch) {
    const TQuickIni ini = Ini("k=outside\n[PERSONALITY]\nMenuBar=m.bmp\n[ Spaced ]\nk=s\n"
                              "[Dup]\nk=first\n[dup]\nk=second\n[]\nk=empty name\n");
    EXPECT_EQ(ini.FindSection("personality"), 1);
    EXPECT_EQ(ini.ReadString("Personality", "menubar", ""), "m.bmp");
    EXPECT_EQ(ini.FindSection("Spaced"), -1);
    EXPECT_EQ(ini.ReadString(" spaced ", "k", ""), "s");
    // Only the first of two sections with the same name is searched.
    EXPECT_EQ(ini.ReadString("DUP", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("", "k", ""), "empty name");
    // A key before the first header belongs to no section.
    EXPECT_EQ(ini.FindSection("Nope"), -1);
    EXPECT_EQ(ini.ReadString("Nope", "k", "def"), "def");

    std::vector<std::string> names{"stale"};
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"PERSONALITY", "Spaced", "Dup", "dup", ""}));
}

TEST(QuickIniKeys, MatchingTrimmingAndEquals) {
    const TQuickIni ini = Ini("[S]\n  TopHeight   =   12   \nUrl=a=b=c\nEmpty=\nQuoted=\"x\";\n"
                              "NoEquals\nTwice=\nTwice=second\nLater=1\n[Next]\nAfter=2\n");
    for (const char* key : {"TopHeight", "topheight", "TOPHEIGHT", "tOpHeIgHt"}) {
        EXPECT_EQ(ini.ReadString("s", key, ""), "12") << key;
    }
    EXPECT_EQ(ini.ReadString("S", "Url", ""), "a=b=c");
    EXPECT_EQ(ini.ReadString("S", "Empty", "def"), "def");
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), "\"x\";");
    EXPECT_EQ(ini.ReadString("S", "NoEquals", "def"), "def");
    // The first of two equal keys decides, even with an empty value.
    EXPECT_EQ(ini.ReadString("S", "Twice", "def"), "def");
    // The search stops at the next header.
    EXPECT_EQ(ini.ReadString("S", "After", "def"), "def");
    EXPECT_EQ(ini.ReadString("Next", "after", ""), "2");
}

TEST(QuickIniKeys, EmptyReaderAndEmptyKeyGiveTheDefault) {
    EXPECT_EQ(Ini("").ReadString("S", "k", "def"), "def");
    EXPECT_EQ(Ini("[S]\n=value\n").ReadString("S", "", "def"), "def");
    EXPECT_EQ(Ini("[S]\n").ReadInteger("S", "k", 7), 7);
}

TEST(QuickIniIntegers, DecimalHexAndFailures) {
    const TQuickIni ini =
        Ini("[N]\nhex0x=0x1F\nhexX=0X1f\nhexDollar=$1F\nhexx=x1F\nneg=-5\nplus=+42\n"
            "colour=255 0 128\nletters=12abc\nmax=2147483647\nmin=-2147483648\nover=2147483648\n"
            "under=-2147483649\nallF=$FFFFFFFF\nnine=$123456789\nzeros=$000000001\n"
            "neghex=-$1\nbare=$\nbare0x=0x\nsign=-\nspace=1 2\nlead0=007\nnegzero0x=-0x5\n");
    const std::int32_t d = -99;
    EXPECT_EQ(ini.ReadInteger("N", "hex0x", d), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hexX", d), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hexDollar", d), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hexx", d), 31);
    EXPECT_EQ(ini.ReadInteger("N", "neg", d), -5);
    EXPECT_EQ(ini.ReadInteger("N", "plus", d), 42);
    EXPECT_EQ(ini.ReadString("N", "colour", ""), "255 0 128");
    EXPECT_EQ(ini.ReadInteger("N", "colour", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "letters", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "max", d), 2147483647);
    EXPECT_EQ(ini.ReadInteger("N", "min", d), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("N", "over", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "under", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "allF", d), -1);
    EXPECT_EQ(ini.ReadInteger("N", "nine", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "zeros", d), 1);
    EXPECT_EQ(ini.ReadInteger("N", "neghex", d), -1);
    EXPECT_EQ(ini.ReadInteger("N", "bare", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "bare0x", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "sign", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "space", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "lead0", d), 7);
    // "0x" is only a prefix at the very start.
    EXPECT_EQ(ini.ReadInteger("N", "negzero0x", d), d);
    EXPECT_EQ(ini.ReadInteger("N", "missing", d), d);
}

TEST(QuickIniText, BytesAboveAsciiAreKeptAndNeverCaseFolded) {
    // GBK bytes in names and values pass through unchanged; only A-Z fold.
    const std::string name = "\xC4\xDE\xBA\xE7";
    const TQuickIni ini = Ini("[" + name + "Skin]\nTitle=" + name + "\n");
    EXPECT_EQ(ini.ReadString(name + "SKIN", "title", ""), name);
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, std::vector<std::string>{name + "Skin"});
}
