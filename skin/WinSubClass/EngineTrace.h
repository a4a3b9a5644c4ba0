// The skin engine's side of the debug trace (toolkit/Trace.h): the names of
// its private messages, and SKIN_TRACE_MESSAGE, which the single dispatch
// points (the frame's procedure, the skinners' dispatcher, the menu
// procedures) call with who handles the message. Compiled to nothing unless
// the build defines KANVIO_TRACE.
#pragma once

#include "toolkit/Trace.h"

#include <span>

namespace skin {

// The engine's private window messages, by name.
std::span<const tk::MessageNameEntry> EngineMessageNames();

} // namespace skin

#if KANVIO_TRACE
#define SKIN_TRACE_MESSAGE(who, window, msg)                                                       \
    ::tk::TraceMessage((who), (window), (msg), ::skin::EngineMessageNames())
#else
#define SKIN_TRACE_MESSAGE(who, window, msg) static_cast<void>(0)
#endif
