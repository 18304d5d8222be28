// The base-dictionary queues: MorvexLexicon's older C interface over sets of
// dictionaries for one language pair (CDicSys, lexicon/CDicSys.h) and over
// single dictionaries (CDic). A set keeps a forward and a reverse list of
// dictionary files, loads a list into its four queues (0 to 3) and searches
// a queue in order, starting with the queue's current dictionary. Positions
// in a queue count from 0; -1 is none.
//
// Every function given a null set or dictionary does nothing and returns
// null, 0 or -1 as noted. A queue number outside 0 to 3 is refused. The
// dictionaries of queue 0 belong to the set: close them through the set
// (DicQueClear, DicArrayUnLoad, DicSysClose), never with DicClose. Articles
// returned belong to their dictionary and stay valid until its next search.
#pragma once

#include <stdint.h>

#include "lexicon/LexiconExport.h"

#ifdef __cplusplus
class CDic;
class CDicEntry;
class CDicItemList;
class CDicSys;
extern "C" {
#else
typedef struct CDic CDic;
typedef struct CDicEntry CDicEntry;
typedef struct CDicItemList CDicItemList;
typedef struct CDicSys CDicSys;
#endif

// --- Sets.
// A new set for the pair (input, output) with its base directory; a
// directory without a trailing separator gets one. The flag is not used.
// Null only when no memory is left.
MLEX_API CDicSys* DicSysOpen(uint16_t flag, uint16_t langIn, uint16_t langOut, const char* baseDir);
// Deletes the set, the dictionaries of its queue 0 and its lists.
MLEX_API void DicSysClose(CDicSys* set);
// The first input language a set is given is kept; when the pair takes the
// languages (they must be loaded), the current list is chosen again.
MLEX_API void DicSysSetLangId(CDicSys* set, uint16_t langIn, uint16_t langOut);
// Accepted for the callers that pass it; nothing depends on the code.
MLEX_API void DicSetOperationCode(CDicSys* set, uint16_t code);

// --- Single dictionaries.
// A dictionary loaded read-only with its index; null on failure.
MLEX_API CDic* DicOpen(const char* path, int unused);
// DicOpen of the path when the flag is nonzero, else null.
MLEX_API CDic* DicQueOpen(int flag, const char* path, int mode);
MLEX_API void DicClose(CDic* dic);
// The dictionary's article for the word, or for the next word after a
// search; null when there is none.
MLEX_API CDicEntry* DicFind(CDic* dic, const char* word, uint16_t flags);
MLEX_API CDicEntry* DicFindNext(CDic* dic);

// --- The current dictionary of a queue.
// Makes dic the queue's current one; its position is its index there (-1
// when the queue lacks it).
MLEX_API void DicSetCurrentHandler(CDicSys* set, int queue, CDic* dic);
// Null for a queue outside 0 to 3.
MLEX_API CDic* DicGetCurrentHandler(CDicSys* set, int queue);
// Saves the position (-1: the saved one; outside the queue: 0) and makes
// the dictionary there current; -1 for an empty queue. For a queue outside
// 0 to 3 nothing changes and the position of the queue walked last comes
// back. -1 for a null set.
MLEX_API int DicSetCurrent(CDicSys* set, int queue, int position);
// Makes the dictionary at the saved position current and returns the
// position; -1 (no current dictionary) when it lies outside the queue or
// the queue outside 0 to 3.
MLEX_API int DicGetCurrent(CDicSys* set, int queue);
// 0 outside 0 to 3.
MLEX_API int DicQueGetSize(CDicSys* set, int queue);

// --- Searching and walking a queue.
// The article of the word from the queue's current dictionary (unless it is
// the first) or else from the first dictionary in order that has it, which
// becomes current; null when none has it (the next search asks all again).
MLEX_API CDicEntry* DicQueFind(CDicSys* set, int queue, const char* word, uint16_t flags);
// Remembers the queue and makes the dictionary at the position current
// (none outside the queue); returns it.
MLEX_API CDic* DicQueFirst(CDicSys* set, int queue, int position);
// The next dictionary of the queue (-1: the one remembered), which becomes
// current; null past the end, and from then on.
MLEX_API CDic* DicQueNext(CDicSys* set, int queue);
// Walks queue 0 to its end, leaving its position at -1; returns null.
MLEX_API CDic* CheckDicInList(CDicSys* set, int unused);
// Deletes the dictionaries of queue 0 and empties all four queues.
MLEX_API void DicQueClear(CDicSys* set);
// When queue 0 holds no dictionary the queues are cleared and 1 comes back;
// otherwise nothing happens and 0 (also for a null set).
MLEX_API int DicQueClearIfChanged(CDicSys* set);
// The value when the flag is nonzero, else 0.
MLEX_API int DicSetMode(int flag, int value, int unused);

// --- The lists of dictionary files.
// Each list gets the base dictionary of its direction: "base" and the
// pair's language codes (input first in the forward list, output first in
// the reverse one) and ".dic", lower-cased, in the base directory.
MLEX_API void DicArraySetCommon(CDicSys* set);
// Replaces both lists by the paths given, each a run of NUL-terminated
// paths ending with an empty one (null: none). Always -1.
MLEX_API int DicArraySet(CDicSys* set, const char* forwardPaths, const char* reversePaths);
// Sets the pair as DicSysSetLangId when the input language is not 0; the
// current list (null for a null set).
MLEX_API CDicItemList* DicArraySelect(CDicSys* set, uint16_t langIn, uint16_t langOut);
// Chooses the current list: the forward one while the pair's input language
// is the first one given, else the reverse one. 1; 0 for a null set.
MLEX_API int DicArrayInit(CDicSys* set);
// Opens each file of the list that queue 0 does not hold yet and appends it
// to queues 0 and 1. 1 when some file could not be opened, 0 when all
// could, -1 for a null set or list.
MLEX_API int DicArrayLoad(CDicSys* set, CDicItemList* list);
// Deletes the list's items (a null list is skipped) and clears the queues
// as DicQueClear.
MLEX_API void DicArrayUnLoad(CDicSys* set, CDicItemList* list);
// Deletes the list's items when the flag is nonzero.
MLEX_API void DicArrayRemoveAll(int flag, CDicItemList* list);
// Deletes the items of both lists.
MLEX_API void DicArrayFree(CDicSys* set);

#ifdef __cplusplus
}  // extern "C"
#endif
