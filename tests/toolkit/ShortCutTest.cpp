// Shortcut texts both ways, over every key and modifier combination.
#include "toolkit/ShortCut.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(ShortCut, EveryNamedKeyWithEveryModifierSurvivesTheRoundTrip) {
    const int modifierSets[] = {0,
                                tk::scShift,
                                tk::scCtrl,
                                tk::scAlt,
                                tk::scShift | tk::scCtrl,
                                tk::scShift | tk::scAlt,
                                tk::scCtrl | tk::scAlt,
                                tk::scShift | tk::scCtrl | tk::scAlt};
    std::set<std::string> names;
    for (int key = 0; key < 256; ++key) {
        const std::string name = tk::ShortCutToText(key);
        for (int modifiers : modifierSets) {
            const int shortCut = modifiers | key;
            const std::string text = tk::ShortCutToText(shortCut);
            // A key without a name has no text, whatever the modifiers.
            EXPECT_EQ(text.empty(), name.empty()) << key;
            if (!text.empty()) {
                EXPECT_EQ(tk::TextToShortCut(text), shortCut) << text;
            }
        }
        if (!name.empty()) {
            EXPECT_TRUE(names.insert(name).second) << "two keys named " << name;
        }
    }
    // Letters, digits, F1-F24, the editing, cursor and number pad keys and
    // at least the punctuation of a US layout.
    EXPECT_GE(names.size(), 36u + 24u + 16u + 15u + 10u);
}

TEST(ShortCut, TextsReadAsAUserWritesThem) {
    EXPECT_EQ(tk::ShortCutToText(tk::scShift | VK_F4), "Shift+F4");
    EXPECT_EQ(tk::ShortCutToText(tk::scCtrl | tk::scShift | 'S'), "Ctrl+Shift+S");
    EXPECT_EQ(tk::ShortCutToText(tk::scAlt | VK_DELETE), "Alt+Del");
    EXPECT_EQ(tk::ShortCutToText(VK_NUMPAD7), "Num 7");
    EXPECT_EQ(tk::ShortCutToText(0), "");
    EXPECT_EQ(tk::TextToShortCut("Shift+F4"), tk::scShift | VK_F4);
    EXPECT_EQ(tk::TextToShortCut("alt+SHIFT+f4"), tk::scShift | tk::scAlt | VK_F4);
    EXPECT_EQ(tk::TextToShortCut("Ctrl+PgDn"), tk::scCtrl | VK_NEXT);
    EXPECT_EQ(tk::TextToShortCut("Q"), 'Q');
    for (const char* bad :
         {"", "Shift+", "Ctrl+Ctrl+A", "F25", "Ctrl+Foo", "Shift+F4 ", "+F4", "Ctrl-S", "Num 10"}) {
        EXPECT_EQ(tk::TextToShortCut(bad), 0) << bad;
    }
}
