// The command line of a program skinrun starts: each argument quoted so that
// the program's own parsing (the C runtime's, CommandLineToArgvW) reads back
// exactly the argument given. Portable, tested natively too.
#pragma once

#include <string>
#include <vector>

namespace skinrun {

// One argument as a command line writes it: unchanged when it has no
// blank, tab or quote; otherwise in quotes, with quotes and the backslashes
// before them escaped.
std::wstring QuoteArgument(const std::wstring& argument);

// The program and its arguments, each quoted, separated by blanks.
std::wstring BuildCommandLine(const std::vector<std::wstring>& words);

} // namespace skinrun
