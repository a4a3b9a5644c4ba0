// The system's common dialogs as the sample asks them: a file to open, a
// file to save as, a colour and a font. Each answers false when the user
// cancels and leaves what it was given unchanged.
#ifndef PLAIN_SAMPLE_COMMON_DIALOGS_H
#define PLAIN_SAMPLE_COMMON_DIALOGS_H

#include <windows.h>

#include <string>

bool AskFileToOpen(HWND owner, std::wstring& path);
bool AskFileToSave(HWND owner, std::wstring& path);
bool AskColour(HWND owner, COLORREF& colour);
// The font with its colour, as the Font dialog's effects choose it.
bool AskFont(HWND owner, LOGFONTW& font, COLORREF& colour);

#endif
