/* kanvioskin.h: the Kanvio skin engine for any Windows program, as a C
 * interface to kanvioskin.dll.
 *
 * Two calls skin every window of the calling thread, those open now and
 * every later one (top-level windows, dialogs, message boxes, the common
 * dialogs, popup menus, and the standard and common controls in them):
 *
 *     KanvioSkin* skin = NULL;
 *     if (KanvioSkinLoadFile(L"neon.skn", &skin) == KanvioSkinOk)
 *         KanvioSkinStart(skin);
 *
 * Strings are wide (UTF-16). Every function answers a KanvioSkinResult; for
 * anything but KanvioSkinOk, KanvioSkinLastError() says why, in words a
 * user can be shown. No function throws or crashes on bad input: a null or
 * freed skin, a window that is gone or belongs to another thread, and a
 * package that is no skin are refused with a reason.
 *
 * Windows belong to the thread that made them, and so does the engine: each
 * thread that calls KanvioSkinStart has its windows skinned, and
 * KanvioSkinStop and KanvioSkinLeaveWindow act on the calling thread's
 * windows only (a window of another thread is refused with
 * KanvioSkinWrongThread). Loading, freeing, reading colours and leaving a
 * window class native may be done from any thread, for every thread.
 *
 * Once it has skinned a window the library stays loaded until the process
 * ends (FreeLibrary then leaves it in place): the windows' procedures and
 * the thread's hook lead into it.
 *
 * mingw-w64 links with -lkanvioskin (libkanvioskin.dll.a). MSVC users make
 * an import library from kanvioskin.def: lib /def:kanvioskin.def
 * /machine:x64 /out:kanvioskin.lib.
 */
#ifndef KANVIOSKIN_H
#define KANVIOSKIN_H

#include <stddef.h>
#include <windows.h>

#ifdef KANVIOSKIN_BUILDING
#define KANVIOSKIN_API __declspec(dllexport)
#else
#define KANVIOSKIN_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A loaded skin: the package, read and checked. The engine keeps its own
 * copy of a skin it shows, so a skin may be freed while it is shown. */
typedef struct KanvioSkin KanvioSkin;

typedef enum KanvioSkinResult {
    KanvioSkinOk = 0,
    /* The package, folder or bytes are no usable skin. */
    KanvioSkinRefused = 1,
    /* A null pointer, a skin that was freed or never loaded, a window that
     * does not exist, or a value out of range. */
    KanvioSkinBadArgument = 2,
    /* The window belongs to another thread. */
    KanvioSkinWrongThread = 3,
    /* The calling thread skins nothing (stopping before starting). */
    KanvioSkinNotStarted = 4
} KanvioSkinResult;

/* The skin's colours, for a program's own drawing. */
typedef enum KanvioSkinColour {
    KanvioSkinFace = 0,          /* button and dialog faces */
    KanvioSkinFaceText = 1,      /* text on faces */
    KanvioSkinWindowText = 2,    /* text in windows */
    KanvioSkinHighlight = 3,     /* selected items */
    KanvioSkinHighlightText = 4, /* text of selected items */
    KanvioSkinShadow = 5,        /* the face's shadow */
    KanvioSkinLight = 6,         /* the face's light edge */
    KanvioSkinMenu = 7,          /* popup menus */
    KanvioSkinMenuText = 8,
    KanvioSkinTitleText = 9,         /* an active window's title */
    KanvioSkinInactiveTitleText = 10 /* an inactive window's title */
} KanvioSkinColour;

/* A launcher that loads kanvioskin.dll into a program it starts suspended
 * (as skinrun does) names the skin package's full path in this environment
 * variable of the program: the library then skins every GUI thread of the
 * program, those there already and those it starts later, each from the
 * first of its windows activated on, and clears the variable. */
#define KANVIOSKIN_RUN_PACKAGE L"KANVIO_SKINRUN_PACKAGE"

/* Loads a skin package file (*.skn). */
KANVIOSKIN_API KanvioSkinResult KanvioSkinLoadFile(const wchar_t* path, KanvioSkin** skin);
/* Loads an unpacked skin: a folder with one INI text and its bitmaps, as
 * `skinpack unpack` writes it, named by the folder or by the INI in it. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinLoadFolder(const wchar_t* folder, KanvioSkin** skin);
/* Loads a package held in memory; the bytes are copied. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinLoadMemory(const void* bytes, size_t size,
                                                     KanvioSkin** skin);
/* Frees a loaded skin; windows showing it keep showing it. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinFree(KanvioSkin* skin);

/* Skins the calling thread's windows with `skin`: those open now and every
 * later one. Called again with another skin, every window takes that one. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinStart(const KanvioSkin* skin);
/* Gives every window its native drawing back; their client areas are not
 * touched. KanvioSkinStart skins them again. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinStop(void);
/* Leaves one window (and the controls in it) unskinned from now on; a
 * window skinned already gets its native drawing back. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinLeaveWindow(HWND window);
/* Leaves every window of a window class unskinned from now on (compared
 * without regard to case); windows of it skinned already go native. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinLeaveClass(const wchar_t* className);

/* One of the skin's colours, as a COLORREF. */
KANVIOSKIN_API KanvioSkinResult KanvioSkinGetColour(const KanvioSkin* skin, KanvioSkinColour which,
                                                    COLORREF* colour);

/* Why the calling thread's last call did not answer KanvioSkinOk; an empty
 * text after one that did. Valid until the thread's next call. */
KANVIOSKIN_API const wchar_t* KanvioSkinLastError(void);

#ifdef __cplusplus
}
#endif

#endif
