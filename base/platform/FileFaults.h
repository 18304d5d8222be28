// Failure injection for the file layer. Tests make the platform's writes,
// flushes, renames and removes fail on demand, to prove that their callers
// (the dictionary engine's atomic edits above all) survive a full disk or a
// failed rename. Unarmed, a guarded call pays one load and one compare.
//
// Every guarded call counts once: MCFile::Write and WriteString (each call
// with bytes to write), MCFile::Copy (as one write), MCFile::Flush,
// MCFile::Rename (the cross-file-system fallback included) and
// MCFile::Remove. A failed call changes nothing on disk and reports failure
// as the system would.
#pragma once

#include "base/BaseExport.h"

enum class MFileOperation { kWrite, kFlush, kRename, kRemove };

// Makes the nth next call of `operation` fail (1: the very next one). With
// `persist`, every call after it fails too, as on a full disk. nth <= 0
// disarms the operation.
MBASE_API void MSetFileFault(MFileOperation operation, int nth, bool persist = false);

// Disarms every operation.
MBASE_API void MClearFileFaults();

// --- For the platform layer only.

namespace file_faults_detail {
extern int g_armedCount;  // operations armed; 0 keeps the check to one compare
bool FiresArmed(MFileOperation operation);
}  // namespace file_faults_detail

// True when this call of `operation` is to fail.
inline bool FileFaultFires(MFileOperation operation) {
  return file_faults_detail::g_armedCount != 0 && file_faults_detail::FiresArmed(operation);
}
