#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/MCFile.h"
#include "base/platform/FileFaults.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Each test works in a fresh temporary directory, removed afterwards with
// every file in it; armed failures are disarmed.
class FileTest : public ::testing::Test {
 protected:
  FileTest() {
    static std::atomic<int> serial{0};
    dir_ = fs::temp_directory_path() /
           ("file-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++serial));
    fs::create_directories(dir_);
  }
  ~FileTest() override {
    MClearFileFaults();
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir_, ignored))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << name;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  bool Exists(const std::string& name) const { return fs::exists(dir_ / name); }

  fs::path dir_;
};

// '\' and '/' read the same; case as the volume keeps it.
std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// --- Opening

TEST_F(FileTest, OpenFlagsDecideCreationTruncationAndAccess) {
  const std::string kMissing = "(missing)";
  struct Case {
    const char* what;
    std::string before;  // kMissing: no file
    unsigned flags;
    int opens;
    unsigned writes;    // bytes of "XY" that Write reports
    std::string after;  // kMissing: still no file
  } cases[] = {
      {"read of a missing file", kMissing, 0x8020, 0, 0, kMissing},
      {"existence test of a missing file", kMissing, 0x0000, 0, 0, kMissing},
      {"write without create of a missing file", kMissing, 0x8001, 0, 0, kMissing},
      {"create makes the file", kMissing, 0x9001, 1, 2, "XY"},
      {"create-or-keep makes the file", kMissing, 0x3000, 1, 0, ""},
      {"write rewrites the first bytes, keeps the rest", "abcdef", 0x8001, 1, 2, "XYcdef"},
      {"create truncates", "abcdef", 0x9001, 1, 2, "XY"},
      {"create for reading truncates too", "abcdef", 0x1000, 1, 0, ""},
      {"create-or-keep keeps the contents", "abcdef", 0xB002, 1, 2, "XYcdef"},
      {"read refuses writes", "abcdef", 0x8020, 1, 0, "abcdef"},
      {"read and write, deny none", "abcdef", 0x8042, 1, 2, "XYcdef"},
      {"access 3 does not exist", "abcdef", 0x8003, 0, 0, "abcdef"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = "open.bin";
    fs::remove(dir_ / name);
    if (c.before != kMissing) WriteFile(name, c.before);
    {
      MCFile file;
      ASSERT_EQ(file.Open(Path(name).c_str(), c.flags), c.opens);
      EXPECT_EQ(file.Write("XY", 2), c.writes);
    }
    if (c.after == kMissing)
      EXPECT_FALSE(Exists(name));
    else
      EXPECT_EQ(ReadFile(name), c.after);
  }
}

TEST_F(FileTest, OpenOfAnOpenObjectClosesTheOldFileFirst) {
  MCFile file;
  ASSERT_EQ(file.Open(Path("old.bin").c_str(), 0x9011), 1);  // create, write, exclusive
  ASSERT_EQ(file.WriteString("old"), 1);
  ASSERT_EQ(file.Open(Path("new.bin").c_str(), 0x9011), 1);
  EXPECT_EQ(Slashed(std::string(file.GetFilePath())), Slashed(Path("new.bin")));
  // The old handle is gone: its exclusive sharing no longer holds the file.
  MCFile again;
  EXPECT_EQ(again.Open(Path("old.bin").c_str(), 0x8012), 1);
  EXPECT_EQ(again.GetLength(), 3);
  again.Close();
  EXPECT_EQ(MCFile::Remove(Path("old.bin").c_str()), 1);
#if defined(__linux__)
  // POSIX enforces no sharing, so count the descriptors instead.
  auto openDescriptors = [] {
    return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator());
  };
  const auto before = openDescriptors();
  ASSERT_EQ(file.Open(Path("new.bin").c_str(), 0x8020), 1);
  EXPECT_EQ(openDescriptors(), before);
#endif
}

