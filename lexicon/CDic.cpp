#include "lexicon/CDic.h"

#include "base/LangIds.h"
#include "base/MCTime.h"
#include "lexicon/ArticleTextBuffer.h"

uint16_t SortLanguage = 0;

namespace {

// How the dictionary file is opened.
constexpr unsigned kOpenWritable = MCFile::kTypeBinary | MCFile::kModeReadWrite;
constexpr unsigned kOpenReadOnly = MCFile::kTypeBinary | MCFile::kShareDenyWrite;
constexpr unsigned kOpenCreate = MCFile::kTypeBinary | MCFile::kModeCreate | MCFile::kModeReadWrite;
// Rewriting the header of a closed file in place: no creating, no truncating.
constexpr unsigned kOpenHeaderRewrite = MCFile::kTypeBinary | MCFile::kModeWrite;

unsigned OpenFlagsFor(unsigned loadFlags) {
  return (loadFlags & CDic::kLoadWritable) ? kOpenWritable : kOpenReadOnly;
}

int WriteHeaderTo(MCFile& file, const CDicHeader& header) {
  unsigned char bytes[CDicHeader::kEncodedSize];
  header.Encode(bytes);
  if (file.Seek(0, MCFile::kBegin) != 0) return 0;
  return file.Write(bytes, sizeof bytes) == sizeof bytes ? 1 : 0;
}

// 0 for a header that the file does not hold whole.
int ReadHeaderFrom(MCFile& file, CDicHeader& header) {
  unsigned char bytes[CDicHeader::kEncodedSize];
  if (file.Seek(0, MCFile::kBegin) != 0) return 0;
  return header.Decode(bytes, file.Read(bytes, sizeof bytes));
}

// Puts the header at offset 0 of the closed dictionary file at path; 1 when
// all of it was written.
int WriteHeaderBack(const char* path, const CDicHeader& header) {
  MCFile file;
  if (!file.Open(path, kOpenHeaderRewrite)) return 0;
  const int written = WriteHeaderTo(file, header);
  return file.Close() && written ? 1 : 0;
}

// Applies the members that `prop` selects to `header`.
void ApplyProperties(const MD_PROP& prop, CDicHeader& header) {
  const uint32_t flags = prop.flags;
  if ((flags & MD_PROP_SIGNATURE) && prop.signature)
    CDicHeader::SetText(header.signature, prop.signature);
  if (flags & MD_PROP_TYPE) header.type = prop.type;
  if (flags & MD_PROP_LANG_IN) header.langIn = prop.langIn;
  if (flags & MD_PROP_LANG_OUT) header.langOut = prop.langOut;
  if ((flags & MD_PROP_INFO_IN) && prop.infoIn) CDicHeader::SetText(header.infoIn, prop.infoIn);
  if ((flags & MD_PROP_INFO_OUT) && prop.infoOut) CDicHeader::SetText(header.infoOut, prop.infoOut);
  if (flags & MD_PROP_ACCESS) header.access = prop.access;
  if (flags & MD_PROP_VERSION) header.version = prop.version;
  if (flags & MD_PROP_TIME) header.creationTime = prop.creationTime;
  if (flags & MD_PROP_COUNT) header.articleCount = prop.articleCount;
}

}  // namespace

CDic::CDic()
    : open_(0),
      loadFlags_(0),
      entry_(nullptr),
      entryPending_(0),
      inPlaceText_(nullptr),
      textForm_(kNoText),
      entryWhole_(0),
      recordOffset_(kNoRecord),
      progress_(nullptr) {
  SortLanguage = 0;
}

CDic::~CDic() {
  Close();
  delete inPlaceText_;
}

