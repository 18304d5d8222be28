// MCObject: the root of the library classes, and the one allocator that
// MorvexBase, MorvexMorph and MorvexLexicon share.
//
// Objects derived from MCObject are allocated by MorvexBase's heap, so one
// made in one library may be destroyed in another. The allocator never
// throws: a failed allocation gives null, and because operator new is
// noexcept every new-expression tests for null before constructing.
//
// MMessageBox is the library's only way of showing an error to the user. It
// goes through one replaceable handler so that tests and unattended runs can
// record the text instead of blocking on a dialog.
#pragma once

#include <cstddef>

#include "base/BaseExport.h"

class MBASE_API MCObject {
 public:
  virtual ~MCObject();

  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* block) noexcept;
};

// Raw blocks from the shared heap (what MCObject::operator new hands out);
// string buffers and container storage use them too.
MBASE_API void* MAlloc(std::size_t size) noexcept;
MBASE_API void MFree(void* block) noexcept;

// Shows a message box with no owner window and returns its result
// (IDOK = 1 ...). A null caption gives the system's default caption.
MBASE_API int MMessageBox(const char* text, const char* caption, unsigned type);

// What MMessageBox calls. The default is the platform's message box on
// Windows and a line on standard error elsewhere. Returns the handler it
// replaces; null restores the default.
typedef int (*MMessageBoxHandler)(const char* text, const char* caption, unsigned type);
MBASE_API MMessageBoxHandler MSetMessageBoxHandler(MMessageBoxHandler handler);
