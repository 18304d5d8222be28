#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/ReadStringArray.h"
#include "base/tests/wordlist_support.h"

namespace {

using Lines = std::vector<std::string>;

class ReadStringArrayTest : public ::testing::Test {
 protected:
  // Reads the named scratch file; the lines land in lines_.
  int ReadSource(const std::string& name) {
    MCFile file;
    EXPECT_EQ(file.Open(dir_.Path(name).c_str(), 0x8020), 1) << name;
    MCStringArray array;
    const int result = ReadStringArray(file, array);
    lines_.clear();
    for (int i = 0; i < array.GetSize(); ++i) lines_.push_back(static_cast<const char*>(array[i]));
    return result;
  }

  // The one message recorded so far, as "caption|text".
  std::string OnlyMessage() const {
    if (recorder_.messages().size() != 1u) {
      return "(" + std::to_string(recorder_.messages().size()) + " messages)";
    }
    return recorder_.messages()[0].caption + "|" + recorder_.messages()[0].text;
  }

  ScratchDir dir_;
  MessageRecorder recorder_;
  Lines lines_;
};

TEST_F(ReadStringArrayTest, CutsCommentsTrimsAndDropsEmptyLines) {
  dir_.Write("s.txt",
             "  enum Case // the cases\r\n"
             "//only a comment\n"
             "\t{ \n"
             "\n"
             "   \r\n"
             "#include\n"
             "#include <stdio.h>\n"
             "#include_x \"b.txt\"\n"
             "a=1//x//y\n"
             "last");
  EXPECT_EQ(ReadSource("s.txt"), 1);
  EXPECT_EQ(lines_, (Lines{"enum Case", "{", "#include", "#include <stdio.h>",
                           "#include_x \"b.txt\"", "a=1", "last"}));
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(ReadStringArrayTest, IncludesResolveAgainstTheIncludingFile) {
  // The current directory is not the scratch directory, so only the
  // including file's own directory can find these.
  dir_.Write("main.txt", "1\n#include \"sub/a.txt\"\n5\n");
  dir_.Write("sub/a.txt", "2\n#include \t \"b.txt\" trailing words\n4");
  dir_.Write("sub/b.txt", "3\n");
  EXPECT_EQ(ReadSource("main.txt"), 1);
  EXPECT_EQ(lines_, (Lines{"1", "2", "3", "4", "5"}));
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(ReadStringArrayTest, IncludesAcceptAnAbsoluteNameAndATab) {
  dir_.Write("abs.txt", "absolute\n");
  dir_.Write("main.txt", "#include\t\"" + dir_.Path("abs.txt") + "\"\n");
  EXPECT_EQ(ReadSource("main.txt"), 1);
  EXPECT_EQ(lines_, (Lines{"absolute"}));
}

TEST_F(ReadStringArrayTest, ACommentStartsEvenInsideAQuotedName) {
  // What is left of the name after the cut reaches to the end of the line.
  dir_.Write("a", "from a\n");
  dir_.Write("main.txt", "#include \"a//b.txt\"\n");
  EXPECT_EQ(ReadSource("main.txt"), 1);
  EXPECT_EQ(lines_, (Lines{"from a"}));
}

TEST_F(ReadStringArrayTest, AMissingIncludeStopsItsFileAndKeepsEarlierLines) {
  dir_.Write("main.txt", "before\n#include \"missing.txt\"\nafter\n");
  EXPECT_EQ(ReadSource("main.txt"), 0);
  EXPECT_EQ(lines_, (Lines{"before"}));
  EXPECT_EQ(OnlyMessage(), "Error open file.|Can`t open " + dir_.Path("missing.txt"));
}

TEST_F(ReadStringArrayTest, AnEmptyIncludeNameCannotBeOpened) {
  dir_.Write("main.txt", "#include \"\"\n");
  EXPECT_EQ(ReadSource("main.txt"), 0);
  EXPECT_EQ(OnlyMessage(), "Error open file.|Can`t open " + dir_.DirWithSeparator());
}

TEST_F(ReadStringArrayTest, AFailureInsideAnIncludeLetsTheIncluderReadOnButFails) {
  dir_.Write("main.txt", "1\n#include \"a.txt\"\n4\n");
  dir_.Write("a.txt", "2\n#include \"missing.txt\"\n3\n");
  EXPECT_EQ(ReadSource("main.txt"), 0);
  EXPECT_EQ(lines_, (Lines{"1", "2", "4"}));
  EXPECT_EQ(OnlyMessage(), "Error open file.|Can`t open " + dir_.Path("missing.txt"));
}

TEST_F(ReadStringArrayTest, ACycleIsRefusedAtOnce) {
  dir_.Write("a.txt", "a1\n#include \"b.txt\"\na2\n");
  dir_.Write("b.txt", "b1\n#include \"a.txt\"\nb2\n");
  EXPECT_EQ(ReadSource("a.txt"), 0);
  EXPECT_EQ(lines_, (Lines{"a1", "b1", "a2"}));
  EXPECT_EQ(OnlyMessage(), "Error open file.|" + dir_.Path("a.txt") + " includes itself");
}

TEST_F(ReadStringArrayTest, ASelfIncludeRepeatedManyTimesEndsQuickly) {
  std::string source = "x\n";
  for (int i = 0; i < 50; ++i) source += "#include \"self.txt\"\n";
  dir_.Write("self.txt", source);
  EXPECT_EQ(ReadSource("self.txt"), 0);
  EXPECT_EQ(lines_, (Lines{"x"}));
  EXPECT_EQ(recorder_.messages().size(), 1u);
}

// top.txt includes d1.txt, which includes d2.txt, ... down to d<depth>.txt.
void WriteChain(const ScratchDir& dir, int depth) {
  dir.Write("top.txt", "top\n#include \"d1.txt\"\n");
  for (int i = 1; i <= depth; ++i) {
    std::string text = "d" + std::to_string(i) + "\n";
    if (i < depth) text += "#include \"d" + std::to_string(i + 1) + ".txt\"\n";
    dir.Write("d" + std::to_string(i) + ".txt", text);
  }
}

TEST_F(ReadStringArrayTest, IncludesNestSixteenDeep) {
  WriteChain(dir_, kMaxIncludeDepth);
  EXPECT_EQ(ReadSource("top.txt"), 1);
  ASSERT_EQ(lines_.size(), 1u + kMaxIncludeDepth);
  EXPECT_EQ(lines_.back(), "d16");
  EXPECT_TRUE(recorder_.messages().empty());
}

TEST_F(ReadStringArrayTest, ASeventeenthLevelIsRefused) {
  WriteChain(dir_, kMaxIncludeDepth + 1);
  EXPECT_EQ(ReadSource("top.txt"), 0);
  ASSERT_EQ(lines_.size(), 1u + kMaxIncludeDepth);
  EXPECT_EQ(lines_.back(), "d16");
  EXPECT_EQ(OnlyMessage(), "Error open file.|Includes nested too deep at " + dir_.Path("d17.txt"));
}

}  // namespace
