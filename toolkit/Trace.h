// A trace of the messages windows handle, for the debug build (scripts/build
// debug, CMake option KANVIO_DEBUG, which defines KANVIO_TRACE).
//
// TK_TRACE_MESSAGE(who, window, msg) writes one line naming who handles the
// message (a frame, a skinner's class, a menu), the window and the message
// ("Kanvio TSkinButton 0003004C WM_LBUTTONUP") to the debugger's
// output with OutputDebugStringA, in UTF-8; under Wine, WINEDEBUG=+debugstr copies it
// to stderr. TK_TRACE_TEXT(text) writes a line of free text the same way. In
// a release build both compile to nothing and their arguments are not
// evaluated.
//
// The message-name table is there in every build (its tests run in the
// release build). A message in WM_USER's or WM_APP's range that no table
// names (a control's own message, whose value other classes reuse) is named
// by its offset ("WM_USER+11").
//
// Error policy: nothing here throws except std::bad_alloc.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tk {

struct MessageNameEntry {
    unsigned msg;
    std::string_view name;
};

// The system's messages, the common controls' messages with values of their
// own, and the toolkit's notifications.
std::span<const MessageNameEntry> MessageNames();

// The message's name: from `extra` first (a layer's private messages), then
// MessageNames; a notification reflected to a child is "reflected " and the
// name of the message reflected. Empty for a message nobody names.
std::string MessageName(unsigned msg, std::span<const MessageNameEntry> extra = {});

// One line of the trace: who, the window handle and the message's name (its
// value in hex when it has none).
std::string TraceLine(std::string_view who, const void* window, unsigned msg,
                      std::span<const MessageNameEntry> extra = {});

// Writes a line to the debugger's output.
void TraceText(std::string_view text);
void TraceMessage(std::string_view who, const void* window, unsigned msg,
                  std::span<const MessageNameEntry> extra = {});

} // namespace tk

#if KANVIO_TRACE
#define TK_TRACE_MESSAGE(who, window, msg) ::tk::TraceMessage((who), (window), (msg))
#define TK_TRACE_TEXT(text) ::tk::TraceText(text)
#else
#define TK_TRACE_MESSAGE(who, window, msg) static_cast<void>(0)
#define TK_TRACE_TEXT(text) static_cast<void>(0)
#endif
