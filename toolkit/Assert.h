// Assertions on internal invariants, for the debug build (scripts/build
// debug, CMake option KANVIO_DEBUG, which defines KANVIO_ASSERTIONS).
//
// TK_ASSERT(condition) checks a fact the code relies on (a skinner attached
// once, a strip cell within its strip); a false one is a fault of the
// program, never of its input. In the debug build it reports the file, the
// line and the expression (on the debugger's output and on stderr), then
// breaks into the debugger when one is attached and aborts otherwise. In a
// release build it compiles to nothing: the condition is not evaluated.
#pragma once

#if KANVIO_ASSERTIONS

namespace tk {
// Reports a failed assertion and stops the program; never returns.
[[noreturn]] void AssertionFailed(const char* expression, const char* file, int line);
} // namespace tk

#define TK_ASSERT(condition)                                                                       \
    ((condition) ? static_cast<void>(0) : ::tk::AssertionFailed(#condition, __FILE__, __LINE__))

#else

// Unevaluated: no code, yet what the condition names counts as used.
#define TK_ASSERT(condition) static_cast<void>(sizeof(!(condition)))

#endif
