#include "base/MCFile.h"

#include <climits>
#include <cstring>
#include <string>

#include "base/platform/FileSystem.h"

namespace {

bool DecodeOpenFlags(unsigned flags, FileOpenMode* mode) {
  switch (flags & 0x0003) {
    case MCFile::kModeRead:
      mode->access = FileAccess::kRead;
      break;
    case MCFile::kModeWrite:
      mode->access = FileAccess::kWrite;
      break;
    case MCFile::kModeReadWrite:
      mode->access = FileAccess::kReadWrite;
      break;
    default:
      return false;
  }
  switch (flags & 0x0070) {
    case 0x0000:
    case MCFile::kShareExclusive:
      mode->sharing = FileSharing::kNone;
      break;
    case MCFile::kShareDenyRead:
      mode->sharing = FileSharing::kWrite;
      break;
    case MCFile::kShareDenyNone:
      mode->sharing = FileSharing::kReadWrite;
      break;
    default:  // kShareDenyWrite and the values above kShareDenyNone
      mode->sharing = FileSharing::kRead;
      break;
  }
  if ((flags & MCFile::kModeCreate) == 0)
    mode->creation = FileCreation::kOpenExisting;
  else if ((flags & MCFile::kModeNoTruncate) != 0)
    mode->creation = FileCreation::kOpenAlways;
  else
    mode->creation = FileCreation::kCreateAlways;
  mode->inheritable = (flags & MCFile::kModeNoInherit) == 0;
  return true;
}

long ToLong(int64_t value) {
  return value >= LONG_MIN && value <= LONG_MAX ? static_cast<long>(value) : -1;
}

MCString FullPathOf(const char* name) {
  std::string full;
  return PlatformFullPath(name, &full) ? MCString(full.c_str()) : MCString(name);
}

void FillStatus(const FileInfo& info, const char* path, uint8_t attributeMask,
                MCFileStatus* status) {
  status->modificationTime = info.modificationTime;
  status->creationTime = info.creationTime != 0 ? info.creationTime : info.modificationTime;
  status->accessTime = info.accessTime != 0 ? info.accessTime : info.modificationTime;
  status->size = info.size > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(info.size);
  status->attributes = info.attributes & attributeMask;
  std::strncpy(status->fullPath, path, MCFileStatus::kPathCapacity - 1);
  status->fullPath[MCFileStatus::kPathCapacity - 1] = '\0';
}

// Serves a file's bytes to the line reader. A seekable file is read ahead in
// blocks, and what the reader did not take is given back by seeking, so the
// file position ends just after the line as if it had been read byte by
// byte. Any other handle is read one byte at a time and cannot look ahead.
class LineSource {
 public:
  explicit LineSource(int handle)
      : handle_(handle), seekable_(PlatformSeekFile(handle, 0, MCFile::kCurrent) >= 0) {}
  ~LineSource() {
    if (end_ > next_) PlatformSeekFile(handle_, next_ - end_, MCFile::kCurrent);
  }
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  bool CanPeek() const { return seekable_; }
  // The byte `ahead` places after the next one to take; -1 past the end.
  int Peek(int ahead) {
    if (next_ + ahead >= end_) Fill();
    return next_ + ahead < end_ ? block_[next_ + ahead] : -1;
  }
  // Takes the next byte; -1 at the end of the file.
  int Take() {
    const int byte = Peek(0);
    if (byte >= 0) ++next_;
    return byte;
  }
  void Skip(int count) { next_ += count; }

 private:
  void Fill() {
    std::memmove(block_, block_ + next_, end_ - next_);
    end_ -= next_;
    next_ = 0;
    const uint32_t room = seekable_ ? sizeof block_ - end_ : 1;
    end_ += static_cast<int>(PlatformReadFile(handle_, block_ + end_, room));
  }