TEST_F(FileTest, FailedOpenLeavesTheObjectWithoutAFile) {
  WriteFile("a.txt", "abc");
  MCFile file(Path("a.txt").c_str(), 0x8020);
  ASSERT_FALSE(file.GetFilePath().IsEmpty());
  EXPECT_EQ(file.Open(Path("missing.txt").c_str(), 0x8020), 0);
  EXPECT_TRUE(file.GetFilePath().IsEmpty());
  char byte;
  EXPECT_EQ(file.Read(&byte, 1), 0u);
  EXPECT_EQ(file.GetLength(), -1);
  EXPECT_EQ(file.Open(nullptr, 0), 0);
  EXPECT_EQ(file.Open("", 0), 0);
}

TEST_F(FileTest, PathsTakeEitherSeparatorAndBecomeFull) {
  fs::create_directories(dir_ / "sub.d");
  const std::string name = dir_.string() + "\\sub.d\\..\\sub.d\\name.txt";
  MCFile file;
  ASSERT_EQ(file.Open(name.c_str(), 0x9001), 1);
  EXPECT_EQ(Slashed(std::string(file.GetFilePath())),
            Slashed((dir_ / "sub.d" / "name.txt").string()));
  EXPECT_EQ(file.GetFileName(), "name.txt");
  EXPECT_EQ(file.GetFileTitleA().Left(4), "name");
  file.SetFilePath("C:\\elsewhere\\other.dic");
  EXPECT_EQ(file.GetFileName(), "other.dic");
  file.Close();
  EXPECT_TRUE(file.GetFilePath().IsEmpty());
  EXPECT_TRUE(fs::exists(dir_ / "sub.d" / "name.txt"));
}

TEST_F(FileTest, PositionLengthLocksAndDuplicates) {
  MCFile file(Path("data.bin").c_str(), 0x9002);
  ASSERT_EQ(file.WriteString("0123456789"), 1);
  EXPECT_EQ(file.GetLength(), 10);
  EXPECT_EQ(file.GetPosition(), 10);  // kept by GetLength
  EXPECT_EQ(file.Seek(-3, MCFile::kEnd), 7);
  EXPECT_EQ(file.Seek(1, MCFile::kCurrent), 8);
  EXPECT_EQ(file.Seek(0, 3), -1);
  EXPECT_EQ(file.SeekToEnd(), 10);
  EXPECT_EQ(file.SetLength(4), 1);
  EXPECT_EQ(file.GetLength(), 4);
  EXPECT_EQ(file.GetPosition(), 4);
  EXPECT_EQ(file.LockRange(0, 2), 1);
  EXPECT_EQ(file.UnlockRange(0, 2), 1);

  MCFile* copy = file.Duplicate();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->GetFilePath(), file.GetFilePath());
  copy->SeekToBegin();
  char bytes[8] = {};
  EXPECT_EQ(copy->Read(bytes, sizeof bytes), 4u);
  EXPECT_STREQ(bytes, "0123");
  delete copy;
  EXPECT_EQ(file.Write("45", 2), 2u);  // the original's handle is its own
  file.Close();
  EXPECT_EQ(ReadFile("data.bin"), "012345");
  EXPECT_EQ(file.Duplicate(), nullptr);
}

// --- Line reading

