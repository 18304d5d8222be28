#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/MCArray.h"
#include "base/MCStringData.h"

namespace {

// --- Growth

// How many elements fit before the storage moves: grows one element at a
// time until GetData changes. A new block is taken before the old one is
// freed, so the address changes exactly when the array reallocates.
int ProbeAllocatedSize(MCPtrArray& array) {
  void* const* data = array.GetData();
  int size = array.GetSize();
  while (true) {
    array.SetSize(size + 1);
    if (array.GetData() != data) return size;
    ++size;
  }
}

TEST(ArrayGrowthTest, AllocatesByTheGrowthRule) {
  struct Case {
    const char* name;
    int initialSize;  // reached by one SetSize on an empty array: exactly this many
    int growBy;
    int newSize;
    int expectedAllocated;
  };
  const Case cases[] = {
      {"empty to 1 allocates exactly 1", 0, 0, 1, 1},
      {"1 to 2 adds the minimum step of 4", 1, 0, 2, 5},
      {"80 to 81 adds size / 8", 80, 0, 81, 90},
      {"16000 to 16001 adds the maximum step of 1024", 16000, 0, 16001, 17024},
      {"a fixed step", 3, 10, 4, 13},
      {"a size beyond old + step is allocated exactly", 1, 0, 100, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MCPtrArray array;
    array.SetSize(c.initialSize, c.growBy);
    array.SetSize(c.newSize);
    ASSERT_EQ(array.GetSize(), c.newSize);
    EXPECT_EQ(ProbeAllocatedSize(array), c.expectedAllocated);
  }
}

TEST(ArrayGrowthTest, NewElementsAreZeroAndFreeExtraFitsTheSize) {
  MCDWordArray array;
  array.SetSize(6);
  for (int i = 0; i < 6; ++i) array[i] = 100 + i;
  array.SetSize(2);  // shrinks within the block
  array.SetSize(4);  // grows within it again: the old values must not reappear
  EXPECT_EQ(array.GetSize(), 4);
  EXPECT_EQ(array[1], 101u);
  EXPECT_EQ(array[2], 0u);
  EXPECT_EQ(array[3], 0u);

  array.FreeExtra();
  EXPECT_EQ(array.GetUpperBound(), 3);
  EXPECT_EQ(array[1], 101u);
  array.SetSize(0);
  EXPECT_EQ(array.GetData(), nullptr);
}

TEST(ArrayGrowthTest, RefusesSizesItCannotHoldAndLeavesTheArrayAlone) {
  MCByteArray array;
  array.Add(7);
  array.SetSize(-1);
  array.SetAtGrow(INT_MAX, 1);  // index + 1 does not fit an int
  array.SetAtGrow(-1, 1);
  array.InsertAt(INT_MAX, 1, 2);  // INT_MAX + 2 elements
  array.InsertAt(0, 1, -3);
  array.RemoveAt(0, 2);  // past the end
  array.RemoveAt(-1, 1);
  ASSERT_EQ(array.GetSize(), 1);
  EXPECT_EQ(array[0], 7);
}

TEST(ArrayEditTest, InsertsAppendsAndCopiesIncludingFromItself) {
  MCWordArray array;
  EXPECT_EQ(array.Add(1), 0);
  EXPECT_EQ(array.Add(2), 1);
  array.InsertAt(1, 9, 2);  // 1 9 9 2
  array.SetAtGrow(5, 5);    // 1 9 9 2 0 5
  array.InsertAt(8, 8);     // beyond the end: 1 9 9 2 0 5 0 0 8
  array.RemoveAt(1, 2);     // 1 2 0 5 0 0 8
  EXPECT_EQ(array.Append(array), 7);
  array.InsertAt(1, &array);  // the whole array again, after its first element
  std::vector<unsigned short> got(array.GetData(), array.GetData() + array.GetSize());
  std::vector<unsigned short> once = {1, 2, 0, 5, 0, 0, 8};
  std::vector<unsigned short> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  std::vector<unsigned short> expected = {1};
  expected.insert(expected.end(), twice.begin(), twice.end());
  expected.insert(expected.end(), twice.begin() + 1, twice.end());
  EXPECT_EQ(got, expected);

  MCWordArray copy;
  copy.Add(42);
  copy.Copy(array);
  EXPECT_EQ(std::vector<unsigned short>(copy.GetData(), copy.GetData() + copy.GetSize()), got);
}

// --- Find and Search: one table, run against the byte, object and string
// arrays, whose elements stand for the numbers of the table.

struct SearchCase {
  const char* name;
  std::vector<int> before;
  int key;
  int sorted;
  int expectedResult;
  std::vector<int> after;
};

const SearchCase kSearchCases[] = {
    {"sorted: present gives -1 and inserts nothing", {1, 3, 5}, 3, 1, -1, {1, 3, 5}},
    {"sorted: before the first greater", {1, 3, 5}, 4, 1, 2, {1, 3, 4, 5}},
    {"sorted: at the front", {1, 3, 5}, 0, 1, 0, {0, 1, 3, 5}},
    {"sorted: after the last", {1, 3, 5}, 9, 1, 3, {1, 3, 5, 9}},
    {"sorted: into an empty array", {}, 2, 1, 0, {2}},
    {"unsorted: present gives its index", {5, 1, 3}, 1, 0, 1, {5, 1, 3}},
    {"unsorted: absent is appended", {5, 1, 3}, 4, 0, 3, {5, 1, 3, 4}},
};

// The index Find must give: the first element equal to the key, or -1.
int FirstIndexOf(const std::vector<int>& values, int key) {
  for (size_t i = 0; i < values.size(); ++i) {
    if (values[i] == key) return static_cast<int>(i);
  }
  return -1;
}

TEST(ArraySearchTest, ByteArray) {
  for (const SearchCase& c : kSearchCases) {
    SCOPED_TRACE(c.name);
    MCByteArray array;
    for (int v : c.before) array.Add(static_cast<unsigned char>(v));
    EXPECT_EQ(array.Find(static_cast<unsigned char>(c.key)), FirstIndexOf(c.before, c.key));
    EXPECT_EQ(array.Search(static_cast<unsigned char>(c.key), c.sorted), c.expectedResult);
    EXPECT_EQ(std::vector<int>(array.GetData(), array.GetData() + array.GetSize()), c.after);
  }
}

class Number : public MCObject {
 public:
  explicit Number(int value) : value(value) {}
  int value;
};

int CompareToKey(MCObject* element, const void* key) {
  return static_cast<Number*>(element)->value - *static_cast<const int*>(key);
}

int CompareToObject(MCObject* element, MCObject* object) {
  return static_cast<Number*>(element)->value - static_cast<Number*>(object)->value;
}

TEST(ArraySearchTest, ObArrayBothForms) {
  for (const SearchCase& c : kSearchCases) {
    SCOPED_TRACE(c.name);
    std::vector<Number> numbers(c.before.begin(), c.before.end());
    Number keyObject(c.key);
    MCObArray byKey;
    MCObArray byObject;
    for (Number& n : numbers) {
      byKey.Add(&n);
      byObject.Add(&n);
    }
    EXPECT_EQ(byKey.Find(&c.key, CompareToKey), FirstIndexOf(c.before, c.key));
    EXPECT_EQ(byObject.Find(&keyObject, CompareToObject), FirstIndexOf(c.before, c.key));
    EXPECT_EQ(byKey.Search(&c.key, CompareToKey, c.sorted), c.expectedResult);
    EXPECT_EQ(byObject.Search(&keyObject, CompareToObject, c.sorted), c.expectedResult);
    ASSERT_EQ(byObject.GetSize(), static_cast<int>(c.after.size()));
    for (int i = 0; i < byObject.GetSize(); ++i) {
      EXPECT_EQ(static_cast<Number*>(byObject[i])->value, c.after[i]);
      // The key form leaves the new slot null for the caller to fill.
      bool inserted = c.after.size() > c.before.size() && i == c.expectedResult;
      EXPECT_EQ(byKey[i] == nullptr, inserted);
    }
  }
}

int CompareStrings(const char* element, const char* key) { return std::strcmp(element, key); }

TEST(ArraySearchTest, StringArray) {
  for (const SearchCase& c : kSearchCases) {
    SCOPED_TRACE(c.name);
    MCStringArray array;
    for (int v : c.before) array.Add(std::to_string(v).c_str());
    std::string key = std::to_string(c.key);  // one digit each: text order is number order
    EXPECT_EQ(array.Find(key.c_str(), CompareStrings), FirstIndexOf(c.before, c.key));
    EXPECT_EQ(array.Search(key.c_str(), CompareStrings, c.sorted), c.expectedResult);
    ASSERT_EQ(array.GetSize(), static_cast<int>(c.after.size()));
    for (int i = 0; i < array.GetSize(); ++i) {
      EXPECT_EQ(array[i], std::to_string(c.after[i]).c_str());
    }
  }
}

// --- Sort

int ByValueTyped(MCObject* const* left, MCObject* const* right) {
  return static_cast<Number*>(*left)->value - static_cast<Number*>(*right)->value;
}

int ByValueDescendingUntyped(const void* left, const void* right) {
  return ByValueTyped(static_cast<MCObject* const*>(right), static_cast<MCObject* const*>(left));
}

int ByText(const MCString* left, const MCString* right) { return left->Compare(*right); }

TEST(ArraySortTest, SortsWithTheCallersComparison) {
  Number n[] = {Number(3), Number(1), Number(2)};
  MCObArray objects;
  for (Number& x : n) objects.Add(&x);
  objects.Sort(ByValueTyped);
  EXPECT_EQ(objects[0], &n[1]);
  EXPECT_EQ(objects[2], &n[0]);
  objects.Sort(ByValueDescendingUntyped);
  EXPECT_EQ(objects[0], &n[0]);
  EXPECT_EQ(objects[2], &n[1]);

  MCStringArray strings;
  for (const char* s : {"pear", "apple", "fig"}) strings.Add(s);
  strings.Sort(ByText);
  EXPECT_EQ(strings[0], "apple");
  EXPECT_EQ(strings[1], "fig");
  EXPECT_EQ(strings[2], "pear");

  MCByteArray bytes;
  for (unsigned char b : {200, 7, 129, 7}) bytes.Add(b);
  bytes.Sort();
  EXPECT_EQ(std::vector<unsigned char>(bytes.GetData(), bytes.GetData() + 4),
            (std::vector<unsigned char>{7, 7, 129, 200}));
}

// --- Move and Change: one table on "abcdef", run against both arrays.

struct BlockCase {
  const char* name;
  bool change;  // Change(first, second, count), else Move(first, second, count)
  int first;
  int second;
  int count;
  const char* objects;  // MCObArray result
  const char* strings;  // MCStringArray result
};

const BlockCase kBlockCases[] = {
    {"change", true, 0, 3, 2, "decabf", "decabf"},
    {"change orders its blocks first", true, 3, 0, 2, "decabf", "decabf"},
    {"change of adjacent blocks", true, 0, 2, 2, "cdabef", "cdabef"},
    {"move left", false, 0, 3, 2, "deabcf", "deabcf"},
    {"move right: ends before the element at to", false, 5, 0, 2, "cdeabf", "cdeabf"},
    {"move right to the end", false, 6, 0, 2, "cdefab", "cdefab"},
    {"move left, overlapping", false, 1, 2, 2, "acdbef", "abcdef"},
    {"move right, overlapping", false, 3, 2, 2, "abcdef", "abcdef"},
    {"move right, touching", false, 4, 2, 2, "abcdef", "abcdef"},
    {"negative to", false, -1, 0, 1, "abcdef", "abcdef"},
    {"to beyond the size", false, 7, 0, 1, "abcdef", "abcdef"},
    {"block past the end", false, 0, 5, 2, "abcdef", "abcdef"},
};

class Letter : public MCObject {
 public:
  char letter = 0;
};

TEST(ArrayBlockTest, MoveAndChange) {
  const char* const kStart = "abcdef";
  Letter letters[6];
  for (int i = 0; i < 6; ++i) letters[i].letter = kStart[i];
  for (const BlockCase& c : kBlockCases) {
    SCOPED_TRACE(c.name);
    MCObArray objects;
    MCStringArray strings;
    for (int i = 0; i < 6; ++i) {
      objects.Add(&letters[i]);
      strings.Add(std::string(1, kStart[i]).c_str());
    }
    if (c.change) {
      objects.Change(c.first, c.second, c.count);
      strings.Change(c.first, c.second, c.count);
    } else {
      objects.Move(c.first, c.second, c.count);
      strings.Move(c.first, c.second, c.count);
    }
    std::string gotObjects;
    for (int i = 0; i < objects.GetSize(); ++i)
      gotObjects += static_cast<Letter*>(objects[i])->letter;
    std::string gotStrings;
    for (int i = 0; i < strings.GetSize(); ++i) gotStrings += static_cast<const char*>(strings[i]);
    EXPECT_EQ(gotObjects, c.objects);
    EXPECT_EQ(gotStrings, c.strings);
  }
}

TEST(ArrayBlockTest, RemoveAtIntoAnotherArray) {
  Letter letters[4];
  MCObArray array;
  for (Letter& l : letters) array.Add(&l);
  MCObArray out;
  out.Add(&letters[0]);  // emptied first
  array.RemoveAt(1, &out, 2);
  ASSERT_EQ(out.GetSize(), 2);
  EXPECT_EQ(out[0], &letters[1]);
  EXPECT_EQ(out[1], &letters[2]);
  ASSERT_EQ(array.GetSize(), 2);
  EXPECT_EQ(array[1], &letters[3]);

  array.RemoveAt(0, &array, 1);  // into itself: refused
  array.RemoveAt(1, &out, 2);    // past the end: refused
  EXPECT_EQ(array.GetSize(), 2);
  EXPECT_EQ(out.GetSize(), 2);
}

// --- Ownership of strings

int32_t ReferencesOf(const MCString& s) {
  return MCStringData::Of(static_cast<const char*>(s))->refs;
}

TEST(StringArrayTest, ReleasesTheStringsItDrops) {
  MCString held("shared text");
  MCStringArray array;
  array.SetSize(4);
  EXPECT_EQ(array[3], "");                                // new elements are empty strings
  for (int i = 0; i < 4; ++i) array.ElementAt(i) = held;  // shares the buffer
  ASSERT_EQ(ReferencesOf(held), 5);

  array.SetSize(2);
  EXPECT_EQ(ReferencesOf(held), 3);
  array.RemoveAt(0);
  EXPECT_EQ(ReferencesOf(held), 2);
  array.SetAt(0, "other");
  EXPECT_EQ(ReferencesOf(held), 1);

  // Growing and moving relocate the strings without copying or losing them.
  array.ElementAt(0) = held;
  for (int i = 0; i < 100; ++i) array.Add("x");
  array.Move(0, 50, 10);
  array.Move(90, 0, 5);
  EXPECT_EQ(ReferencesOf(held), 2);
  array.RemoveAll();
  EXPECT_EQ(ReferencesOf(held), 1);
}

}  // namespace
