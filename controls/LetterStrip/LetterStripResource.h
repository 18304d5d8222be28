// Resource ids of LetterStrip, shared by its resource script and its code.
#pragma once

#define IDB_TOOLBOX 101
#define IDR_VELLETTERSTRIPCTRL 102
#define IDC_LETTER_CURSOR 202