int CDic::Load(const char* path, unsigned flags) {
  if (path == nullptr || *path == '\0') return 0;
  if (open_) return 1;
  if (!file_.Open(path, OpenFlagsFor(flags))) return 0;
  CDicHeader header;
  if (!ReadHeaderFrom(file_, header)) {
    file_.Close();
    return 0;
  }
  const bool full = (flags & kLoadHeaderOnly) == 0;
  if (full && header.indexOffset != CDicHeader::kNoIndex) {
    const bool read = header.indexOffset >= 0 &&
                      file_.Seek(header.indexOffset, MCFile::kBegin) == header.indexOffset &&
                      index_.LoadFromFile(file_);
    if (!read) {
      index_.Empty();
      file_.Close();
      return 0;
    }
  }
  header_ = header;
  loadFlags_ = flags;
  open_ = 1;
  if (full) {
    ApplyHeaderToIndex();
    SortLanguage = header_.langIn;
  }
  return 1;
}

int CDic::Create(const char* path) {
  if (path == nullptr || *path == '\0') return 0;
  Close();
  if (!file_.Open(path, kOpenCreate)) return 0;
  const CDicHeader header = CDicHeader::ForNewFile(MCTime::GetTickCount().ToUInt32());
  if (!WriteHeaderTo(file_, header)) {
    // A file without its whole header is no dictionary: leave none behind.
    const MCString written = file_.GetFilePath();
    file_.Close();
    MCFile::Remove(written);
    return 0;
  }
  header_ = header;
  loadFlags_ = kLoadWritable;
  open_ = 1;
  ApplyHeaderToIndex();
  return 1;
}

void CDic::Close() {
  DeleteEntry();
  records_.Release();
  file_.Close();
  index_.Empty();
  index_.SetSearchMode(0);
  open_ = 0;
  loadFlags_ = 0;
  recordOffset_ = kNoRecord;
}

int CDic::GetDicProperty(MD_PROP* prop) const {
  if (prop == nullptr) return 0;
  const uint32_t flags = prop->flags;
  if (flags & MD_PROP_SIGNATURE) prop->signature = header_.signature;
  if (flags & MD_PROP_TYPE) prop->type = header_.type;
  if (flags & MD_PROP_LANG_IN) prop->langIn = header_.langIn;
  if (flags & MD_PROP_LANG_OUT) prop->langOut = header_.langOut;
  if (flags & MD_PROP_INFO_IN) prop->infoIn = header_.infoIn;
  if (flags & MD_PROP_INFO_OUT) prop->infoOut = header_.infoOut;
  if (flags & MD_PROP_ACCESS) prop->access = header_.access;
  if (flags & MD_PROP_VERSION) prop->version = header_.version;
  if (flags & MD_PROP_TIME) prop->creationTime = header_.creationTime;
  if (flags & MD_PROP_COUNT) prop->articleCount = header_.articleCount;
  return 1;
}

int CDic::SetDicProperty(const MD_PROP* prop) {
  if (prop == nullptr) return 0;
  CDicHeader changed = header_;
  ApplyProperties(*prop, changed);
  if (changed.type != header_.type && header_.indexOffset != CDicHeader::kNoIndex) return 0;
  if (prop->flags & MD_PROP_PROGRESS) {
    progress_ = prop->progress;
    index_.SetProgressCallback(progress_);
  }
  int result = 1;
  if (open_) {
    // The file is held without sharing, so the header is rewritten through a
    // handle of its own while the dictionary's handle is closed.
    const MCString path = file_.GetFilePath();
    records_.Release();
    file_.Close();
    result = WriteHeaderBack(path, changed);
    if (result) header_ = changed;
    if (!file_.Open(path, OpenFlagsFor(loadFlags_))) {
      Close();
      result = 0;
    }
  } else {
    header_ = changed;
  }
  ApplyHeaderToIndex();
  SortLanguage = header_.langIn;
  return result;
}

int CDic::GetSupportLang(unsigned short* ids) const { return ::GetSupportLang(ids); }

int CDic::IsWordList() const { return header_.type == 5 || header_.type == 6; }

void CDic::ApplyHeaderToIndex() {
  index_.SetWordList(IsWordList());
  index_.SetLanguage(header_.langIn);
}
