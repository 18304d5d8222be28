// The C interface of MorvexLexicon, the dictionary engine: the entry points
// that the dictionary system server looks up by name in the loaded library
// (it never links the engine), and the function-pointer types it casts them
// to. The data tools and the tests call the same functions directly.
//
// A handle is an open dictionary, made by MDOpen or MDCreate and destroyed by
// MDClose. Every function but those two returns a status:
//   MD_OK (0)         success;
//   MD_NO_HANDLE (4)  a null handle, or MDInit could not load its data;
//   MD_FAILED (5)     the operation failed or the word was not found.
// Texts are 8-bit, in the code page of the dictionary's languages (1251 for
// Russian). Texts handed out point into buffers the handle owns: they stay
// valid until the next call on the same handle and are never freed by the
// caller. One handle serves one thread at a time.
#pragma once

#include <stdint.h>

#include "lexicon/LexiconExport.h"
#include "lexicon/MdProp.h"

#ifdef __cplusplus
extern "C" {
#endif

enum MD_STATUS { MD_OK = 0, MD_NO_HANDLE = 4, MD_FAILED = 5 };

// Flags of MDOpen.
enum MD_LOAD_FLAG {
  MD_LOAD_WRITABLE = 0x1,     // for editing; the file is held exclusively
  MD_LOAD_HEADER_ONLY = 0x2,  // the header and nothing else
};

// MDGetSupportLang writes at most this many ids and then a 0.
enum { MD_MAX_SUPPORT_LANG = 64 };

typedef struct MDDictionary* MD_HANDLE;

// Loads "Lang.dat" from dataDir and, when that succeeded, the grammar tables
// there; MD_NO_HANDLE when either fails. A null or empty dataDir is the
// current directory. Once per process, before any dictionary is opened.
MLEX_API int MDInit(const char* dataDir);
// A dictionary opened with MD_LOAD_FLAG bits; null when it cannot be loaded.
MLEX_API MD_HANDLE MDOpen(const char* path, uint32_t loadFlags);
// A new, empty dictionary file (an existing one is replaced), open for
// editing; null on failure.
MLEX_API MD_HANDLE MDCreate(const char* path);
// Closes *handle and sets it to null; MD_NO_HANDLE when it already is.
MLEX_API int MDClose(MD_HANDLE* handle);

// Searches with the engine's search flags (lexicon/DicSearchFlags.h): one
// kind (exact 0x1, near 0x2, flexion 0x4, prefix 0x8), the word only 0x10
// (no article; alone it searches exactly), the dictionary form with the head
// word 0x200, and 0x400 to pass over articles marked vulgar (an exact search
// then fails on one, a near search moves on to the first unmarked word after
// it). Words over 255 bytes are not found. *outWord is the word found (null
// for an exact search); *article the article text in the form this call's
// flags choose (plain: the entry text without the head word), left untouched
// with 0x10 and null in word lists (dictionary types 5 and 6). When nothing
// is found both are left untouched. Either pointer may be null.
MLEX_API int MDFind(MD_HANDLE handle, int32_t flags, const char* word, const char** outWord,
                    const char** article);
// The following or preceding word under the flags of the last search that
// was neither flexion nor prefix, with its article in their form; with 0x400
// marked words are walked past, and when no unmarked one is left the cursor
// stays where it was.
MLEX_API int MDNext(MD_HANDLE handle, const char** outWord, const char** article);
MLEX_API int MDPrev(MD_HANDLE handle, const char** outWord, const char** article);

// Editing, on a dictionary opened writable. Each request rewrites the file
// as a whole and replaces it in one step: on failure (MD_FAILED) the
// dictionary reads exactly as before, on disk and through the handle.
// Article texts are in the plain article syntax. A list is a run of
// NUL-terminated texts ending with an empty one ("cat\0dog\0\0"); the n-th
// article belongs to the n-th word.
MLEX_API int MDAddWord(MD_HANDLE handle, const char* word, const char* article);
MLEX_API int MDAddWords(MD_HANDLE handle, const char* words, const char* articles);
MLEX_API int MDEditWord(MD_HANDLE handle, const char* oldWord, const char* newWord,
                        const char* article);
MLEX_API int MDDeleteWord(MD_HANDLE handle, const char* word);
MLEX_API int MDDeleteWords(MD_HANDLE handle, const char* words);

// The header's fields through MD_PROP (lexicon/MdProp.h).
MLEX_API int MDSetDicProperty(MD_HANDLE handle, const MD_PROP* prop);
MLEX_API int MDGetDicProperty(MD_HANDLE handle, MD_PROP* prop);
// The ids of the loaded languages and a 0, into room for
// MD_MAX_SUPPORT_LANG + 1 ids. The handle is only tested for null.
MLEX_API int MDGetSupportLang(MD_HANDLE handle, unsigned short* ids);

// The types of the entry points, for callers that look them up by name.
typedef int (*MD_INIT_PROC)(const char* dataDir);
typedef MD_HANDLE (*MD_OPEN_PROC)(const char* path, uint32_t loadFlags);
typedef MD_HANDLE (*MD_CREATE_PROC)(const char* path);
typedef int (*MD_CLOSE_PROC)(MD_HANDLE* handle);
typedef int (*MD_FIND_PROC)(MD_HANDLE handle, int32_t flags, const char* word, const char** outWord,
                            const char** article);
typedef int (*MD_STEP_PROC)(MD_HANDLE handle, const char** outWord, const char** article);
typedef int (*MD_ADD_WORD_PROC)(MD_HANDLE handle, const char* word, const char* article);
typedef int (*MD_ADD_WORDS_PROC)(MD_HANDLE handle, const char* words, const char* articles);
typedef int (*MD_EDIT_WORD_PROC)(MD_HANDLE handle, const char* oldWord, const char* newWord,
                                 const char* article);
typedef int (*MD_DELETE_WORD_PROC)(MD_HANDLE handle, const char* word);
typedef int (*MD_DELETE_WORDS_PROC)(MD_HANDLE handle, const char* words);
typedef int (*MD_SET_PROP_PROC)(MD_HANDLE handle, const MD_PROP* prop);
typedef int (*MD_GET_PROP_PROC)(MD_HANDLE handle, MD_PROP* prop);
typedef int (*MD_SUPPORT_LANG_PROC)(MD_HANDLE handle, unsigned short* ids);
// Looked up by the dictionary system but not exported by this engine.
typedef int (*MD_EXIT_PROC)(void);

#ifdef __cplusplus
}  // extern "C"
#endif
