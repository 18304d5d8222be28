// A test fixture whose suite runs with the grammar tables compiled from
// texts of the test's own: the attribute names (GramId.txt) and the value
// tables (GramVal.txt) are written into a scratch directory and opened once
// for the suite, and closed after it. Used by the grammar-string tests and
// by the article-syntax tests of the dictionary form.
//
//   const char kNames[] = "table GramId\n{\n\"sg\", 131\n}\n";
//   const char kValues[] = "table Numbers\n{\n\"sg\", 0\n}\n";
//   using GramTest = GrammarTablesTest<kNames, kValues>;
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "base/tests/wordlist_support.h"
#include "grammar/GrammarTables.h"

template <const char* GramIdSource, const char* GramValSource>
class GrammarTablesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<ScratchDir>();
    dir_->Write("GramId.txt", GramIdSource);
    dir_->Write("GramVal.txt", GramValSource);
    ASSERT_EQ(OpenGrammar(dir_->DirWithSeparator().c_str()), 1);
  }
  static void TearDownTestSuite() {
    CloseGrammar();
    dir_.reset();
  }

 private:
  static inline std::unique_ptr<ScratchDir> dir_;
};
