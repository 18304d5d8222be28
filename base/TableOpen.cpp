#include "base/TableOpen.h"

#include <string>

#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/MCString.h"
#include "base/ReadStringArray.h"

namespace {

constexpr unsigned kReadFlags = MCFile::kTypeBinary | MCFile::kShareDenyWrite;  // 0x8020
constexpr unsigned kCreateFlags = MCFile::kTypeBinary | MCFile::kModeCreate | MCFile::kModeWrite;
constexpr char kSourceExtension[] = ".txt";

bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

// The position of the extension's '.', or -1. Only a '.' in the last path
// component counts: a directory named "data.1" holds no extension.
int FindExtension(const MCString& path) {
  for (int i = path.GetLength() - 1; i >= 0 && !IsSeparator(path[i]); --i) {
    if (path[i] == '.') return i;
  }
  return -1;
}

MCString SourcePathOf(const MCString& path) {
  const int dot = FindExtension(path);
  return (dot < 0 ? path : path.Left(dot)) + kSourceExtension;
}

bool ReadCompiled(const MCString& path, TableDocument& document) {
  MCFile file;
  if (!file.Open(path, kReadFlags)) return false;
  const bool sound =
      document.Read(file) && file.GetPosition() == file.GetLength() && !document.HoldsNothing();
  file.Close();
  if (!sound) document.Clear();
  return sound;
}

bool ReadSource(const MCString& sourcePath, TableDocument& document) {
  MCFile file;
  if (!file.Open(sourcePath, kReadFlags)) return false;
  MCStringArray lines;
  const bool complete = ReadStringArray(file, lines) != 0;
  file.Close();
  if (complete) document.Parse(lines);
  return complete;
}

// Writes the document to a fresh temporary file beside path and moves it
// over path; on any failure the temporary file is removed and path is
// left as it was.
bool WriteCompiled(const MCString& path, TableDocument& document) {
  std::string temporary = std::string(static_cast<const char*>(path)) + ".XXXXXX";
  if (MCFile::MakeTemp(&temporary[0]) == nullptr) return false;
  MCFile file;
  bool written = file.Open(temporary.c_str(), kCreateFlags) && document.Write(file) && file.Flush();
  written = file.Close() && written;
  if (written && MCFile::Rename(temporary.c_str(), path)) return true;
  MCFile::Remove(temporary.c_str());
  return false;
}

}  // namespace

bool OpenTableDocument(const MCString& path, TableDocument& document) {
  document.Clear();
  if (path.IsEmpty()) return false;
  if (ReadCompiled(path, document)) return true;
  const MCString sourcePath = SourcePathOf(path);
  if (!ReadSource(sourcePath, document)) {
    document.Clear();
    return false;
  }
  // A compiled file named like its source would overwrite it; a source that
  // yields nothing leaves no cache that would hide a later, fuller source.
  if (!document.HoldsNothing() && path.CompareNoCase(sourcePath) != 0) {
    WriteCompiled(path, document);
  }
  return true;
}
