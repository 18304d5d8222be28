#include "base/CLangData.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/LangDataFile.h"
#include "base/MCFile.h"

namespace {

constexpr int kMapBlockSize = 10;
constexpr unsigned kReadFlags = MCFile::kTypeBinary | MCFile::kShareDenyWrite | MCFile::kModeRead;
constexpr unsigned kCreateFlags = MCFile::kTypeBinary | MCFile::kModeCreate | MCFile::kModeWrite;
const char kTextSourceExtension[] = ".txt";
const char kTempSuffix[] = "XXXXXX";

CLangData g_langData;

bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

// dir + "\" + name, with no separator added after an empty dir or one that
// ends in a separator.
MCString JoinPath(const char* dir, const char* name) {
  MCString path(dir);
  if (name && *name) {
    if (!path.IsEmpty() && !IsSeparator(path[path.GetLength() - 1])) path += '\\';
    path += name;
  }
  return path;
}

// The text source beside a compiled file: its name's extension replaced by
// ".txt". False when the name (the last path component) has no '.'.
bool TextSourcePath(const MCString& path, MCString* source) {
  const int dot = path.ReverseFind('.');
  if (dot < 0 || std::max(path.ReverseFind('\\'), path.ReverseFind('/')) > dot) return false;
  *source = path.Left(dot) + kTextSourceExtension;
  return true;
}

bool ReadWholeFile(MCFile& file, std::string* bytes) {
  const long length = file.GetLength();
  if (length < 0) return false;
  bytes->resize(static_cast<std::size_t>(length));
  return length == 0 ||
         file.Read(&(*bytes)[0], static_cast<unsigned>(length)) == static_cast<unsigned>(length);
}

// Writes the bytes to a new file beside path and moves it over path, so that
// a crash or a full disk never leaves a cut-off file under the real name.
bool ReplaceFile(const MCString& path, const std::string& bytes) {
  std::string pattern = std::string(path) + kTempSuffix;
  const char* temp = MCFile::MakeTemp(&pattern[0]);
  if (!temp) return false;
  MCFile out;
  bool written = out.Open(temp, kCreateFlags) &&
                 out.Write(bytes.data(), static_cast<unsigned>(bytes.size())) == bytes.size() &&
                 out.Flush();
  written = out.Close() && written;
  if (written && MCFile::Rename(temp, path)) return true;
  MCFile::Remove(temp);
  return false;
}

}  // namespace

CLangData::CLangData() : languages_(kMapBlockSize), position_(nullptr) {}

CLangData::~CLangData() { DeleteAll(); }

CLang* CLangData::GetFirst() {
  position_ = languages_.GetStartPosition();
  return GetNext();
}

CLang* CLangData::GetNext() {
  if (!position_) return nullptr;
  unsigned short id;
  MCObject* lang;
  languages_.GetNextAssoc(position_, id, lang);
  return static_cast<CLang*>(lang);
}

CLang* CLangData::GetLang(unsigned short id) const {
  MCObject* lang = nullptr;
  return languages_.Lookup(id, lang) ? static_cast<CLang*>(lang) : nullptr;
}

int CLangData::GetLangCount() const { return languages_.GetCount(); }

void CLangData::Add(CLang* lang) {
  MCObject* replaced = nullptr;
  if (languages_.Lookup(lang->GetLangId(), replaced)) delete replaced;
  languages_.SetAt(lang->GetLangId(), lang);
}

void CLangData::DeleteAll() {
  POSITION position = languages_.GetStartPosition();
  while (position) {
    unsigned short id;
    MCObject* lang;
    languages_.GetNextAssoc(position, id, lang);
    delete lang;
  }
  languages_.RemoveAll();
  position_ = nullptr;
}

std::int16_t CLangData::Load(const char* dir, const char* name) {
  const MCString path = JoinPath(dir, name);
  if (path.IsEmpty()) return kEmptyPath;
  if (!languages_.IsEmpty()) return kLoaded;
  if (LoadCompiled(path)) return kLoaded;

  MCString sourcePath;
  if (!TextSourcePath(path, &sourcePath)) return kCannotOpen;
  MCFile source;
  if (!source.Open(sourcePath, kReadFlags)) return kCannotOpen;
  GetLanguageData(source);
  source.Close();
  // A source without a language would give an empty cache that every later
  // start trusts: the services would keep their 7-bit rules for good.
  if (languages_.IsEmpty()) return kCannotOpen;
  WriteCompiled(path);
  return kLoaded;
}

bool CLangData::LoadCompiled(const char* path) {
  MCFile file;
  if (!file.Open(path, kReadFlags)) return false;
  std::string bytes;
  std::vector<std::unique_ptr<CLang>> read;
  if (!ReadWholeFile(file, &bytes) ||
      !DecodeLangDataFile(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                          &read)) {
    return false;
  }
  for (auto& lang : read) Add(lang.release());
  return true;
}

void CLangData::WriteCompiled(const char* path) const {
  std::vector<const CLang*> languages;
  POSITION position = languages_.GetStartPosition();
  while (position) {
    unsigned short id;
    MCObject* lang;
    languages_.GetNextAssoc(position, id, lang);
    languages.push_back(static_cast<const CLang*>(lang));
  }
  ReplaceFile(path, EncodeLangDataFile(languages));
}

CLangData* GetLangData() { return &g_langData; }

CLang* GetLang(unsigned short lang) { return g_langData.GetLang(lang); }
