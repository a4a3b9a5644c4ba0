// A private Wine for one journey: a copy of the project's prefix (so its
// wineserver, windows, focus and registry belong to this journey alone),
// bound to the journey's display, with a stand-in web browser that writes
// down every address it is handed.
#pragma once

#include "tests/e2e/Process.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

class Desktop;

class WineSession {
public:
    // Copies the prefix into `folder` (which the session owns from now on)
    // and sets it up for `desktop`.
    WineSession(const Desktop& desktop, const std::filesystem::path& folder);
    ~WineSession();
    WineSession(const WineSession&) = delete;
    WineSession& operator=(const WineSession&) = delete;

    // Sets a value of the current user's registry before any program of
    // the session has started: `key` below HKEY_CURRENT_USER with single
    // backslashes, a string value; an empty `name` sets the key's default.
    void SetUserString(const std::string& key, const std::string& name, const std::string& value);

    // Sets the display scale, in dots per inch, before any program of the
    // session has started (96 is the prefix's own).
    void SetDpi(int dpi);

    // Starts a Windows program (a Linux path) with `args`, from `workFolder`
    // (default: the session's folder), its output in the session's log.
    std::unique_ptr<Process> Start(const std::filesystem::path& program,
                                   const std::vector<std::string>& args = {},
                                   const std::filesystem::path& workFolder = {});

    // The addresses handed to the web browser so far, in order.
    std::vector<std::string> BrowserAddresses() const;

    const std::filesystem::path& Folder() const { return folder_; }
    std::string LogFile() const { return (folder_ / "wine.log").string(); }
    Environment Variables() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path prefix_;
    std::string display_;
    bool started_ = false;
};

// Where the shipped programs and the prefix they run in were built
// (KANVIO_WINDOWS_TREE and KANVIO_WINEPREFIX override the configured ones).
std::filesystem::path WindowsTree();
std::filesystem::path PrefixTemplate();

} // namespace e2e
