// The arguments skinrun passes on reach the program exactly as given: the
// command line it builds, split again by the system's own reader.
#include "tools/skinrun/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> SplitBySystem(const std::wstring& line) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> split(words, words + count);
    LocalFree(words);
    return split;
}

TEST(SkinrunCommandLine, EveryArgumentReachesTheProgramAsGiven) {
    const std::vector<std::vector<std::wstring>> cases = {
        {L"notepad.exe"},
        {L"C:\\Program Files\\Tool\\tool.exe", L"a b", L"plain"},
        {L"prog", L"say \"hi\"", L"ends with\\", L"ends with space\\ ", L"\\\\server\\share"},
        {L"prog", L"", L"\t", L"trailing backslashes\\\\"},
        {L"prog", L"\\\"", L"a\\\\\"b", L"文件 名.txt"},
    };
    for (const std::vector<std::wstring>& words : cases) {
        EXPECT_EQ(SplitBySystem(skinrun::BuildCommandLine(words)), words)
            << std::string(words.size(), '*');
    }
}

TEST(SkinrunCommandLine, WordsWithoutSpecialCharactersStandAsTheyAre) {
    EXPECT_EQ(skinrun::QuoteArgument(L"C:\\dir\\file.txt"), L"C:\\dir\\file.txt");
    EXPECT_EQ(skinrun::QuoteArgument(L""), L"\"\"");
    EXPECT_EQ(skinrun::QuoteArgument(L"a b\\"), L"\"a b\\\\\"");
}

} // namespace
