// What the command line needs from the system: the arguments as UTF-8 and a
// standard output that writes bytes unchanged (no CR added on Windows).
#pragma once

#include <string>
#include <vector>

std::vector<std::string> Utf8Arguments(int argc, char** argv);
void UseBinaryStdout();
