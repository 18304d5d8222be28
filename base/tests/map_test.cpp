#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "base/MCMapStringToOb.h"
#include "base/MCMapWordToOb.h"

namespace {

// Values are not owned, so the tests use the addresses of a few locals.
MCObject g_values[4];

std::vector<unsigned short> WordKeysInOrder(const MCMapWordToOb& map) {
  std::vector<unsigned short> keys;
  for (POSITION pos = map.GetStartPosition(); pos;) {
    unsigned short key = 0;
    MCObject* value = nullptr;
    map.GetNextAssoc(pos, key, value);
    keys.push_back(key);
  }
  return keys;
}

std::vector<std::string> StringKeysInOrder(const MCMapStringToOb& map) {
  std::vector<std::string> keys;
  for (POSITION pos = map.GetStartPosition(); pos;) {
    MCString key;
    MCObject* value = nullptr;
    map.GetNextAssoc(pos, key, value);
    keys.push_back(static_cast<const char*>(key));
  }
  return keys;
}

TEST(MapHashTest, HashesAsTheLanguageDataExpects) {
  MCMapWordToOb words;
  EXPECT_EQ(words.GetHashTableSize(), 17u);
  EXPECT_EQ(words.HashKey(0x0419), 65u);  // bucket 14 of 17
  EXPECT_EQ(words.HashKey(0x0409), 64u);  // bucket 13
  EXPECT_EQ(words.HashKey(0x000F), 0u);

  MCMapStringToOb strings;
  EXPECT_EQ(strings.HashKey(""), 0u);
  EXPECT_EQ(strings.HashKey("ab"), 97u * 33 + 98);
  EXPECT_EQ(strings.HashKey("\xC0"), 0xC0u);  // characters are unsigned
  // 32-bit wrap-around: 33^7 * 'z' and more overflow.
  unsigned expected = 0;
  for (char c : std::string("zzzzzzzzzz")) expected = expected * 33 + static_cast<unsigned char>(c);
  EXPECT_EQ(strings.HashKey("zzzzzzzzzz"), expected);
}

TEST(MapIterationTest, BucketsAscendingNewestFirstWithinABucket) {
  MCMapWordToOb words;
  words.SetAt(0x0419, &g_values[0]);
  words.SetAt(0x0409, &g_values[1]);
  words.SetAt(0x040A, &g_values[2]);  // the bucket of 0x0409, inserted later
  EXPECT_EQ(WordKeysInOrder(words), (std::vector<unsigned short>{0x040A, 0x0409, 0x0419}));

  MCMapStringToOb strings;
  strings.InitHashTable(7, 0);
  // "a" = 97 (bucket 6), "b" = 98 (bucket 0), "h" = 104 (bucket 6)
  for (const char* key : {"a", "b", "h"}) strings.SetAt(key, &g_values[0]);
  EXPECT_EQ(StringKeysInOrder(strings), (std::vector<std::string>{"b", "h", "a"}));

  MCMapWordToOb empty;
  EXPECT_EQ(empty.GetStartPosition(), nullptr);
}

TEST(MapEditTest, IndexInsertsNullAndLookupsFindTheStoredKey) {
  MCMapStringToOb map;
  EXPECT_EQ(map[std::string("new").c_str()], nullptr);
  EXPECT_EQ(map.GetCount(), 1);
  MCObject* value = &g_values[0];
  EXPECT_EQ(map.Lookup("new", value), 1);
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(map.Lookup("New", value), 0);  // case-sensitive

  map["new"] = &g_values[1];
  map.SetAt("other", &g_values[2]);
  EXPECT_EQ(map.GetCount(), 2);
  const char* stored = nullptr;
  std::string key = "other";
  ASSERT_EQ(map.LookupKey(key.c_str(), stored), 1);
  EXPECT_STREQ(stored, "other");
  EXPECT_NE(stored, key.c_str());  // the map's own copy
  EXPECT_EQ(map.LookupKey("none", stored), 0);
}

TEST(MapEditTest, RemovingTheLastEntryFreesEverythingAndTheMapStillWorks) {
  MCMapWordToOb map(2);  // small blocks: several of them, recycled nodes
  for (unsigned short key = 0; key < 9; ++key) map.SetAt(key, &g_values[key % 4]);
  for (unsigned short key = 0; key < 9; ++key) EXPECT_EQ(map.RemoveKey(key), 1);
  EXPECT_EQ(map.RemoveKey(3), 0);
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetStartPosition(), nullptr);
  MCObject* value = nullptr;
  EXPECT_EQ(map.Lookup(3, value), 0);

