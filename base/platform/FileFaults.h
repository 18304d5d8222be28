// Failure injection for the file layer. Tests make the platform's opens,
// writes, flushes, closes, renames and removes fail on demand, to prove that
// their callers (the dictionary engine's atomic edits above all) survive a
// full disk, a refused open or a failed rename. Unarmed, a guarded call pays
// one load and one compare.
//
// Every guarded call counts once for each operation that guards it:
//   kOpen       MCFile::Open. An open of an existing file counts only when
//               the system grants it (a probe of a free name, as MakeTemp
//               makes, counts nothing) and is then refused with the file
//               untouched; an open that may create counts every time and is
//               refused before it creates or truncates anything.
//   kMakeTemp   each name MCFile::MakeTemp tries to create (exclusively).
//               MakeTemp goes on to its next name when one fails, so only a
//               persisting fault makes it give up.
//   kWrite      MCFile::Write and WriteString (each call with bytes to
//               write), MCFile::Copy (as one write).
//   kShortWrite MCFile::Write and WriteString, as kWrite: the failing call
//               writes the first half of its bytes (none of a single byte)
//               and reports that many, as a disk that fills up in the middle
//               of a write does.
//   kFlush      MCFile::Flush.
//   kClose      every close of a handle (MCFile::Close and Abort, the
//               destructor, MakeTemp's own). The handle is closed all the
//               same and the call reports failure, as systems do.
//   kRename     MCFile::Rename (the cross-file-system fallback included).
//   kRemove     MCFile::Remove.
// Apart from the part of a short write, a failed call changes nothing on
// disk and reports failure as the system would.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"

enum class MFileOperation {
  kOpen,
  kMakeTemp,
  kWrite,
  kShortWrite,
  kFlush,
  kClose,
  kRename,
  kRemove
};

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
uint32_t ArmedWriteLength(uint32_t count);
}  // namespace file_faults_detail

// True when this call of `operation` is to fail.
inline bool FileFaultFires(MFileOperation operation) {
  return file_faults_detail::g_armedCount != 0 && file_faults_detail::FiresArmed(operation);
}

// How many of a write's `count` bytes are to reach the file (kWrite and
// kShortWrite): all of them, none, or the first half.
inline uint32_t FileFaultWriteLength(uint32_t count) {
  return file_faults_detail::g_armedCount == 0 ? count
                                               : file_faults_detail::ArmedWriteLength(count);
}
