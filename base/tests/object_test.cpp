#include <string>

#include <gtest/gtest.h>

#include "base/MCObject.h"

namespace {

struct Recorded {
  std::string text;
  std::string caption;
  unsigned type = 0;
};
Recorded g_recorded;

int RecordMessageBox(const char* text, const char* caption, unsigned type) {
  g_recorded = {text, caption ? caption : "(null)", type};
  return 7;
}

class Counted : public MCObject {
 public:
  explicit Counted(int* alive) : alive_(alive) { ++*alive_; }
  ~Counted() override { --*alive_; }

 private:
  int* alive_;
};

TEST(MCObjectTest, ObjectsComeFromTheSharedHeapAndDestroyThroughTheBase) {
  int alive = 0;
  MCObject* object = new Counted(&alive);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(alive, 1);
  delete object;
  EXPECT_EQ(alive, 0);
  MCObject* none = nullptr;
  delete none;  // accepted
}

TEST(MMessageBoxTest, GoesThroughTheReplaceableHandler) {
  MMessageBoxHandler previous = MSetMessageBoxHandler(RecordMessageBox);
  EXPECT_EQ(MMessageBox("Enum X not defined.", "Error in Val", 0x10), 7);
  EXPECT_EQ(g_recorded.text, "Enum X not defined.");
  EXPECT_EQ(g_recorded.caption, "Error in Val");
  EXPECT_EQ(g_recorded.type, 0x10u);
  EXPECT_EQ(MSetMessageBoxHandler(previous), RecordMessageBox);
}

}  // namespace
