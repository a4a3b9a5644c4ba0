// catalogue: the command-line face of the catalogue library.
//   catalogue tables FILE [--password P]
//   catalogue dump FILE TABLE [--password P]     (CSV as mdb-export prints it)
//   catalogue query FILE --password P SQL        (CSV of the result)
//   catalogue build CSV OUT.mdb --table NAME --password P [--page-key N]
#include "catalogue/CsvExport.h"
#include "catalogue/Database.h"
#include "catalogue/JetWriter.h"
#include "tools/catalogue/ToolPlatform.h"

#include "base/Path.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

using namespace catalogue;

const char Usage[] =
    "usage: catalogue tables FILE [--password P]\n"
    "       catalogue dump FILE TABLE [--password P]\n"
    "       catalogue query FILE --password P SQL\n"
    "       catalogue build CSV OUT.mdb --table NAME --password P [--page-key N]\n";

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
};

// Splits "--name value" pairs from positional arguments; false on a bad
// option or one without its value.
bool SplitArguments(const std::vector<std::string>& args, Arguments& out) {
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--password" || arg == "--table" || arg == "--page-key") {
            if (i + 1 >= args.size()) {
                return false;
            }
            out.options[arg.substr(2)] = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            out.positional.push_back(arg);
        }
    }
    return true;
}

Database OpenDatabase(const std::string& path, const std::string& password) {
    JetFile file = JetFile::Load(path);
    file.CheckPassword(password);
    try {
        return Database(std::move(file));
    } catch (const ECorruptData&) {
        throw ECatalogueError(CorruptFileMessage(path));
    }
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(base::PathFromUtf8(path), std::ios::binary);
    if (!in) {
        throw ECatalogueError("Could not find file '" + path + "'.");
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

uint32_t ParsePageKey(const std::string& text) {
    size_t used = 0;
    unsigned long value = std::stoul(text, &used, 0);
    if (used != text.size() || value > 0xFFFFFFFFul) {
        throw ECatalogueError("--page-key needs a 32-bit number.");
    }
    return static_cast<uint32_t>(value);
}

// Output is collected first so that a failure midway prints nothing but
// the error.
int Run(const Arguments& a) {
    const std::vector<std::string>& p = a.positional;
    auto option = [&](const std::string& name) {
        auto found = a.options.find(name);
        return found == a.options.end() ? std::string() : found->second;
    };
    std::ostringstream out;
    if (p.size() == 2 && p[0] == "tables") {
        Database database = OpenDatabase(p[1], option("password"));
        for (const std::string& name : database.UserTableNames()) {
            out << name << '\n';
        }
    } else if (p.size() == 3 && p[0] == "dump") {
        Database database = OpenDatabase(p[1], option("password"));
        try {
            WriteTableCsv(database, p[2], out);
        } catch (const ECorruptData&) {
            throw ECatalogueError(CorruptFileMessage(p[1]));
        }
    } else if (p.size() == 3 && p[0] == "query" && a.options.count("password") != 0) {
        Database database = OpenDatabase(p[1], option("password"));
        SqlSelect select = ParseSelect(p[2]);
        try {
            WriteResultCsv(database.File(), RunSelect(database, select), out);
        } catch (const ECorruptData&) {
            throw ECatalogueError(CorruptFileMessage(p[1]));
        }
    } else if (p.size() == 3 && p[0] == "build" && a.options.count("table") != 0 &&
               a.options.count("password") != 0) {
        WriterOptions options;
        options.tableName = option("table");
        options.password = option("password");
        if (a.options.count("page-key") != 0) {
            options.pageKey = ParsePageKey(option("page-key"));
        }
        WriteFileBytes(p[2], BuildDatabase(ParseCsv(ReadTextFile(p[1])), options));
    } else {
        std::cerr << Usage;
        return 2;
    }
    std::cout << out.str();
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    UseBinaryStdout();
    Arguments arguments;
    if (!SplitArguments(Utf8Arguments(argc, argv), arguments)) {
        std::cerr << Usage;
        return 2;
    }
    try {
        return Run(arguments);
    } catch (const std::exception& error) {
        std::cerr << "catalogue: " << error.what() << '\n';
        return 1;
    }
}
