#include "tests/e2e/WineSession.h"

#include "tests/e2e/Desktop.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace e2e {
namespace {

using namespace std::chrono_literals;

// A copy of the prefix takes under a second; a loaded machine may take ten.
constexpr auto CopyLimit = 120s;
constexpr auto ServerEndLimit = 20s;

const char* const Wine = "/usr/lib/wine/wine64";
const char* const WineServer = "/usr/lib/wine/wineserver";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << text)) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// A name or value as the registry file writes it.
std::string RegistryQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string FromEnvironment(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

} // namespace

fs::path WindowsTree() {
    return FromEnvironment("KANVIO_WINDOWS_TREE", KANVIO_E2E_WINDOWS_TREE);
}

fs::path PrefixTemplate() {
    return FromEnvironment("KANVIO_WINEPREFIX", KANVIO_E2E_WINEPREFIX);
}

WineSession::WineSession(const Desktop& desktop, const fs::path& folder)
    : folder_(folder), prefix_(folder / "prefix"), display_(desktop.Name()) {
    const fs::path source = PrefixTemplate();
    if (!fs::exists(source / ".kanvio-ready")) {
        throw std::runtime_error("no Wine prefix in " + source.string() + " (run scripts/setup)");
    }
    if (RunToEnd({"cp", "-a", source.string(), prefix_.string()}, EnvironmentWith({}), CopyLimit) !=
        0) {
        throw std::runtime_error("cannot copy the Wine prefix to " + prefix_.string());
    }
    // No window manager runs on the journey's display: windows that wait for
    // one (managed ones) would take seconds to close, never get focus from
    // it and never be moved or sized by it; every program's windows are
    // Wine's own to manage.
    SetUserString("Software\\Wine\\X11 Driver", "Managed", "N");
    SetUserString("Software\\Wine\\AppDefaults\\Kanvio.exe\\X11 Driver", "Managed", "N");
    const fs::path browser = folder_ / "browser.sh";
    WriteFile(browser,
              "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + (folder_ / "browser.log").string() + "'\n");
    fs::permissions(browser, fs::perms::owner_all);
    SetUserString("Software\\Wine\\WineBrowser", "Browsers", browser.string());
}

WineSession::~WineSession() {
    try {
        if (started_) {
            RunToEnd({WineServer, "-k"}, Variables(), ServerEndLimit);
            RunToEnd({WineServer, "-w"}, Variables(), ServerEndLimit);
        }
    } catch (const std::exception&) {
        // A server that will not end goes with its display; the copy is
        // removed all the same.
    }
    std::error_code ignored;
    fs::remove_all(prefix_, ignored);
}

void WineSession::SetUserString(const std::string& key, const std::string& name,
                                const std::string& value) {
    if (started_) {
        throw std::logic_error("the registry is written before a program starts");
    }
    const fs::path file = prefix_ / "user.reg";
    std::string text = ReadFile(file);
    std::string header = "[";
    for (char c : key) {
        header += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    header += "]";
    const std::string line = (name.empty() ? std::string("@") : RegistryQuoted(name)) + "=" +
                             RegistryQuoted(value) + "\n";
    size_t at = text.find("\n" + header + " ");
    if (at == std::string::npos) {
        text += "\n" + header + " " + std::to_string(std::time(nullptr)) + "\n" + line;
    } else {
        size_t body = text.find('\n', at + 1) + 1;
        while (body < text.size() && text[body] == '#') { // the key's options (#time=...)
            body = text.find('\n', body) + 1;
        }
        size_t end = text.find("\n\n", body);
        end = end == std::string::npos ? text.size() : end + 1;
        const size_t existing = text.find("\n" + RegistryQuoted(name) + "=", body - 1);
        if (existing != std::string::npos && existing < end) {
            const size_t lineEnd = text.find('\n', existing + 1);
            text.replace(existing + 1, lineEnd + 1 - (existing + 1), line);
        } else {
            text.insert(body, line);
        }
    }
    WriteFile(file, text);
}

void WineSession::SetDpi(int dpi) {
    if (started_) {
        throw std::logic_error("the display scale is set before a program starts");
    }
    if (RunToEnd({KANVIO_E2E_SET_DPI, prefix_.string(), std::to_string(dpi)}, EnvironmentWith({}),
                 CopyLimit) != 0) {
        throw std::runtime_error("cannot set the display scale of " + prefix_.string());
    }
}

Environment WineSession::Variables() const {
    return EnvironmentWith({{"WINEPREFIX", prefix_.string()},
                            {"DISPLAY", display_},
                            {"WINEDEBUG", "-all,err+all"},
                            {"WINEDLLOVERRIDES", "mscoree,mshtml="},
                            {"WAYLAND_DISPLAY", ""},
                            {"XAUTHORITY", ""}});
}

std::unique_ptr<Process> WineSession::Start(const fs::path& program,
                                            const std::vector<std::string>& args,
                                            const fs::path& workFolder) {
    if (!fs::exists(program)) {
        throw std::runtime_error(program.string() +
                                 " is missing: build the Windows tree first (make windows)");
    }
    started_ = true;
    std::vector<std::string> argv{Wine, program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return std::make_unique<Process>(argv, Variables(), LogFile(),
                                     (workFolder.empty() ? folder_ : workFolder).string());
}

std::vector<std::string> WineSession::BrowserAddresses() const {
    std::vector<std::string> addresses;
    std::ifstream in(folder_ / "browser.log");
    for (std::string line; std::getline(in, line);) {
        addresses.push_back(line);
    }
    return addresses;
}

} // namespace e2e
