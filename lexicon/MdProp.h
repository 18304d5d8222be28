// MD_PROP: the record through which a dictionary's properties (the fields of
// its file header) are read and set, and the flag bits that say which of its
// members take part. The engine (CDic::GetDicProperty, SetDicProperty) and
// the dictionary system server exchange it; both are built by the same
// compiler, so the record keeps the platform's natural layout.
#pragma once

#include <stdint.h>

#include "lexicon/LexiconExport.h"

#ifdef __cplusplus
extern "C" {
#endif

// Progress of building the word index, in thousandths (0 to 999); a return
// of 0 asks to skip the part being built.
typedef int32_t(MLEX_STDCALL* MD_PROGRESS_PROC)(int32_t permille);

enum MD_PROP_FLAG {
  MD_PROP_SIGNATURE = 0x1,
  MD_PROP_TYPE = 0x2,
  MD_PROP_LANG_IN = 0x4,
  MD_PROP_LANG_OUT = 0x8,
  MD_PROP_INFO_IN = 0x10,
  MD_PROP_INFO_OUT = 0x20,
  MD_PROP_ACCESS = 0x40,
  MD_PROP_VERSION = 0x80,
  MD_PROP_TIME = 0x100,
  MD_PROP_COUNT = 0x200,
  MD_PROP_PROGRESS = 0x20000,  // set only
};

typedef struct MD_PROP {
  uint32_t flags;  // MD_PROP_FLAG bits: the members read or set
  // Texts of at most 48 characters. Reading hands out NUL-terminated texts
  // owned by the dictionary (valid while it lives); setting copies up to the
  // NUL, at most 48 characters, and a null pointer leaves the field as it is.
  const char* signature;
  uint8_t type;      // dictionary type, 1 to 7
  uint16_t langIn;   // language id of the head words
  uint16_t langOut;  // language id of the translations
  const char* infoIn;
  const char* infoOut;
  uint8_t access;
  uint16_t version;
  uint32_t creationTime;  // seconds since 1 January 1970
  uint32_t articleCount;
  MD_PROGRESS_PROC progress;  // MD_PROP_PROGRESS; never filled by reading
} MD_PROP;

#ifdef __cplusplus
}  // extern "C"
#endif

#if defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(MD_PROP) == 40, "the 32-bit layout the dictionary system server expects");
#endif
