#include "base/ReadStringArray.h"

#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/MCObject.h"
#include "base/MCString.h"

namespace {

constexpr unsigned kReadSourceFlags = 0x8020;  // binary, read, others may read
const char kIncludeKeyword[] = "#include";
const char kOpenErrorCaption[] = "Error open file.";

bool IsSeparator(char ch) { return ch == '/' || ch == '\\'; }

// "/x", "\x" and "C:..." name a file without regard to any directory.
bool IsAbsolutePath(const MCString& name) {
  return (name.GetLength() > 0 && IsSeparator(name[0])) || (name.GetLength() > 1 && name[1] == ':');
}

// The directory part of path with its trailing separator, or "".
MCString DirectoryOf(const MCString& path) {
  for (int i = path.GetLength() - 1; i >= 0; --i) {
    if (IsSeparator(path[i])) return path.Left(i + 1);
  }
  return MCString();
}

void ShowOpenError(const char* format, const MCString& path) {
  MCString text;
  text.Format(format, static_cast<const char*>(path));
  MMessageBox(text, kOpenErrorCaption, 0);
}

// The file name of an include line, or false when the line is no include.
// The keyword may be followed by spaces or tabs; the name is the text
// between the first double quote and the next one (or the end of the line).
bool ParseInclude(const MCString& line, MCString& name) {
  const int keywordLength = sizeof(kIncludeKeyword) - 1;
  if (line.GetLength() <= keywordLength || !line.StartsWith(kIncludeKeyword)) return false;
  const char after = line[keywordLength];
  if (after != ' ' && after != '\t') return false;
  MCString rest = line.Mid(keywordLength);
  rest.TrimLeft();
  if (rest.IsEmpty() || rest[0] != '"') return false;
  const int close = rest.Find('"', 1);
  name = close < 0 ? rest.Mid(1) : rest.Mid(1, close - 1);
  return true;
}

// The meaningful part of a raw line: before any "//", trimmed.
void CleanLine(MCString& line) {
  const int comment = line.Find("//");
  if (comment >= 0) line = line.Left(comment);
  line.Trim();
}

// Reads one file and, through Include, the files it includes. openPaths_
// holds the full paths of the files being read, outermost first, so that a
// file is never read inside itself.
class SourceReader {
 public:
  explicit SourceReader(MCStringArray& lines) : lines_(lines) {}

  int Read(MCFile& file, int depth) {
    openPaths_[depth] = file.GetFilePath();
    int result = 1;
    MCString line;
    MCString name;
    while (file.ReadString(line)) {
      CleanLine(line);
      if (ParseInclude(line, name)) {
        if (!Include(name, depth, result)) return 0;
      } else if (!line.IsEmpty()) {
        lines_.Add(line);
      }
    }
    return result;
  }

 private:
  // Reads the included file into the lines. Returns false when the including
  // file must stop (the include was refused); a failure inside the included
  // file clears result but lets the including file read on.
  bool Include(const MCString& name, int depth, int& result) {
    const MCString path = IsAbsolutePath(name) ? name : DirectoryOf(openPaths_[depth]) + name;
    if (depth + 1 > kMaxIncludeDepth) {
      ShowOpenError("Includes nested too deep at %s", path);
      return false;
    }
    MCFile included;
    if (name.IsEmpty() || !included.Open(path, kReadSourceFlags)) {
      ShowOpenError("Can`t open %s", path);
      return false;
    }
    if (IsBeingRead(included.GetFilePath(), depth)) {
      ShowOpenError("%s includes itself", path);
      return false;
    }
    if (!Read(included, depth + 1)) result = 0;
    included.Close();
    return true;
  }

  bool IsBeingRead(const MCString& path, int depth) const {
    for (int i = 0; i <= depth; ++i) {
      if (!path.IsEmpty() && path == openPaths_[i]) return true;
    }
    return false;
  }

  MCStringArray& lines_;
  MCString openPaths_[kMaxIncludeDepth + 1];
};

}  // namespace

int ReadStringArray(MCFile& file, MCStringArray& lines) {
  SourceReader reader(lines);
  return reader.Read(file, 0);
}
