// The sample host's steps, each printing what it does.
#pragma once

#include <afxwin.h>

// The transcript is 8-bit text in both character sets: what printf's %s
// takes of a text.
inline const char* Out(const CStringA& text) {
    return text;
}

// A section heading of the transcript.
void Title(const char* text);

// Numbers, paths, a text file, a folder stretch and a filter string, in the
// current folder.
void RunFileSteps();

// The dialogs, played step by step; a PNG of each key step goes into
// lpszShots. Returns the number of screenshots saved.
int RunWalkthrough(LPCTSTR lpszShots);

// Saves the window as it shows on the screen as a PNG file.
bool SaveWindowPng(HWND hWnd, LPCTSTR lpszPath);
