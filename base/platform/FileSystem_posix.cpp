// The POSIX side of the file layer. Differences from the Windows side that
// callers may meet: sharing modes are not enforced; byte-range locks belong
// to the process, so a second lock of a range by the same process succeeds;
// an open or read-only file can still be removed.
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/platform/FileAttributes.h"
#include "base/platform/FileFaults.h"
#include "base/platform/FileSystem.h"

namespace {

// The libraries write Windows paths; here '\' separates components too.
std::string NativePath(const char* path) {
  std::string native(path);
  for (char& ch : native)
    if (ch == '\\') ch = '/';
  return native;
}

// Closes its descriptor on destruction unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

int OpenRetrying(const char* path, int flags, mode_t permissions = 0666) {
  int fd;
  do fd = open(path, flags, permissions);
  while (fd < 0 && errno == EINTR);
  return fd;
}

bool WriteAll(int fd, const void* buffer, uint32_t count, uint32_t* written) {
  const char* bytes = static_cast<const char*>(buffer);
  *written = 0;
  while (*written < count) {
    const ssize_t n = write(fd, bytes + *written, count - *written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    *written += static_cast<uint32_t>(n);
  }
  return true;
}

uint8_t AttributesOf(mode_t mode) {
  uint8_t attributes = S_ISDIR(mode) ? kFileAttrDirectory : kFileAttrArchive;
  if ((mode & S_IWUSR) == 0) attributes |= kFileAttrReadOnly;
  return attributes;
}

// statx gives the creation time where the file system keeps one.
bool StatInfo(int dirFd, const char* path, int flags, FileInfo* info) {
  struct statx status;
  if (statx(dirFd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &status) != 0) return false;
  info->creationTime = (status.stx_mask & STATX_BTIME) != 0 ? status.stx_btime.tv_sec : 0;
  info->modificationTime = status.stx_mtime.tv_sec;
  info->accessTime = status.stx_atime.tv_sec;
  info->size = status.stx_size;
  info->attributes = AttributesOf(status.stx_mode);
  return true;
}

// Copies the contents and times of the open regular file `in` into `out`.
bool CopyInto(int in, const struct stat& source, int out) {
  std::vector<char> block(64 * 1024);
  for (;;) {
    const ssize_t n = read(in, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    uint32_t written;
    if (!WriteAll(out, block.data(), static_cast<uint32_t>(n), &written)) return false;
  }
  const struct timespec times[2] = {source.st_atim, source.st_mtim};
  return futimens(out, times) == 0;
}

bool IsOpenRegularFile(const Descriptor& in, struct stat* status) {
  return in.get() >= 0 && fstat(in.get(), status) == 0 && S_ISREG(status->st_mode);
}

bool CopyByName(const std::string& from, const std::string& to) {
  Descriptor in(OpenRetrying(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat source;
  if (!IsOpenRegularFile(in, &source)) return false;
  Descriptor out(OpenRetrying(to.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, source.st_mode & 0777));
  struct stat target;
  if (out.get() < 0 || fstat(out.get(), &target) != 0) return false;
  // Truncating the target first would destroy a source that is the same file.
  if (target.st_dev == source.st_dev && target.st_ino == source.st_ino) return false;
  bool copied = ftruncate(out.get(), 0) == 0 && CopyInto(in.get(), source, out.get());
  copied = out.Close() && copied;
  if (!copied) unlink(to.c_str());
  return copied;
}

// rename() cannot cross file systems. The file is copied beside the target
// and renamed over it, so the target is never seen half written; then the
// source goes.
bool MoveAcrossFileSystems(const std::string& from, const std::string& to) {
  Descriptor in(OpenRetrying(from.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat source;
  if (!IsOpenRegularFile(in, &source)) return false;
  std::string temporary = to + ".XXXXXX";
  Descriptor out(mkostemp(&temporary[0], O_CLOEXEC));
  if (out.get() < 0) return false;
  bool moved = fchmod(out.get(), source.st_mode & 0777) == 0 &&
               CopyInto(in.get(), source, out.get()) && fsync(out.get()) == 0;
  moved = out.Close() && moved;
  moved = moved && rename(temporary.c_str(), to.c_str()) == 0;
  if (!moved) {
    unlink(temporary.c_str());
    return false;
  }
  return unlink(from.c_str()) == 0;
}

bool SetRangeLock(int handle, uint64_t offset, uint64_t count, short type) {
  if (offset > static_cast<uint64_t>(INT64_MAX) || count > static_cast<uint64_t>(INT64_MAX))
    return false;
  struct flock range = {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = static_cast<off_t>(offset);
  range.l_len = static_cast<off_t>(count);
  if (fcntl(handle, F_SETLK, &range) == 0) return true;
  // A write lock needs write access; a file open for reading takes a read lock.
  if (type != F_WRLCK || errno != EBADF) return false;
  range.l_type = F_RDLCK;
  return fcntl(handle, F_SETLK, &range) == 0;
}

}  // namespace

int PlatformOpenFile(const char* path, const FileOpenMode& mode) {
  // An open that may create is refused before it creates anything.
  const bool opensExisting = mode.creation == FileCreation::kOpenExisting;
  if (!opensExisting &&
      FileFaultFires(mode.creation == FileCreation::kCreateNew ? MFileOperation::kMakeTemp
                                                               : MFileOperation::kOpen)) {
    return kInvalidFileHandle;
  }
  int flags = mode.access == FileAccess::kRead    ? O_RDONLY
              : mode.access == FileAccess::kWrite ? O_WRONLY
                                                  : O_RDWR;
  switch (mode.creation) {
    case FileCreation::kOpenExisting:
      break;
    case FileCreation::kCreateAlways:
      flags |= O_CREAT | O_TRUNC;
      break;
    case FileCreation::kOpenAlways:
      flags |= O_CREAT;
      break;
    case FileCreation::kCreateNew:
      flags |= O_CREAT | O_EXCL;
      break;
  }
  if (!mode.inheritable) flags |= O_CLOEXEC;
  const int fd = OpenRetrying(NativePath(path).c_str(), flags);
  if (fd < 0) return kInvalidFileHandle;
  // Windows opens no directory as a file; neither do we.
  struct stat status;
  // An existing file is refused once it is found, and stays as it was.
  if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode) ||
      (opensExisting && FileFaultFires(MFileOperation::kOpen))) {
    close(fd);
    return kInvalidFileHandle;
  }
  return fd;
}

bool PlatformCloseFile(int handle) {
  const bool closed = close(handle) == 0;
  return !FileFaultFires(MFileOperation::kClose) && closed;
}

int PlatformDuplicateFile(int handle) {
  const int fd = fcntl(handle, F_DUPFD_CLOEXEC, 0);
  return fd >= 0 ? fd : kInvalidFileHandle;
}

uint32_t PlatformReadFile(int handle, void* buffer, uint32_t count) {
  char* bytes = static_cast<char*>(buffer);
  uint32_t done = 0;
  while (done < count) {
    const ssize_t n = read(handle, bytes + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<uint32_t>(n);
  }
  return done;
}

uint32_t PlatformWriteFile(int handle, const void* buffer, uint32_t count) {
  const uint32_t allowed = FileFaultWriteLength(count);
  if (allowed == 0) return 0;
  uint32_t written;
  WriteAll(handle, buffer, allowed, &written);
  return written;
}

int64_t PlatformSeekFile(int handle, int64_t offset, int from) {
  static const int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (from < 0 || from > 2) return -1;
  return lseek(handle, static_cast<off_t>(offset), kWhence[from]);
}

bool PlatformTruncateFile(int handle) {
  const off_t position = lseek(handle, 0, SEEK_CUR);
  return position >= 0 && ftruncate(handle, position) == 0;
}

int64_t PlatformFileSize(int handle) {
  struct stat status;
  return fstat(handle, &status) == 0 ? static_cast<int64_t>(status.st_size) : -1;
}

bool PlatformFlushFile(int handle) {
  if (FileFaultFires(MFileOperation::kFlush)) return false;
  return fsync(handle) == 0;
}

bool PlatformLockFileRange(int handle, uint64_t offset, uint64_t count) {
  return SetRangeLock(handle, offset, count, F_WRLCK);
}

bool PlatformUnlockFileRange(int handle, uint64_t offset, uint64_t count) {
  return SetRangeLock(handle, offset, count, F_UNLCK);
}

bool PlatformFileInfoOfHandle(int handle, FileInfo* info) {
  return StatInfo(handle, "", AT_EMPTY_PATH, info);
}

bool PlatformFullPath(const char* name, std::string* full) {
  std::string path = NativePath(name);
  if (path.empty()) return false;
  if (path[0] != '/') {
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr) return false;
    path = std::string(directory) + "/" + path;
  }
  // Lexical: "." and empty components go, ".." takes the one before it.
  std::vector<std::string> components;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string component = path.substr(start, end - start);
    if (component == "..") {
      if (!components.empty()) components.pop_back();
    } else if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    start = end + 1;
  }
  full->clear();
  for (const std::string& component : components) *full += "/" + component;
  if (full->empty()) *full = "/";
  return true;
}

std::string PlatformFileTitle(const char* path) {
  const std::string native = NativePath(path);
  return native.substr(native.rfind('/') + 1);
}

bool PlatformFileInfoOfPath(const char* path, FileInfo* info) {
  return StatInfo(AT_FDCWD, NativePath(path).c_str(), 0, info);
}

bool PlatformSetFileAttributes(const char* path, uint8_t attributes) {
  const std::string native = NativePath(path);
  struct stat status;
  if (stat(native.c_str(), &status) != 0) return false;
  const mode_t permissions = status.st_mode & 07777;
  const mode_t wanted =
      (attributes & kFileAttrReadOnly) != 0 ? permissions & ~mode_t{0222} : permissions | S_IWUSR;
  return wanted == permissions || chmod(native.c_str(), wanted) == 0;
}

bool PlatformSetFileTimes(const char* path, int64_t /*creationTime*/, int64_t modificationTime,
                          int64_t accessTime) {
  // POSIX keeps no settable creation time.
  struct timespec times[2] = {};
  times[0].tv_sec = static_cast<time_t>(accessTime);
  times[0].tv_nsec = accessTime != 0 ? 0 : UTIME_OMIT;
  times[1].tv_sec = static_cast<time_t>(modificationTime);
  times[1].tv_nsec = modificationTime != 0 ? 0 : UTIME_OMIT;
  return utimensat(AT_FDCWD, NativePath(path).c_str(), times, 0) == 0;
}

bool PlatformCopyFile(const char* from, const char* to) {
  if (FileFaultFires(MFileOperation::kWrite)) return false;
  return CopyByName(NativePath(from), NativePath(to));
}

bool PlatformRenameFile(const char* from, const char* to) {
  if (FileFaultFires(MFileOperation::kRename)) return false;
  const std::string source = NativePath(from);
  const std::string target = NativePath(to);
  if (rename(source.c_str(), target.c_str()) == 0) return true;
  return errno == EXDEV && MoveAcrossFileSystems(source, target);
}

bool PlatformRemoveFile(const char* path) {
  if (FileFaultFires(MFileOperation::kRemove)) return false;
  return unlink(NativePath(path).c_str()) == 0;
}
