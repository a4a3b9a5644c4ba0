#include "toolkit/DesignReader.h"
#include "tests/toolkit/Probe.h"
#include "toolkit/Properties.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace tk;
using probe::Probe;
using probe::ProbeRoot;

namespace {

struct Fixture : ::testing::Test {
    std::vector<std::string> journal;
    ClassRegistry classes;
    ProbeRoot root;
    Fixture() {
        classes.Register("TProbe", [this](Component* owner) -> Component* {
            return new Probe(owner, &journal);
        });
        root.SetName("Root");
    }
    void Read(const std::string& text) { DesignReader(classes, "Test").Read(root, text); }
    std::string ErrorOf(const std::string& text) {
        try {
            Read(text);
        } catch (const std::runtime_error& e) {
            return e.what();
        }
        return "no error";
    }
    Probe& Get(const char* name) { return *static_cast<Probe*>(root.FindComponent(name)); }
};

using Design = Fixture;

} // namespace

TEST_F(Design, PropertiesThenBinaryThenChildrenThenLoadedForAll) {
    Read(R"(object Root: TProbeRoot
  object P1: TProbe
    Blob = {0102 03}        // written first, read after the published ones
    Active = True
    Title = 'it''s'
    Buddy = P2
    object P3: TProbe
      Active = False
    end
  end
  object P2: TProbe
  end
end)");
    EXPECT_EQ(journal, (std::vector<std::string>{"P1 in Root", "P1.Active while loading",
                                                 "P1.Blob after Title=it's", "P3 in P1",
                                                 "P3.Active while loading", "P2 in Root",
                                                 "P1.Loaded buddy=P2", "P3.Loaded", "P2.Loaded"}));
    EXPECT_EQ(Get("P1").blob, (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(Get("P1").IsLoading());
    // Every object is owned by the root, whatever its nesting.
    EXPECT_EQ(Get("P3").Owner(), &root);
}

TEST_F(Design, ValuesOfEveryKind) {
    int pinged = 0;
    root.methods.emplace_back("DoPing", NotifyEvent([&](Component&) { ++pinged; }));
    Read(R"(object Root: TProbeRoot
  object P: TProbe
    Tone = shMedium
    Count = $FF00000F
    Title = '霓虹Kanvio'
    Flavours = [flSweet, flBitter]
    Lines = ('a' 'b', 'c')
    Knob.Turns = -3
    Knob.Data = {FF}
    OnPing = DoPing
    Entries = <
      item
        Text = 'one'
      end
      item
        Text = 'two'
      end>
  end
end)");
    Probe& p = Get("P");
    EXPECT_EQ(p.Tone(), probe::Shade::Medium);
    EXPECT_EQ(static_cast<uint32_t>(p.Count()), 0xFF00000Fu);
    EXPECT_EQ(p.Title(), "霓虹Kanvio");
    EXPECT_EQ(p.Flavours(), uint32_t(probe::Sweet | probe::Bitter));
    EXPECT_EQ(p.Lines(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(p.GetKnob().Turns(), -3);
    EXPECT_EQ(p.GetKnob().data, (std::vector<std::uint8_t>{0xFF}));
    ASSERT_EQ(p.Entries().size(), 2u);
    EXPECT_EQ(p.Entries()[1].Text(), "two");
    p.OnPing(p);
    EXPECT_EQ(pinged, 1);
}

TEST_F(Design, IntegerIdentifiersAndTheRootAsReference) {
    Read("object Root: TProbeRoot\n object P: TProbe\n  Count = cnMany\n end\nend");
    EXPECT_EQ(Get("P").Count(), 1000);
}

TEST_F(Design, ErrorsNameTheSourceAndLine) {
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n  object X: TNothing\n  end\nend"),
              "design Test, line 2: class TNothing is not registered");
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  Colour = 1\n end\nend"),
              "design Test, line 3: a TProbe has no property 'Colour'");
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  Title = 5\n end\nend"),
              "design Test, line 3: property 'Title' cannot take this value");
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  Buddy = Q\n end\nend"),
              "design Test, line 3: no component named 'Q'");
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  OnPing = Missing\n end\nend"),
              "design Test, line 3: no method named 'Missing' for OnPing");
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  Nope = {00}\n end\nend"),
              "design Test, line 3: a TProbe stores no binary property 'Nope'");
    EXPECT_EQ(
        ErrorOf("object Root: TProbeRoot\n object P: TProbe\n end\n object p: TProbe\n end\nend"),
        "design Test, line 4: p: a component named 'p' already exists");
}

TEST_F(Design, AFailedReadFreesWhatItCreated) {
    EXPECT_NE(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  object Q: TProbe\n  end\n "
                      " Title = 5\n end\nend"),
              "no error");
    EXPECT_TRUE(root.Components().empty());
    EXPECT_FALSE(root.IsLoading());
}

TEST_F(Design, AMethodOfAnotherShapeIsRefused) {
    root.methods.emplace_back("Hover", MouseMoveEvent([](Component&, ShiftState, int, int) {}));
    EXPECT_EQ(ErrorOf("object Root: TProbeRoot\n object P: TProbe\n  OnPing = Hover\n end\nend"),
              "design Test, line 3: the handler does not fit event 'OnPing'");
}

TEST(DesignText, MalformedTextIsReportedWithItsLine) {
    auto error = [](const std::string& text) {
        try {
            ParseDesign(text, "T");
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(error("object A: TB\n  X = 'open\nend"),
              "design T, line 2: string not closed on its line");
    EXPECT_EQ(error("object A: TB\n  X = {123}\nend"),
              "design T, line 2: odd number of digits in a binary block");
    EXPECT_EQ(error("object A: TB\n  X = {12 zz}\nend"), "design T, line 2: 'z' in a binary block");
    EXPECT_EQ(error("object A: TB\n  X = 1\n"),
              "design T, line 3: 'end' expected before the end of the text");
    EXPECT_EQ(error("object A: TB\nend\nend"), "design T, line 3: text after the last 'end'");
    EXPECT_EQ(error("object A: TB\n X = $1FFFFFFFF\nend"), "design T, line 2: number out of range");
    EXPECT_EQ(error("object A TB\nend"), "design T, line 1: ':' expected");
    EXPECT_EQ(error(""), "design T, line 1: 'object' expected");
}

TEST(DesignText, DeepNestingIsRefusedNotOverflowed) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += "object A" + std::to_string(i) + ": TB\n";
    }
    for (int i = 0; i < 100; ++i) {
        text += "end\n";
    }
    EXPECT_THROW(ParseDesign(text, "T"), std::runtime_error);
    std::string lists = "object A: TB\n X = " + std::string(10000, '(') + "\nend";
    EXPECT_THROW(ParseDesign(lists, "T"), std::runtime_error);
}

TEST(DesignText, ByteOrderMarkAndCommentsAreSkipped) {
    DesignObject o =
        ParseDesign("\xEF\xBB\xBF// heading\nobject A: TB // c\n X = -5 // c\nend", "T");
    EXPECT_EQ(o.name, "A");
    ASSERT_EQ(o.properties.size(), 1u);
    EXPECT_EQ(o.properties[0].value.integer, -5);
}