TEST_F(FileTest, ReadStringSplitsLines) {
  const std::string longLine(300, 'w');
  struct Case {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {"last\r", {"last"}},
      {"a\rb\n", {"a\rb"}},
      {longLine + "\nend", {longLine, "end"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    WriteFile("lines.txt", c.bytes);
    MCFile file(Path("lines.txt").c_str(), 0x8020);
    Lines read;
    MCString line("stale");
    while (file.ReadString(line) != nullptr) read.push_back(static_cast<const char*>(line));
    EXPECT_EQ(read, c.lines);
    EXPECT_TRUE(line.IsEmpty());
  }
}

TEST_F(FileTest, ReadStringLeavesThePositionJustAfterTheLine) {
  WriteFile("mixed.txt", "first\r\nsecond\nthird");
  MCFile file(Path("mixed.txt").c_str(), 0x8020);
  MCString line;
  ASSERT_NE(file.ReadString(line), nullptr);
  EXPECT_EQ(file.GetPosition(), 7);
  char bytes[7] = {};
  ASSERT_EQ(file.Read(bytes, 6), 6u);
  EXPECT_STREQ(bytes, "second");
  char buffer[16];
  ASSERT_NE(file.ReadString(buffer, sizeof buffer), nullptr);
  EXPECT_STREQ(buffer, "");  // the LF after "second"
  EXPECT_EQ(file.GetPosition(), 14);
  ASSERT_NE(file.ReadString(line), nullptr);
  EXPECT_EQ(line, "third");
}

TEST_F(FileTest, ReadStringIntoABufferStopsBeforeItsEnd) {
  struct Case {
    std::string bytes;
    unsigned max;
    Lines lines;
  } cases[] = {
      {"abcdef\nxy\r\n", 4, {"abc", "def", "xy"}},
      {"abc\r\nd", 4, {"abc", "d"}},  // a line that fills the buffer takes its end along
      {"abc\rd", 4, {"abc", "\rd"}},
      {"abc\r", 4, {"abc"}},
      {"ab\r\n", 3, {"ab"}},
      {"x\n", 2, {"x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes) + " max " + std::to_string(c.max));
    WriteFile("lines.txt", c.bytes);
    MCFile file(Path("lines.txt").c_str(), 0x8020);
    Lines read;
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    while (file.ReadString(buffer, c.max) != nullptr) {
      read.push_back(buffer);
      EXPECT_EQ(buffer[c.max], '#') << "wrote past max";
    }
    EXPECT_EQ(read, c.lines);
  }
}

TEST_F(FileTest, ReadStringRefusesABufferWithoutRoomForACharacter) {
  WriteFile("lines.txt", "abc\n");
  MCFile file(Path("lines.txt").c_str(), 0x8020);
  char buffer[2] = {'#', '#'};
  EXPECT_EQ(file.ReadString(buffer, 1), nullptr);
  EXPECT_EQ(file.ReadString(buffer, 0), nullptr);
  EXPECT_EQ(buffer[0], '#');
  EXPECT_EQ(file.GetPosition(), 0);
}

// --- Names

TEST_F(FileTest, GetExtTakesTheLastDotWhereverItIs) {
  struct Case {
    const char* path;
    const char* ext;
  } cases[] = {
      {"C:\\dir.x\\name", ".x\\name"},
      {"a.txt", ".txt"},
      {"a.b.c", ".c"},
      {".hidden", ".hidden"},
      {"noext", ""},
      {"", ""},
      {nullptr, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MCFile::GetExt(c.path), c.ext) << (c.path ? c.path : "null");
}

TEST_F(FileTest, MakeTempNamesAndCreatesTheFirstFreeName) {
  const std::string pattern = Path("mdXXXXXX");
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  ASSERT_EQ(MCFile::MakeTemp(name.data()), name.data());
  EXPECT_EQ(std::string(name.data()), Path("md000001"));
  EXPECT_TRUE(Exists("md000001"));
  EXPECT_EQ(ReadFile("md000001"), "");

  // An object with an open file answers "exists" for any name; MakeTemp
  // must not be misled by the caller's file.
  MCFile caller(Path("md000001").c_str(), 0x8020);
  std::copy(pattern.begin(), pattern.end(), name.begin());
  ASSERT_NE(caller.MakeTemp(name.data()), nullptr);
  EXPECT_EQ(std::string(name.data()), Path("mda00001"));

  // A name that exists but does not open for reading is not taken either.
  fs::create_directory(dir_ / "mdb00001");
  std::copy(pattern.begin(), pattern.end(), name.begin());
  ASSERT_NE(MCFile::MakeTemp(name.data()), nullptr);
  EXPECT_EQ(std::string(name.data()), Path("mdc00001"));
  EXPECT_TRUE(fs::is_directory(dir_ / "mdb00001"));
}

#if !defined(_WIN32)
TEST_F(FileTest, MakeTempCreatesExclusivelyAndNeverThroughAnExistingName) {
  // A dangling link does not open for reading, so it looks free; only an
  // exclusive create notices that the name is taken.
  fs::create_symlink(dir_ / "elsewhere", dir_ / "md000001");
  std::string pattern = Path("mdXXXXXX");
  ASSERT_NE(MCFile::MakeTemp(&pattern[0]), nullptr);
  EXPECT_EQ(pattern, Path("mda00001"));
  EXPECT_FALSE(Exists("elsewhere"));
}
#endif

TEST_F(FileTest, MakeTempGivesNullWhenEveryNameIsTakenAndOverwritesNothing) {
  std::vector<std::string> taken = {"md000001"};
  for (char letter = 'a'; letter <= 'z'; ++letter)
    taken.push_back(std::string("md") + letter + "00001");
  for (const std::string& name : taken) WriteFile(name, "keep " + name);
  std::string pattern = Path("mdXXXXXX");
  EXPECT_EQ(MCFile::MakeTemp(&pattern[0]), nullptr);
  EXPECT_EQ(pattern, Path("mdXXXXXX"));
  for (const std::string& name : taken) EXPECT_EQ(ReadFile(name), "keep " + name);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 27);
}

TEST_F(FileTest, MakeTempRefusesPatternsWithoutSixTrailingX) {
  for (std::string pattern : {"tmpXX", "", "XXXXX", "mdXXXXXXy", "mdXXXxXX"}) {
    const std::string before = pattern;
    EXPECT_EQ(MCFile::MakeTemp(&pattern[0]), nullptr) << before;
    EXPECT_EQ(pattern, before);
  }
  EXPECT_EQ(MCFile::MakeTemp(nullptr), nullptr);
}

// --- Status

TEST_F(FileTest, StatusOfAMissingFileIsZeroed) {
  MCFileStatus status;
  status.size = 77;
  status.attributes = 0x21;
  status.modificationTime = 12345;
  std::strcpy(status.fullPath, "stale");
  EXPECT_EQ(MCFile::GetStatus(Path("missing").c_str(), status), 0);
  EXPECT_EQ(status.size, 0u);
  EXPECT_EQ(status.attributes, 0);
  EXPECT_EQ(status.modificationTime.GetTime(), 0);
  EXPECT_STREQ(status.fullPath, "");
  EXPECT_EQ(MCFile::IsEmpty(Path("missing").c_str()), 0);
  MCFile closed;
  EXPECT_EQ(closed.GetStatus(status), 0);
}

TEST_F(FileTest, StatusReportsSizeTimesAndPath) {
  WriteFile("s.txt", "12345");
  WriteFile("empty.txt", "");
  const MCTime now = MCTime::GetTickCount();
  MCFileStatus status;
  ASSERT_EQ(MCFile::GetStatus(Path("s.txt").c_str(), status), 1);
  EXPECT_EQ(status.size, 5u);
  EXPECT_EQ(Slashed(status.fullPath), Slashed(Path("s.txt")));
  EXPECT_LE(std::abs((status.modificationTime - now).GetTotalSeconds()), 120);
  EXPECT_NE(status.creationTime.GetTime(), 0);
  EXPECT_NE(status.accessTime.GetTime(), 0);
  EXPECT_EQ(status.attributes & kFileAttrReadOnly, 0);
  EXPECT_EQ(status.attributes & kFileAttrDirectory, 0);
  EXPECT_EQ(MCFile::IsEmpty(Path("s.txt").c_str()), 0);
  EXPECT_EQ(MCFile::IsEmpty(Path("empty.txt").c_str()), 1);

  MCFile file(Path("s.txt").c_str(), 0x8002);
  ASSERT_EQ(file.WriteString("abcdefgh"), 1);
  ASSERT_EQ(file.GetStatus(status), 1);
  EXPECT_EQ(status.size, 8u);
  EXPECT_EQ(std::string(status.fullPath), std::string(file.GetFilePath()));
  EXPECT_EQ(file.IsEmpty(), 0);
}

TEST_F(FileTest, SetStatusWritesTimesAndTheReadOnlyBit) {
  WriteFile("s.txt", "x");
  MCFileStatus status;
  ASSERT_EQ(MCFile::GetStatus(Path("s.txt").c_str(), status), 1);
  const MCTime modified(2001, 2, 3, 4, 5, 6);
  const MCTime accessed(2002, 3, 4, 5, 6, 8);
  status.modificationTime = modified;
  status.accessTime = accessed;
  status.creationTime = MCTime();  // left as it is
  status.attributes |= kFileAttrReadOnly;
  ASSERT_EQ(MCFile::SetStatus(Path("s.txt").c_str(), status), 1);
  MCFileStatus read;
  ASSERT_EQ(MCFile::GetStatus(Path("s.txt").c_str(), read), 1);
  EXPECT_EQ(read.modificationTime, modified);
  EXPECT_EQ(read.accessTime, accessed);
  EXPECT_NE(read.attributes & kFileAttrReadOnly, 0);

  // From read-only back to writable, with new times in the same call.
  read.attributes &= static_cast<uint8_t>(~kFileAttrReadOnly);
  read.modificationTime = modified + MCTimeSpan(1, 0, 0, 0);
  ASSERT_EQ(MCFile::SetStatus(Path("s.txt").c_str(), read), 1);
  ASSERT_EQ(MCFile::GetStatus(Path("s.txt").c_str(), status), 1);
  EXPECT_EQ(status.attributes & kFileAttrReadOnly, 0);
  EXPECT_EQ(status.modificationTime, modified + MCTimeSpan(1, 0, 0, 0));
  EXPECT_EQ(MCFile::SetStatus(Path("missing").c_str(), status), 0);
}

// --- Copy, rename, remove, existence

TEST_F(FileTest, CopyRenameRemoveAndExistence) {
  WriteFile("a.txt", "alpha");
  WriteFile("b.txt", "bravo, longer");
  EXPECT_EQ(MCFile::Copy(Path("a.txt").c_str(), Path("b.txt").c_str()), 1);
  EXPECT_EQ(ReadFile("b.txt"), "alpha");
  EXPECT_EQ(MCFile::Copy(Path("a.txt").c_str(), Path("a.txt").c_str()), 0);
  EXPECT_EQ(ReadFile("a.txt"), "alpha");
  EXPECT_EQ(MCFile::Copy(Path("missing").c_str(), Path("c.txt").c_str()), 0);
  EXPECT_FALSE(Exists("c.txt"));

  WriteFile("new.txt", "new contents");
  EXPECT_EQ(MCFile::Rename(Path("new.txt").c_str(), Path("b.txt").c_str()), 1);
  EXPECT_EQ(ReadFile("b.txt"), "new contents");
  EXPECT_FALSE(Exists("new.txt"));
  EXPECT_EQ(MCFile::Rename(Path("missing").c_str(), Path("d.txt").c_str()), 0);

  EXPECT_EQ(MCFile::Remove(Path("b.txt").c_str()), 1);
  EXPECT_FALSE(Exists("b.txt"));
  EXPECT_EQ(MCFile::Remove(Path("b.txt").c_str()), 0);

  MCFile probe;
  EXPECT_EQ(probe.IsFileExist(Path("a.txt").c_str()), 1);
  EXPECT_EQ(probe.IsFileExist(Path("b.txt").c_str()), 0);
  EXPECT_EQ(probe.IsFileExist(dir_.string().c_str()), 0);  // a directory is no file
  ASSERT_EQ(probe.Open(Path("a.txt").c_str(), 0x8020), 1);
  EXPECT_EQ(probe.IsFileExist(Path("b.txt").c_str()), 1);  // an open object says 1
}

#if !defined(_WIN32)
TEST_F(FileTest, RenameCrossesFileSystems) {
  const fs::path other = "/dev/shm";
  struct stat here, there;
  if (stat(other.c_str(), &there) != 0 || stat(dir_.c_str(), &here) != 0 ||
      here.st_dev == there.st_dev)
    GTEST_SKIP() << "no second file system";
  const fs::path source = other / ("file-test-" + std::to_string(std::random_device{}()));
  std::ofstream(source, std::ios::binary) << "moved";
  WriteFile("target.txt", "old");
  EXPECT_EQ(MCFile::Rename(source.c_str(), Path("target.txt").c_str()), 1);
  EXPECT_EQ(ReadFile("target.txt"), "moved");
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  fs::remove(source);
}
#endif

// --- Injected failures

TEST_F(FileTest, InjectedFailuresFailTheChosenCallsAndChangeNothing) {
  MCFile file(Path("w.txt").c_str(), 0x9001);
  MSetFileFault(MFileOperation::kWrite, 2);
  EXPECT_EQ(file.Write("ab", 2), 2u);
  EXPECT_EQ(file.Write("cd", 2), 0u);  // the second write
  EXPECT_EQ(file.WriteString("ef"), 1);
  MSetFileFault(MFileOperation::kShortWrite, 1);
  EXPECT_EQ(file.Write("ghij", 4), 2u);  // the first half reaches the file
  MSetFileFault(MFileOperation::kFlush, 1);
  EXPECT_EQ(file.Flush(), 0);
  EXPECT_EQ(file.Flush(), 1);
  MSetFileFault(MFileOperation::kClose, 1);
  EXPECT_EQ(file.Close(), 0);
  EXPECT_EQ(file.GetLength(), -1);  // closed all the same
  EXPECT_EQ(ReadFile("w.txt"), "abefgh");

  MSetFileFault(MFileOperation::kOpen, 1);
  MCFile probe;
  EXPECT_EQ(probe.IsFileExist(Path("missing.txt").c_str()), 0);  // a free name counts nothing
  EXPECT_EQ(file.Open(Path("w.txt").c_str(), MCFile::kModeReadWrite), 0);
  EXPECT_EQ(file.Open(Path("w.txt").c_str(), MCFile::kModeReadWrite), 1);
  file.Close();
  MSetFileFault(MFileOperation::kOpen, 1);
  EXPECT_EQ(file.Open(Path("w.txt").c_str(), 0x9001), 0);
  EXPECT_EQ(ReadFile("w.txt"), "abefgh");  // refused before it truncates

  std::string pattern = Path("tmXXXXXX");
  MSetFileFault(MFileOperation::kMakeTemp, 1);
  ASSERT_NE(MCFile::MakeTemp(&pattern[0]), nullptr);
  EXPECT_EQ(fs::path(pattern).filename(), "tma00001");  // the first name failed
  pattern = Path("tmXXXXXX");
  MSetFileFault(MFileOperation::kMakeTemp, 1, true);
  EXPECT_EQ(MCFile::MakeTemp(&pattern[0]), nullptr);
  EXPECT_FALSE(Exists("tm000001"));
  MClearFileFaults();

  MSetFileFault(MFileOperation::kRename, 1);
  EXPECT_EQ(MCFile::Rename(Path("w.txt").c_str(), Path("r.txt").c_str()), 0);
  EXPECT_EQ(ReadFile("w.txt"), "abefgh");
  EXPECT_FALSE(Exists("r.txt"));
  EXPECT_EQ(MCFile::Rename(Path("w.txt").c_str(), Path("r.txt").c_str()), 1);

  MSetFileFault(MFileOperation::kRemove, 1);
  EXPECT_EQ(MCFile::Remove(Path("r.txt").c_str()), 0);
  EXPECT_TRUE(Exists("r.txt"));
  MSetFileFault(MFileOperation::kRemove, 2);
  MSetFileFault(MFileOperation::kRemove, 0);  // disarmed before it fires
  EXPECT_EQ(MCFile::Remove(Path("r.txt").c_str()), 1);
}

TEST_F(FileTest, AFullDiskFailsEveryWriteFromThenOn) {
  WriteFile("src.txt", "source");
  MCFile file(Path("w.txt").c_str(), 0x9001);
  MSetFileFault(MFileOperation::kWrite, 1, true);
  EXPECT_EQ(file.WriteString("a"), 0);
  EXPECT_EQ(file.Write("b", 1), 0u);
  EXPECT_EQ(MCFile::Copy(Path("src.txt").c_str(), Path("copy.txt").c_str()), 0);
  EXPECT_FALSE(Exists("copy.txt"));
  EXPECT_EQ(file.Flush(), 1);  // other operations go on
  MClearFileFaults();
  EXPECT_EQ(file.WriteString("c"), 1);
  file.Close();
  EXPECT_EQ(ReadFile("w.txt"), "c");
}

}  // namespace