  int handle_;
  bool seekable_;
  unsigned char block_[256];
  int next_ = 0;
  int end_ = 0;
};

// Where the line reader puts the characters: an MCString that grows by
// 128 characters, or a caller's buffer of fixed size.
class StringLine {
 public:
  explicit StringLine(MCString& line) : line_(line) { line_.Empty(); }
  ~StringLine() {
    if (chars_ != nullptr) line_.ReleaseBuffer(length_);
  }
  StringLine(const StringLine&) = delete;
  StringLine& operator=(const StringLine&) = delete;

  bool Full() const { return false; }
  void Append(char ch) {
    if (length_ == capacity_) {
      if (chars_ != nullptr) line_.ReleaseBuffer(length_);  // growth keeps only the stored length
      capacity_ += kGrowth;
      chars_ = line_.GetBuffer(capacity_);
    }
    chars_[length_++] = ch;
  }
  void DropTrailingCR() {
    if (length_ > 0 && chars_[length_ - 1] == '\r') --length_;
  }

 private:
  static constexpr int kGrowth = 128;
  MCString& line_;
  char* chars_ = nullptr;
  int length_ = 0;
  int capacity_ = 0;
};

class BufferLine {
 public:
  BufferLine(char* buffer, unsigned room) : buffer_(buffer), room_(room) {}
  ~BufferLine() { buffer_[length_] = '\0'; }
  BufferLine(const BufferLine&) = delete;
  BufferLine& operator=(const BufferLine&) = delete;

  bool Full() const { return length_ == room_; }
  void Append(char ch) { buffer_[length_++] = ch; }
  void DropTrailingCR() {
    if (length_ > 0 && buffer_[length_ - 1] == '\r') --length_;
  }

 private:
  char* buffer_;
  unsigned room_;
  unsigned length_ = 0;
};

// Reads the next line into `line`; false at the end of the file with
// nothing read. A full line stops the reading; when the file shows that the
// line ends right there, its end is taken too.
template <typename Line>
bool ReadLine(int handle, Line& line) {
  LineSource source(handle);
  bool readAny = false;
  for (;;) {
    if (line.Full()) {
      if (!source.CanPeek()) break;
      const int first = source.Peek(0);
      const int second = first == '\r' ? source.Peek(1) : -1;
      if (first == '\n') {
        source.Skip(1);
        line.DropTrailingCR();
      } else if (first == '\r' && (second == '\n' || second < 0)) {
        source.Skip(second == '\n' ? 2 : 1);
      }
      break;
    }
    const int byte = source.Take();
    if (byte < 0 || byte == '\n') {
      line.DropTrailingCR();
      if (byte == '\n') readAny = true;
      break;
    }
    readAny = true;
    line.Append(static_cast<char>(byte));
  }
  return readAny;
}

bool CreateEmptyFileExclusively(const char* path) {
  const FileOpenMode mode = {FileAccess::kWrite, FileSharing::kNone, FileCreation::kCreateNew,
                             false};
  const int handle = PlatformOpenFile(path, mode);
  if (handle == kInvalidFileHandle) return false;
  PlatformCloseFile(handle);
  return true;
}

}  // namespace

MCFile::MCFile() : handle_(kInvalidHandle), closeOnDestroy_(0) {}

MCFile::MCFile(int handle) : handle_(handle), closeOnDestroy_(0) {}

MCFile::MCFile(const char* path, unsigned flags) : MCFile() { Open(path, flags); }

MCFile::~MCFile() {
  if (handle_ != kInvalidHandle && closeOnDestroy_) PlatformCloseFile(handle_);
}

long MCFile::GetPosition() const {
  if (handle_ == kInvalidHandle) return -1;
  return ToLong(PlatformSeekFile(handle_, 0, kCurrent));
}

MCString MCFile::GetFileName() const {
  const char* name = path_;
  for (const char* p = name; *p != '\0'; ++p)
    if (*p == '\\' || *p == '/') name = p + 1;
  return MCString(name);
}

