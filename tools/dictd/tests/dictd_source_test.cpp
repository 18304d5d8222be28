// Reading dictd sources: the base-64 numbers, the index lines (good and
// damaged), plain and compressed data files, articles outside the data.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/dictd/DictdSource.h"

namespace {

std::string TempPath(const std::string& name) {
  return testing::TempDir() + "dictd_source_" + name;
}

void WriteGzip(const std::string& path, const std::string& content) {
  gzFile file = gzopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(gzwrite(file, content.data(), static_cast<unsigned>(content.size())),
            static_cast<int>(content.size()));
  ASSERT_EQ(gzclose(file), Z_OK);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

TEST(DictdSource, DecodesBase64Numbers) {
  const struct {
    const char* digits;
    bool valid;
    uint64_t value;
  } cases[] = {
      {"A", true, 0},
      {"B", true, 1},
      {"/", true, 63},
      {"BA", true, 64},
      {"C+m", true, 12198},
      {"EgRS", true, 4 * 262144 + 32 * 4096 + 17 * 64 + 18},
      {"////////", true, (uint64_t{1} << 48) - 1},
      {"", false, 0},
      {"A-B", false, 0},
      {"AAAAAAAAA", false, 0},
  };
  for (const auto& c : cases) {
    uint64_t value = 99;
    EXPECT_EQ(DecodeDictdNumber(c.digits, &value), c.valid) << c.digits;
    if (c.valid) {
      EXPECT_EQ(value, c.value) << c.digits;
    }
  }
}

TEST(DictdSource, ParsesIndexLinesAndReportsDamagedOnes) {
  const std::string index =
      "00-database-short\tA\tB\n"
      "cat\tB\tC\r\n"
      "colorado beetle\tBA\tZ\n"
      "broken line\tB\n"
      "bad digit\tB!\tC\n"
      "\n"
      "dog\tC\tD";
  std::vector<std::string> problems;
  const std::vector<DictdIndexEntry> entries = ParseDictdIndex(index, &problems);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].word, "cat");
  EXPECT_EQ(entries[0].offset, 1u);
  EXPECT_EQ(entries[0].length, 2u);
  EXPECT_EQ(entries[0].line, 2u);
  EXPECT_EQ(entries[1].word, "colorado beetle");
  EXPECT_EQ(entries[1].offset, 64u);
  EXPECT_EQ(entries[2].word, "dog");
  EXPECT_EQ(entries[2].line, 7u);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("index line 4"), std::string::npos);
  EXPECT_NE(problems[1].find("index line 5"), std::string::npos);
}

TEST(DictdSource, ReadsPlainAndCompressedDataAlike) {
  const std::string content = "cat\n   кошка\n";
  WriteBytes(TempPath("plain.dict"), content);
  WriteGzip(TempPath("packed.dict.dz"), content);
  for (const char* name : {"plain.dict", "packed.dict.dz"}) {
    std::string read;
    std::string error;
    EXPECT_TRUE(ReadDictdFile(TempPath(name), &read, &error)) << name << ": " << error;
    EXPECT_EQ(read, content) << name;
  }
}

TEST(DictdSource, RefusesMissingAndTruncatedFiles) {
  std::string read;
  std::string error;
  EXPECT_FALSE(ReadDictdFile(TempPath("missing.dict"), &read, &error));
  EXPECT_NE(error.find("cannot be opened"), std::string::npos);

  WriteGzip(TempPath("whole.dict.dz"), std::string(5000, 'x') + "the end");
  const std::string packed = ReadBytes(TempPath("whole.dict.dz"));
  WriteBytes(TempPath("cut.dict.dz"), packed.substr(0, packed.size() - 12));
  error.clear();
  EXPECT_FALSE(ReadDictdFile(TempPath("cut.dict.dz"), &read, &error));
  EXPECT_FALSE(error.empty());
}

TEST(DictdSource, FindsArticlesOnlyInsideTheData) {
  const std::string data = "0123456789";
  std::string_view article;
  EXPECT_TRUE(ArticleOf(data, DictdIndexEntry{"w", 2, 3, 1}, &article));
  EXPECT_EQ(article, "234");
  EXPECT_TRUE(ArticleOf(data, DictdIndexEntry{"w", 10, 0, 1}, &article));
  EXPECT_FALSE(ArticleOf(data, DictdIndexEntry{"w", 8, 3, 1}, &article));
  EXPECT_FALSE(ArticleOf(data, DictdIndexEntry{"w", 11, 0, 1}, &article));
  EXPECT_FALSE(ArticleOf(data, DictdIndexEntry{"w", 1, UINT64_MAX, 1}, &article));
}

TEST(DictdSource, ReadsTheSourceName) {
  const std::string data = "00-database-short\n     Small Test Dictionary  \nother";
  const std::string index = "00-database-short\tA\t0\ncat\tA\tB\n";
  EXPECT_EQ(DictdHeaderValue(index, data, "00-database-short"), "Small Test Dictionary");
  EXPECT_EQ(DictdHeaderValue(index, data, "00-database-url"), "");
}

}  // namespace
