// The run-time binding of the dictionary engine: the one engine library the
// process has loaded, and its entry points looked up by name at each call
// (the names come from the server's string table; nothing is cached). The
// hub loads and releases the engine; the dictionary object and the hub call
// through EngineEntry.
//
//   auto find = EngineEntry<MD_FIND_PROC>(IDS_MDFIND);
//   if (!find) return ReportError(..., IDS_ERR_FIND);   // unbound
//
// The module is held process-wide, so every hub object and every dictionary
// reaches the same engine whatever path each hub was given. Its language
// data are process-wide state of the engine, so a process binds one engine
// file at a time.
#pragma once

#include <windows.h>

#include <string>

#include "com/ProcAddress.h"
#include "lexicon/MorvexLexicon.h"

namespace morvex::dictsystem {

// Loads the engine at `path` (ANSI, with the altered search path, so that
// its own directory is searched for the libraries it needs) and adds a
// holder. False when it cannot be loaded, or when it is another file than
// the engine the process already holds.
bool AcquireEngine(const std::string& path);

// Gives back one holder; the library is unloaded with the last one.
void ReleaseEngine();

// The entry point named by string `nameId` in the bound engine; null when
// no engine is bound or it lacks that entry point.
FARPROC EngineProcedure(UINT nameId);

template <class Proc>
Proc EngineEntry(UINT nameId) {
  return com::ProcAs<Proc>(EngineProcedure(nameId));
}

}  // namespace morvex::dictsystem
