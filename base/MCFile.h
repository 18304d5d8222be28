// MCFile: the file class of the language libraries, and MCFileStatus, the
// status record it reads and writes. The dictionary engine reads, writes,
// renames and removes dictionary files and makes temporary files with it;
// MorvexBase reads its data sources and writes its compiled files through it.
//
// Every failure is a return value (0, null, or an object left without a
// file); nothing throws and nothing shows a message. All access is binary.
// Paths may use '\' or '/' on every system. On POSIX systems the sharing
// bits of the open flags are accepted and not enforced.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "base/MCTime.h"
#include "base/platform/FileAttributes.h"

struct MBASE_API MCFileStatus {
  static constexpr int kPathCapacity = 260;  // characters of fullPath, with its NUL

  MCTime creationTime;
  MCTime modificationTime;
  MCTime accessTime;
  uint32_t size = 0;                  // larger files report 0xFFFFFFFF
  uint8_t attributes = 0;             // MCFileAttribute bits
  char fullPath[kPathCapacity] = {};  // cut to fit
};

class MBASE_API MCFile : public MCObject {
 public:
  // Open flags. Access in the low two bits; one sharing value; then options.
  enum OpenFlag : unsigned {
    kModeRead = 0x0000,
    kModeWrite = 0x0001,
    kModeReadWrite = 0x0002,
    kShareExclusive = 0x0010,  // as 0x0000: others may do nothing
    kShareDenyWrite = 0x0020,  // others may read
    kShareDenyRead = 0x0030,   // others may write
    kShareDenyNone = 0x0040,   // others may read and write; higher values let them read
    kModeNoInherit = 0x0080,   // child processes do not inherit the handle
    kModeCreate = 0x1000,      // a new empty file replaces an existing one
    kModeNoTruncate = 0x2000,  // with kModeCreate: create when missing, keep contents
    kTypeText = 0x4000,        // accepted and ignored
    kTypeBinary = 0x8000,      // accepted and ignored
  };
  enum SeekOrigin : unsigned { kBegin = 0, kCurrent = 1, kEnd = 2 };
  static constexpr int kInvalidHandle = -1;

  MCFile();
  // Adopts an open handle, which is then not closed on destruction.
  explicit MCFile(int handle);
  MCFile(const char* path, unsigned flags);
  // Closes the file when one is open and this object opened it.
  ~MCFile() override;

  MCFile(const MCFile&) = delete;
  MCFile& operator=(const MCFile&) = delete;

  // (The order of the virtual members is part of the class's binary form.)
  virtual long GetPosition() const;        // -1 without a file
  virtual MCString GetFileName() const;    // the last component of the path
  virtual MCString GetFileTitleA() const;  // the system's display title of the file
  virtual MCString GetFilePath() const;
  virtual void SetFilePath(const char* path);  // the stored path only
  // 1 when opened, 0 otherwise (the object then has no file). An open file is
  // closed first. The stored path is the full path of the name, or the name
  // as given when no full path can be formed.
  virtual int Open(const char* path, unsigned flags);
  // A new object on a duplicate of the handle with the same close flag;
  // null when there is no file or the duplication fails. Delete it.
  virtual MCFile* Duplicate() const;
  // from: kBegin, kCurrent, kEnd. The new position, or -1.
  virtual long Seek(long offset, unsigned from);
  // Moves to `length` and cuts (or extends) the file there; 1 or 0.
  virtual int SetLength(long length);
  virtual long GetLength() const;  // -1 without a file; the position is kept
  // The number of bytes transferred; 0 for count 0 or without a file.
  virtual unsigned Read(void* buffer, unsigned count);
  virtual unsigned Write(const void* buffer, unsigned count);
  // The characters without their terminator; 1 when all were written, else 0.
  virtual int WriteString(const char* text);
  // The next line: a LF ends it and is not stored, a CR just before the LF
  // (or at the end of the file) is dropped, and the last line needs no LF.
  // Non-null when a line was read (the line's characters); null at the end
  // of the file with nothing read, and the line is then empty.
  virtual const char* ReadString(MCString& line);
  // The same into `buffer`, at most max - 1 characters and a NUL; the rest of
  // a longer line is left for the next call. Returns buffer; null at the end
  // of the file with nothing read, or when max < 2 (nothing is read then).
  virtual char* ReadString(char* buffer, unsigned max);
  virtual int LockRange(unsigned long position, unsigned long count);  // 1 or 0
  virtual int UnlockRange(unsigned long position, unsigned long count);
  // Closes the handle, if any, ignoring errors, and empties the path.
  virtual void Abort();
  virtual int Flush();  // 1 or 0
  // Closes the handle, clears the close flag and empties the path; 0 when the
  // system reports a failure (the file is closed all the same).
  virtual int Close();

  unsigned ReadHuge(void* buffer, unsigned count) { return Read(buffer, count); }
  unsigned WriteHuge(const void* buffer, unsigned count) { return Write(buffer, count); }
  void SeekToBegin() { Seek(0, kBegin); }
  long SeekToEnd() { return Seek(0, kEnd); }  // the length

  // Status of the open file: 0 when there is none or its times or size cannot
  // be read. Times are local calendar times; a missing creation or access
  // time is replaced by the modification time.
  int GetStatus(MCFileStatus& status) const;
  // By name, with the low seven attribute bits: 0 (and a zeroed record) when
  // the file is not found.
  static int GetStatus(const char* name, MCFileStatus& status);
  // Sets the attributes and, when the modification time is not 0, the times
  // (a zero creation or access time is left as it is). A read-only file gets
  // its attributes before its times, any other after. 1 or 0.
  static int SetStatus(const char* name, const MCFileStatus& status);

  static int Copy(const char* from, const char* to);    // an existing target is overwritten
  static int Rename(const char* from, const char* to);  // an existing target is replaced
  static int Remove(const char* name);

  // 1 when this object has a file open; otherwise whether `name` opens for
  // reading (it is closed again).
  int IsFileExist(const char* name) const;
  // 1 when the file's size is 0; 0 for a non-empty or missing file.
  static int IsEmpty(const char* name);
  int IsEmpty() const;  // of the open file

  // The text from the last '.' on (wherever it is), including it; "" when
  // there is none.
  static MCString GetExt(const char* path);
  // `pattern` must end in six 'X'. They become "000001"; while that name is
  // taken, the first of them runs through 'a' to 'z'. The first free name is
  // created as an empty file (exclusively: an existing file is never
  // replaced) and closed, and the pattern, changed in place, is returned.
  // Null for a bad pattern or when no name could be created.
  static char* MakeTemp(char* pattern);

 private:
  friend class MCFileMapping;  // maps the file through its handle

  void ForgetFile();

  int handle_;
  int closeOnDestroy_;
  MCString path_;
};
