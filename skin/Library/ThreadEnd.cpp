// A thread that ends with its windows skinned takes its engine down first,
// from a thread-local-storage callback of this library that the loader calls
// before the C runtime's own: the runtime's callbacks free the thread's
// thread_local objects, and the engine reaches several of them as it goes
// down. Touched after they are freed, they would be made anew and never
// freed again; under Wine the process then never ends.
#include "skin/Library/ThreadEngine.h"

#include <windows.h>

namespace {

void NTAPI OnThreadEvent(PVOID, DWORD reason, PVOID) {
    if (reason == DLL_THREAD_DETACH) {
        skinlib::EndThreadEngine();
    }
}

} // namespace

// The loader calls the callbacks in the order of their sections' names; the
// runtime's are in ".CRT$XLC" and later.
#ifdef _MSC_VER
#pragma comment(linker, "/INCLUDE:_tls_used")
#pragma comment(linker, "/INCLUDE:KanvioSkinThreadEnd")
#pragma section(".CRT$XLB", long, read)
extern "C" __declspec(allocate(".CRT$XLB")) const PIMAGE_TLS_CALLBACK KanvioSkinThreadEnd =
    OnThreadEvent;
#else
extern "C" __attribute__((section(".CRT$XLB"), used))
const PIMAGE_TLS_CALLBACK KanvioSkinThreadEnd = OnThreadEvent;
#endif
