// Decimal-digit tests on strings: does a text read as a number, hold a digit,
// or consist of digits. Only '0'-'9' count as digits, whatever the language.
//
// Exported for the dictionary libraries; each returns 1 or 0.
#pragma once

#include "base/BaseExport.h"
#include "base/MCString.h"

// With all white space removed, the first character (the second when the
// first is '+' or '-') is a digit. Only that one character is tested: "12ab"
// gives 1.
MBASE_API int IsStrIntDigit(MCString text);

// The text holds at least one digit; null gives 0.
MBASE_API int IsStrContDigit(const char* text);

// The text is not empty and holds digits only; null gives 0.
MBASE_API int IsStrDigit(const char* text);
