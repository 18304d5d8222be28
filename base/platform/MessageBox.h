// The platform side of MMessageBox: the system's message box on Windows,
// a line "caption: text" on standard error elsewhere (answering IDOK).
#pragma once

int PlatformMessageBox(const char* text, const char* caption, unsigned type);