MCString MCFile::GetFileTitleA() const {
  if (path_.IsEmpty()) return MCString();
  return MCString(PlatformFileTitle(path_).c_str());
}

MCString MCFile::GetFilePath() const { return path_; }

void MCFile::SetFilePath(const char* path) { path_ = path; }

int MCFile::Open(const char* path, unsigned flags) {
  if (handle_ != kInvalidHandle) Close();
  FileOpenMode mode;
  if (path == nullptr || *path == '\0' || !DecodeOpenFlags(flags, &mode)) return 0;
  handle_ = PlatformOpenFile(path, mode);
  if (handle_ == kInvalidHandle) return 0;
  closeOnDestroy_ = 1;
  path_ = FullPathOf(path);
  return 1;
}

MCFile* MCFile::Duplicate() const {
  if (handle_ == kInvalidHandle) return nullptr;
  const int handle = PlatformDuplicateFile(handle_);
  if (handle == kInvalidFileHandle) return nullptr;
  MCFile* copy = new MCFile(handle);
  if (copy == nullptr) {
    PlatformCloseFile(handle);
    return nullptr;
  }
  copy->closeOnDestroy_ = closeOnDestroy_;
  copy->path_ = path_;
  return copy;
}

long MCFile::Seek(long offset, unsigned from) {
  if (handle_ == kInvalidHandle || from > kEnd) return -1;
  return ToLong(PlatformSeekFile(handle_, offset, static_cast<int>(from)));
}

int MCFile::SetLength(long length) {
  if (length < 0 || Seek(length, kBegin) != length) return 0;
  return PlatformTruncateFile(handle_) ? 1 : 0;
}

long MCFile::GetLength() const {
  if (handle_ == kInvalidHandle) return -1;
  return ToLong(PlatformFileSize(handle_));
}

unsigned MCFile::Read(void* buffer, unsigned count) {
  if (handle_ == kInvalidHandle || count == 0) return 0;
  return PlatformReadFile(handle_, buffer, count);
}

unsigned MCFile::Write(const void* buffer, unsigned count) {
  if (handle_ == kInvalidHandle || count == 0) return 0;
  return PlatformWriteFile(handle_, buffer, count);
}

int MCFile::WriteString(const char* text) {
  if (text == nullptr || handle_ == kInvalidHandle) return 0;
  const size_t length = std::strlen(text);
  if (length > UINT_MAX) return 0;
  return Write(text, static_cast<unsigned>(length)) == length ? 1 : 0;
}

const char* MCFile::ReadString(MCString& line) {
  bool read = false;
  {
    StringLine target(line);
    read = handle_ != kInvalidHandle && ReadLine(handle_, target);
  }
  return read ? static_cast<const char*>(line) : nullptr;
}

char* MCFile::ReadString(char* buffer, unsigned max) {
  if (buffer == nullptr || max < 2) return nullptr;
  BufferLine target(buffer, max - 1);
  if (handle_ == kInvalidHandle || !ReadLine(handle_, target)) return nullptr;
  return buffer;
}

int MCFile::LockRange(unsigned long position, unsigned long count) {
  if (handle_ == kInvalidHandle) return 0;
  return PlatformLockFileRange(handle_, position, count) ? 1 : 0;
}

int MCFile::UnlockRange(unsigned long position, unsigned long count) {
  if (handle_ == kInvalidHandle) return 0;
  return PlatformUnlockFileRange(handle_, position, count) ? 1 : 0;
}

void MCFile::Abort() {
  if (handle_ != kInvalidHandle) PlatformCloseFile(handle_);
  ForgetFile();
}

int MCFile::Flush() {
  if (handle_ == kInvalidHandle) return 0;
  return PlatformFlushFile(handle_) ? 1 : 0;
}

int MCFile::Close() {
  const bool closed = handle_ == kInvalidHandle || PlatformCloseFile(handle_);
  ForgetFile();
  return closed ? 1 : 0;
}

