#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/MCFile.h"
#include "base/MCFileMapping.h"

namespace {

namespace fs = std::filesystem;

constexpr unsigned kReadOnly = MCFile::kTypeBinary | MCFile::kShareDenyWrite;
constexpr unsigned kReadWrite = MCFile::kTypeBinary | MCFile::kModeReadWrite;

class FileMappingTest : public ::testing::Test {
 protected:
  FileMappingTest() {
    static std::atomic<int> serial{0};
    dir_ =
        fs::temp_directory_path() / ("file-mapping-test-" + std::to_string(std::random_device{}()) +
                                     "-" + std::to_string(++serial));
    fs::create_directories(dir_);
  }
  ~FileMappingTest() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string Mapped(const MCFileMapping& mapping) {
    return std::string(reinterpret_cast<const char*>(mapping.GetData()), mapping.GetSize());
  }

  fs::path dir_;
};

TEST_F(FileMappingTest, MapsTheWholeFileInEitherAccessMode) {
  std::string bytes(70000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
  const std::string path = Write("data.bin", bytes);
  for (unsigned flags : {kReadOnly, kReadWrite}) {
    MCFile file;
    ASSERT_TRUE(file.Open(path.c_str(), flags));
    MCFileMapping mapping;
    ASSERT_EQ(mapping.Map(file), 1) << flags;
    EXPECT_EQ(mapping.IsMapped(), 1);
    EXPECT_EQ(Mapped(mapping), bytes) << flags;
    // The view does not depend on the handle.
    file.Close();
    EXPECT_EQ(Mapped(mapping), bytes) << flags;
  }
}

TEST_F(FileMappingTest, RefusesWhatItCannotMap) {
  MCFileMapping mapping;
  MCFile closed;
  EXPECT_EQ(mapping.Map(closed), 0);
  EXPECT_EQ(mapping.IsMapped(), 0);

  MCFile empty;
  ASSERT_TRUE(empty.Open(Write("empty.bin", "").c_str(), kReadOnly));
  EXPECT_EQ(mapping.Map(empty), 0);
  EXPECT_EQ(mapping.IsMapped(), 0);
  EXPECT_EQ(mapping.GetData(), nullptr);
  EXPECT_EQ(mapping.GetSize(), 0u);
}

// An edit moves a new file over the mapped one: once the mapping is released
// (also by mapping another file), nothing holds the old file.
TEST_F(FileMappingTest, ReleasedFileCanBeReplaced) {
  const std::string path = Write("dic.bin", "old contents");
  const std::string next = Write("next.bin", "new");
  const std::string other = Write("other.bin", "other");
  MCFileMapping mapping;
  {
    MCFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kReadWrite));
    ASSERT_EQ(mapping.Map(file), 1);
    MCFile second;
    ASSERT_TRUE(second.Open(other.c_str(), kReadOnly));
    ASSERT_EQ(mapping.Map(second), 1);
    EXPECT_EQ(Mapped(mapping), "other");
  }
  ASSERT_EQ(MCFile::Rename(next.c_str(), path.c_str()), 1);
  mapping.Release();
  EXPECT_EQ(mapping.IsMapped(), 0);
  ASSERT_EQ(MCFile::Rename(path.c_str(), next.c_str()), 1);
  MCFile moved;
  ASSERT_TRUE(moved.Open(next.c_str(), kReadOnly));
  ASSERT_EQ(mapping.Map(moved), 1);
  EXPECT_EQ(Mapped(mapping), "new");
}

}  // namespace