  // The table and blocks are gone (ASan would report a stale one); the next
  // insertion allocates them again.
  map.SetAt(0x0409, &g_values[1]);
  ASSERT_EQ(map.Lookup(0x0409, value), 1);
  EXPECT_EQ(value, &g_values[1]);
  EXPECT_EQ(WordKeysInOrder(map), (std::vector<unsigned short>{0x0409}));
  map.RemoveAll();
  EXPECT_EQ(map.GetCount(), 0);
}

TEST(MapInitHashTableTest, OnlyAnEmptyMapTakesANewSizeAndZeroIsRefused) {
  MCMapWordToOb map;
  map.InitHashTable(0);  // no division by zero later
  EXPECT_EQ(map.GetHashTableSize(), 17u);
  map.SetAt(0x0419, &g_values[0]);
  map.SetAt(0x0409, &g_values[1]);

  map.InitHashTable(3, 1);  // the entries would be lost in a new table
  EXPECT_EQ(map.GetHashTableSize(), 17u);
  EXPECT_EQ(map.GetCount(), 2);
  MCObject* value = nullptr;
  EXPECT_EQ(map.Lookup(0x0419, value), 1);
  EXPECT_EQ(WordKeysInOrder(map), (std::vector<unsigned short>{0x0409, 0x0419}));

  map.RemoveAll();
  map.InitHashTable(5, 1);
  map.InitHashTable(3, 1);  // replaces the empty table allocated just before
  EXPECT_EQ(map.GetHashTableSize(), 3u);
  map.SetAt(0x0419, &g_values[0]);  // 65 % 3 = 2
  map.SetAt(0x0409, &g_values[1]);  // 64 % 3 = 1
  map.SetAt(0x0400, &g_values[2]);  // 64 % 3 = 1, newer
  EXPECT_EQ(WordKeysInOrder(map), (std::vector<unsigned short>{0x0400, 0x0409, 0x0419}));
}

// Random inserts, removals and lookups against std::map, for both maps; the
// key range is small so that removals hit and the map empties now and then.
TEST(MapModelTest, AgreesWithAReferenceMap) {
  std::srand(1102);
  MCMapWordToOb words(3);
  MCMapStringToOb strings(3);
  std::map<int, MCObject*> model;
  int emptied = 0;
  for (int step = 0; step < 20000; ++step) {
    int key = std::rand() % 8;
    std::string text = "k" + std::to_string(key);
    MCObject* value = &g_values[std::rand() % 4];
    switch (std::rand() % 3) {
      case 0:
        words.SetAt(static_cast<unsigned short>(key), value);
        strings.SetAt(text.c_str(), value);
        model[key] = value;
        break;
      case 1: {
        int present = model.erase(key) ? 1 : 0;
        ASSERT_EQ(words.RemoveKey(static_cast<unsigned short>(key)), present);
        ASSERT_EQ(strings.RemoveKey(text.c_str()), present);
        if (present && model.empty()) ++emptied;
        break;
      }
      default: {
        MCObject* fromWords = nullptr;
        MCObject* fromStrings = nullptr;
        int present = model.count(key) ? 1 : 0;
        ASSERT_EQ(words.Lookup(static_cast<unsigned short>(key), fromWords), present);
        ASSERT_EQ(strings.Lookup(text.c_str(), fromStrings), present);
        if (present) {
          ASSERT_EQ(fromWords, model[key]);
          ASSERT_EQ(fromStrings, model[key]);
        }
      }
    }
    ASSERT_EQ(words.GetCount(), static_cast<int>(model.size()));
    ASSERT_EQ(strings.GetCount(), static_cast<int>(model.size()));
  }
  EXPECT_GT(emptied, 0);  // the path that frees and reallocates was taken

  std::map<int, MCObject*> iterated;
  for (POSITION pos = words.GetStartPosition(); pos;) {
    unsigned short key = 0;
    MCObject* value = nullptr;
    words.GetNextAssoc(pos, key, value);
    iterated[key] = value;
  }
  EXPECT_EQ(iterated, model);
  EXPECT_EQ(StringKeysInOrder(strings).size(), model.size());
}

}  // namespace