void MCFile::ForgetFile() {
  handle_ = kInvalidHandle;
  closeOnDestroy_ = 0;
  path_.Empty();
}

int MCFile::GetStatus(MCFileStatus& status) const {
  status = MCFileStatus();
  FileInfo info;
  if (handle_ == kInvalidHandle || !PlatformFileInfoOfHandle(handle_, &info)) return 0;
  FillStatus(info, path_, 0xFF, &status);
  return 1;
}

int MCFile::GetStatus(const char* name, MCFileStatus& status) {
  status = MCFileStatus();
  FileInfo info;
  if (name == nullptr || *name == '\0' || !PlatformFileInfoOfPath(name, &info)) return 0;
  FillStatus(info, FullPathOf(name), 0x7F, &status);
  return 1;
}

int MCFile::SetStatus(const char* name, const MCFileStatus& status) {
  FileInfo current;
  if (name == nullptr || *name == '\0' || !PlatformFileInfoOfPath(name, &current)) return 0;
  // A read-only file refuses new times until its attributes allow them.
  const bool readOnly = (current.attributes & kFileAttrReadOnly) != 0;
  if (readOnly && !PlatformSetFileAttributes(name, status.attributes)) return 0;
  if (status.modificationTime.GetTime() != 0 &&
      !PlatformSetFileTimes(name, status.creationTime.GetTime(), status.modificationTime.GetTime(),
                            status.accessTime.GetTime()))
    return 0;
  if (!readOnly && !PlatformSetFileAttributes(name, status.attributes)) return 0;
  return 1;
}

int MCFile::Copy(const char* from, const char* to) {
  if (from == nullptr || to == nullptr || *from == '\0' || *to == '\0') return 0;
  return PlatformCopyFile(from, to) ? 1 : 0;
}

int MCFile::Rename(const char* from, const char* to) {
  if (from == nullptr || to == nullptr || *from == '\0' || *to == '\0') return 0;
  return PlatformRenameFile(from, to) ? 1 : 0;
}

int MCFile::Remove(const char* name) {
  if (name == nullptr || *name == '\0') return 0;
  return PlatformRemoveFile(name) ? 1 : 0;
}

int MCFile::IsFileExist(const char* name) const {
  if (handle_ != kInvalidHandle) return 1;
  MCFile probe;
  return probe.Open(name, kModeRead);
}

int MCFile::IsEmpty(const char* name) {
  MCFileStatus status;
  return GetStatus(name, status) && status.size == 0 ? 1 : 0;
}

int MCFile::IsEmpty() const {
  MCFileStatus status;
  return GetStatus(status) && status.size == 0 ? 1 : 0;
}

MCString MCFile::GetExt(const char* path) {
  const char* dot = path != nullptr ? std::strrchr(path, '.') : nullptr;
  return MCString(dot);
}

char* MCFile::MakeTemp(char* pattern) {
  static constexpr char kPlaceholders[] = "XXXXXX";
  static constexpr size_t kCount = sizeof kPlaceholders - 1;
  const size_t length = pattern != nullptr ? std::strlen(pattern) : 0;
  if (length < kCount || std::strcmp(pattern + length - kCount, kPlaceholders) != 0) return nullptr;
  char* unique = pattern + length - kCount;
  std::memcpy(unique, "000001", kCount);
  // Existence is asked of a fresh object: an object with an open file would
  // call every name taken. The exclusive create settles a name that appears
  // between the test and the create.
  const MCFile probe;
  for (char first = '0';; first = first == '0' ? 'a' : static_cast<char>(first + 1)) {
    unique[0] = first;
    if (!probe.IsFileExist(pattern) && CreateEmptyFileExclusively(pattern)) return pattern;
    if (first == 'z') break;
  }
  std::memcpy(unique, kPlaceholders, kCount);
  return nullptr;
}
