// The dictionary system as a client uses it, over the real engine and
// dictionaries the test builds: Init and Exit, the installed dictionaries
// listed from the registry, the header mirrored by Open, every kind of
// search (checked against the engine's own answer), the steps to the next
// and previous word, edits seen by a second object, and two hubs in one
// process.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "hub_test_support.h"
#include "lexicon/MorvexLexicon.h"
#include "test_dictionaries.h"

namespace com = morvex::com;

namespace {

// cp1251 texts of the test dictionaries, and the same words in UTF-16.
const char kCatRu[] = "\xEA\xEE\xF8\xEA\xE0";  // koshka
const char kTomcatRu[] = "\xEA\xEE\xF2";       // kot
const char kHouseRu[] = "\xE4\xEE\xEC";        // dom
const wchar_t kHouseRuWide[] = L"\x0434\x043E\x043C";

const std::vector<TestArticle> kEnglishRussian = {
    {"cat", std::string("N ") + kCatRu + "; " + kTomcatRu},
    {"catalog", "N \xEA\xE0\xF2\xE0\xEB\xEE\xE3"},
    {"divulge", "V reveal"},
    {"dog", "N coll) hound"},
    {"dogs", "N vulg) curs"},
    {"house", std::string("N ") + kHouseRu},
};
const std::vector<TestArticle> kRussianEnglish = {
    {kHouseRu, "N house"},
    {kCatRu, "N cat"},
};

// The signature fills its whole field, with no terminator in the file.
const std::string kFullSignature(48, 'S');

struct Files {
  std::string directory;
  std::string englishRussian;
  std::string russianEnglish;
};

const Files& TestFiles() {
  static const Files files = [] {
    Files made;
    made.directory = FreshDirectory("hub-client-dictionaries");
    made.englishRussian = made.directory + "enru.dic";
    made.russianEnglish = made.directory + "ruen.dic";
    TestDictionaryHeader english;
    english.signature = kFullSignature;
    english.infoIn = "English";
    english.infoOut = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";  // Russkij
    TestDictionaryHeader russian;
    russian.langIn = 1049;
    russian.langOut = 1033;
    russian.access = 0;
    russian.signature = "ruen";
    EXPECT_EQ(GetACP(), 1251u) << "the test texts are in the system's home code page";
    EXPECT_TRUE(InitTestEngine());
    EXPECT_TRUE(BuildDictionary(made.englishRussian, english, kEnglishRussian));
    EXPECT_TRUE(BuildDictionary(made.russianEnglish, russian, kRussianEnglish));
    return made;
  }();
  return files;
}

com::Bstr Wide(const std::string& ansi) {
  int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], size);
  return com::Bstr(text.c_str(), static_cast<UINT>(text.size()));
}

// A copy of a test dictionary that a test may change.
std::string CopyOf(const std::string& path, const char* name) {
  std::string copy = TestFiles().directory + name;
  EXPECT_TRUE(CopyFileA(path.c_str(), copy.c_str(), FALSE));
  return copy;
}

com::Ptr<IVelDictionary> OpenDictionary(const std::string& path, VdsDicOpenMode mode) {
  com::Ptr<IVelDictionary> dictionary = CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
  if (!dictionary) return dictionary;
  dictionary->put_AccessMode(vdsModeCreate);
  dictionary->put_DicFileName(Wide(path).Get());
  EXPECT_EQ(Hr{dictionary->Open(mode)}, Hr{S_OK}) << path;
  return dictionary;
}

// A hub bound to the engine beside the server, with the build's data.
com::Ptr<ILexiconHub> MakeHub() {
  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  if (hub) hub->put_PathToData(Wide(EngineDataDirectory()).Get());
  return hub;
}

std::vector<com::Ptr<IVelDictionary>> Items(IVelDictCollection* collection) {
  std::vector<com::Ptr<IVelDictionary>> items;
  long count = 0;
  collection->get_Count(&count);
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> item;
    EXPECT_EQ(Hr{collection->get_Item(index, item.Put())}, Hr{S_OK});
    items.push_back(item);
  }
  return items;
}

std::wstring FileNameOf(IVelDictionary* dictionary) {
  com::Bstr name;
  dictionary->get_DicFileName(name.Put());
  return name.Text();
}

long Number(IVelDictionary* dictionary, HRESULT (IVelDictionary::*get)(long*)) {
  long value = -99;
  (dictionary->*get)(&value);
  return value;
}

// Names of the subkeys or values of a registry key, in the registry's own order.
std::vector<std::string> RegistryOrder(const std::string& path, bool values) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD length = sizeof name;
    LONG result =
        values ? RegEnumValueA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr)
               : RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  return names;
}

using ClientTest = HubTest;

// Before each test a hub bound to the engine is started over an empty list
// of theme 1, and after it the hub exits; the tests open their dictionaries
// by file name.
class StartedHubTest : public ClientTest {
 protected:
  void SetUp() override {
    ClientTest::SetUp();
    if (HasFatalFailure()) return;
    hub_ = MakeHub();
    MakeListKey("1");
    ASSERT_TRUE(hub_);
    ASSERT_EQ(Hr{hub_->Init()}, Hr{S_OK});
  }
  void TearDown() override {
    if (hub_) hub_->Exit();
    TakeErrorInfo();
    hub_.Reset();
    ClientTest::TearDown();
  }

 private:
  com::Ptr<ILexiconHub> hub_;
};

TEST_F(ClientTest, InitListsTheDictionariesAndExitClosesThemBeforeReportingTheMissingMDExit) {
  SetListString("1", "EnRu", TestFiles().englishRussian);
  SetListString("1", "RuEn", TestFiles().russianEnglish);
  com::Ptr<ILexiconHub> hub = MakeHub();
  ASSERT_TRUE(hub);
  ASSERT_EQ(Hr{hub->Init()}, Hr{S_OK});
  long active = 0;
  hub->get_Active(&active);
  EXPECT_EQ(active, 1);
  com::Bstr enginePath;
  hub->get_PathToDicDll(enginePath.Put());
  EXPECT_EQ(std::wstring(enginePath.Text()), ProgramDirectory() + L"MorvexLexicon.dll");
  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  TakeErrorInfo();

  com::Ptr<IVelDictCollection> dictionaries;
  ASSERT_EQ(Hr{hub->get_MorDictColl(dictionaries.Put())}, Hr{S_OK});
  std::vector<com::Ptr<IVelDictionary>> items = Items(dictionaries.Get());
  ASSERT_EQ(items.size(), 2u);
  for (const auto& item : items) {
    EXPECT_EQ(Number(item.Get(), &IVelDictionary::get_Opened), 0) << "closed after listing";
    EXPECT_EQ(Number(item.Get(), &IVelDictionary::get_ThemeID), 1);
  }
  EXPECT_EQ(Number(items[0].Get(), &IVelDictionary::get_NumOfArticles) +
                Number(items[1].Get(), &IVelDictionary::get_NumOfArticles),
            static_cast<long>(kEnglishRussian.size() + kRussianEnglish.size()));

  ASSERT_EQ(Hr{items[0]->Open(vdsOpenRead)}, Hr{S_OK});
  ASSERT_EQ(Hr{items[1]->Open(vdsOperWrite)}, Hr{S_OK});
  EXPECT_EQ(Hr{hub->Exit()}, Hr{ErrorResult(518)});
  ErrorRecord error = TakeErrorInfo();
  EXPECT_EQ(error.description, L" Error during exiting dictionary system");
  for (const auto& item : items) EXPECT_EQ(Number(item.Get(), &IVelDictionary::get_Opened), 0);
  hub->get_Active(&active);
  EXPECT_EQ(active, 1);

  // The engine stays bound: the listed dictionaries still open.
  EXPECT_EQ(Hr{items[0]->Open(vdsOpenRead)}, Hr{S_OK});
  EXPECT_EQ(Hr{items[0]->Close()}, Hr{S_OK});
  EXPECT_EQ(Hr{items[0]->Close()}, Hr{ErrorResult(521)});
  TakeErrorInfo();
}

TEST_F(ClientTest, ListingRunsBackwardsOverThemesAndValuesAndSkipsWhatIsNoDictionary) {
  const Files& files = TestFiles();
  SetListString("1", "first", files.englishRussian);
  SetListString("1", "missing", files.directory + "no-such.dic");
  DWORD number = 7;
  SetListValue("1", "number", REG_DWORD, &number, sizeof number);
  SetListString("1", "second", files.russianEnglish);
  SetListString("2", "only", files.russianEnglish);
  // A path stored without its terminating NUL.
  SetListValue("12x", "unterminated", REG_SZ, files.englishRussian.data(),
               static_cast<DWORD>(files.englishRussian.size()));
  SetListString("x", "lettered", files.englishRussian);
  // Values directly in the theme-name key are no dictionaries.
  SetListString("Name", "stray", files.englishRussian);
  SetListString("Name\\400", "1", "General");

  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  ASSERT_TRUE(registry);
  // An engine must be bound for the headers to be read.
  com::Ptr<ILexiconHub> hub = MakeHub();
  ASSERT_EQ(Hr{hub->Init()}, Hr{S_OK});
  com::Ptr<IVelDictCollection> dictionaries;
  ASSERT_EQ(Hr{registry->GetDictionaries(dictionaries.Put())}, Hr{S_OK});

  struct Listed {
    std::wstring file;
    long theme;
  };
  const auto pathOf = [&](const std::string& value) -> std::string {
    if (value == "first" || value == "unterminated" || value == "lettered")
      return files.englishRussian;
    if (value == "second" || value == "only") return files.russianEnglish;
    return std::string();
  };
  const auto themeOf = [](const std::string& subkey) -> long {
    return subkey == "12x" ? 12 : subkey == "x" ? 0 : std::stol(subkey);
  };
  std::vector<Listed> expected;
  std::vector<std::string> subkeys = RegistryOrder(kDictionaryKey, false);
  for (auto subkey = subkeys.rbegin(); subkey != subkeys.rend(); ++subkey) {
    if (*subkey == "Name") continue;
    std::vector<std::string> values =
        RegistryOrder(std::string(kDictionaryKey) + "\\" + *subkey, true);
    for (auto value = values.rbegin(); value != values.rend(); ++value) {
      std::string path = pathOf(*value);
      if (!path.empty()) expected.push_back({Wide(path).Text(), themeOf(*subkey)});
    }
  }
  std::vector<com::Ptr<IVelDictionary>> items = Items(dictionaries.Get());
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(FileNameOf(items[i].Get()), expected[i].file);
    EXPECT_EQ(Number(items[i].Get(), &IVelDictionary::get_ThemeID), expected[i].theme);
  }
  hub->Exit();
  TakeErrorInfo();
}

TEST_F(StartedHubTest, OpenMirrorsTheHeader) {
  com::Ptr<IVelDictionary> dictionary = OpenDictionary(TestFiles().englishRussian, vdsOpenProp);
  ASSERT_TRUE(dictionary);
  com::Bstr sign, infoIn, infoOut;
  dictionary->get_FileSign(sign.Put());
  dictionary->get_FileInfoIn(infoIn.Put());
  dictionary->get_FileInfoOut(infoOut.Put());
  EXPECT_EQ(std::wstring(sign.Text()), std::wstring(48, L'S'));
  EXPECT_STREQ(infoIn.Text(), L"English");
  EXPECT_STREQ(infoOut.Text(), L"\x0420\x0443\x0441\x0441\x043A\x0438\x0439");
  VdsDicType type = vdtTypeBilingua;
  VdsAccessMode mode = vdsModeRead;
  short version = 0;
  DATE created = 0;
  dictionary->get_DicType(&type);
  dictionary->get_AccessMode(&mode);
  dictionary->get_VersionNumber(&version);
  dictionary->get_TimeCreation(&created);
  EXPECT_EQ(type, 1) << "the type byte as stored";
  EXPECT_EQ(mode, vdsModeWrite) << "the header's access byte";
  EXPECT_EQ(version, 0x400);
  EXPECT_DOUBLE_EQ(created, 25569.0 + 1700000000 / 86400.0);
  EXPECT_EQ(Number(dictionary.Get(), &IVelDictionary::get_LangIn), 1033);
  EXPECT_EQ(Number(dictionary.Get(), &IVelDictionary::get_LangOut), 1049);
  EXPECT_EQ(Number(dictionary.Get(), &IVelDictionary::get_NumOfArticles),
            static_cast<long>(kEnglishRussian.size()));
  EXPECT_EQ(Hr{dictionary->Close()}, Hr{S_OK});

  // A header whose access byte is 0 forbids the puts again.
  com::Ptr<IVelDictionary> readOnly = OpenDictionary(TestFiles().russianEnglish, vdsOpenProp);
  ASSERT_TRUE(readOnly);
  EXPECT_EQ(Hr{readOnly->put_FileSign(com::Bstr(L"x").Get())}, Hr{ErrorResult(512)});
  EXPECT_EQ(Hr{readOnly->put_DicFileName(com::Bstr(L"x").Get())}, Hr{ErrorResult(512)});
  TakeErrorInfo();

  com::Ptr<IVelDictionary> missing = CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
  missing->put_AccessMode(vdsModeCreate);
  missing->put_DicFileName(Wide(TestFiles().directory + "no-such.dic").Get());
  EXPECT_EQ(Hr{missing->Open(vdsOpenRead)}, Hr{ErrorResult(520)});
  EXPECT_EQ(Number(missing.Get(), &IVelDictionary::get_Opened), 0);
  TakeErrorInfo();
}

// What the engine itself answers, read on a handle of the test's own.
struct EngineAnswer {
  int status;
  bool hasWord;
  std::string word;
  bool hasArticle;
  std::string article;
};

EngineAnswer Answer(int status, const char* word, const char* article) {
  return {status, word != nullptr, word ? word : "", article != nullptr, article ? article : ""};
}

// Expects the word and article that `ask` gives (as the dictionary's Find,
// Next and Prev give them) to be the engine's own answer. The outputs start
// out as garbage, so that one the call leaves unset shows.
template <class Ask>
void ExpectHubAnswersAsTheEngine(const EngineAnswer& engine, Ask ask) {
  BSTR word = reinterpret_cast<BSTR>(1), article = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(Hr{ask(&word, &article)}, Hr{S_OK});
  if (engine.status != MD_OK) {
    EXPECT_EQ(word, nullptr);
    EXPECT_EQ(article, nullptr);
  } else {
    EXPECT_EQ(word != nullptr, engine.hasWord);
    EXPECT_EQ(article != nullptr, engine.hasArticle);
    if (word) {
      EXPECT_STREQ(word, Wide(engine.word).Text());
    }
    if (article) {
      EXPECT_STREQ(article, Wide(engine.article).Text());
    }
  }
  SysFreeString(word);
  SysFreeString(article);
}

struct FindCase {
  VdsDicFindType type;
  const char* word;
};

TEST_F(StartedHubTest, EveryFindTypeHandsOnWhatTheEngineFinds) {
  com::Ptr<IVelDictionary> dictionary = OpenDictionary(TestFiles().englishRussian, vdsOpenRead);
  ASSERT_TRUE(dictionary);
  MD_HANDLE own = MDOpen(TestFiles().englishRussian.c_str(), 0);
  ASSERT_NE(own, nullptr);

  const FindCase cases[] = {
      {vdfFindExact, "cat"},
      {vdfFindExact, "zebra"},
      {vdfFindNear, "cata"},
      {vdfFindFlex, "cats"},
      {vdfFindPref, "catal"},
      {vdfFindOnly, "dog"},
      {vdfFindDictExact, "house"},
      {vdfFindDictNear, "do"},
      {vdfFindDictExactNovulg, "dogs"},
      {vdfFindDictNearNovulg, "dogs"},
      {vdfFindDictExactNovulg, "divulge"},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " " + c.word);
    const char* word = nullptr;
    const char* article = nullptr;
    int status = MDFind(own, c.type, c.word, &word, &article);
    ExpectHubAnswersAsTheEngine(Answer(status, word, article), [&](BSTR* found, BSTR* text) {
      return dictionary->Find(c.type, Wide(c.word).Get(), found, text);
    });
  }
  MDClose(&own);

  // The dictionary form carries the head word; Cyrillic survives the trip.
  com::Bstr found, article;
  ASSERT_EQ(
      Hr{dictionary->Find(vdfFindDictExact, com::Bstr(L"house").Get(), found.Put(), article.Put())},
      Hr{S_OK});
  EXPECT_TRUE(found.IsNull()) << "an exact search names no other word";
  EXPECT_NE(std::wstring(article.Text()).find(L"house"), std::wstring::npos);
  EXPECT_NE(std::wstring(article.Text()).find(kHouseRuWide), std::wstring::npos);
  dictionary->Close();
}

TEST_F(StartedHubTest, NextAndPrevStepThroughTheWordsAndStopAtTheEnds) {
  com::Ptr<IVelDictionary> dictionary = OpenDictionary(TestFiles().englishRussian, vdsOpenRead);
  ASSERT_TRUE(dictionary);
  MD_HANDLE own = MDOpen(TestFiles().englishRussian.c_str(), 0);
  ASSERT_NE(own, nullptr);
  const char* word = nullptr;
  const char* text = nullptr;
  com::Bstr found, article;
  ASSERT_EQ(MDFind(own, vdfFindNear, "cat", &word, &text), MD_OK);
  ASSERT_EQ(Hr{dictionary->Find(vdfFindNear, com::Bstr(L"cat").Get(), found.Put(), article.Put())},
            Hr{S_OK});

  // Forward to the last word and one past it, then back to the first and one before it.
  for (bool forward : {true, false}) {
    for (size_t step = 0; step <= kEnglishRussian.size(); ++step) {
      SCOPED_TRACE((forward ? "next " : "prev ") + std::to_string(step));
      word = text = nullptr;
      int status = forward ? MDNext(own, &word, &text) : MDPrev(own, &word, &text);
      ExpectHubAnswersAsTheEngine(Answer(status, word, text), [&](BSTR* found, BSTR* article) {
        return forward ? dictionary->Next(found, article) : dictionary->Prev(found, article);
      });
    }
  }
  MDClose(&own);
  dictionary->Close();
}

TEST_F(StartedHubTest, EditsAreSeenByASecondObjectAndRefreshTheArticleCount) {
  std::string path = CopyOf(TestFiles().englishRussian, "edit.dic");
  com::Ptr<IVelDictionary> editor = OpenDictionary(path, vdsOperWrite);
  ASSERT_TRUE(editor);
  ASSERT_EQ(
      Hr{editor->EditWord(com::Bstr(L"cat").Get(), Wide(std::string("N ") + kTomcatRu).Get())},
      Hr{S_OK});
  ASSERT_EQ(Hr{editor->Delete(com::Bstr(L"dog").Get())}, Hr{S_OK});
  EXPECT_EQ(Number(editor.Get(), &IVelDictionary::get_NumOfArticles),
            static_cast<long>(kEnglishRussian.size() - 1));
  ASSERT_EQ(Hr{editor->Close()}, Hr{S_OK});

  com::Ptr<IVelDictionary> reader = OpenDictionary(path, vdsOpenRead);
  ASSERT_TRUE(reader);
  com::Bstr found, article;
  ASSERT_EQ(Hr{reader->Find(vdfFindExact, com::Bstr(L"cat").Get(), found.Put(), article.Put())},
            Hr{S_OK});
  EXPECT_NE(std::wstring(article.Text()).find(L"\x043A\x043E\x0442"), std::wstring::npos);
  EXPECT_EQ(std::wstring(article.Text()).find(L"\x043A\x043E\x0448"), std::wstring::npos);
  ASSERT_EQ(Hr{reader->Find(vdfFindExact, com::Bstr(L"dog").Get(), found.Put(), article.Put())},
            Hr{S_OK});
  EXPECT_TRUE(article.IsNull()) << "deleted";
  EXPECT_EQ(Number(reader.Get(), &IVelDictionary::get_NumOfArticles),
            static_cast<long>(kEnglishRussian.size() - 1));

  // A dictionary opened for reading refuses edits and still answers.
  EXPECT_EQ(Hr{reader->EditWord(com::Bstr(L"house").Get(), com::Bstr(L"N home").Get())},
            Hr{ErrorResult(525)});
  TakeErrorInfo();
  EXPECT_EQ(Number(reader.Get(), &IVelDictionary::get_Opened), 1)
      << "opened again after the failure";
  ASSERT_EQ(Hr{reader->Find(vdfFindExact, com::Bstr(L"house").Get(), found.Put(), article.Put())},
            Hr{S_OK});
  EXPECT_NE(std::wstring(article.Text()).find(kHouseRuWide), std::wstring::npos);
  reader->Close();
}

TEST_F(StartedHubTest, AHeldHandleIsClosedByASecondOpenAndByTheLastRelease) {
  std::string path = CopyOf(TestFiles().englishRussian, "held.dic");
  com::Ptr<IVelDictionary> first = OpenDictionary(path, vdsOperWrite);
  ASSERT_TRUE(first);
  // Opened for editing, the file is held exclusively: these succeed only
  // when the handle before them was closed.
  EXPECT_EQ(Hr{first->Open(vdsOperWrite)}, Hr{S_OK});
  first.Reset();
  com::Ptr<IVelDictionary> second = OpenDictionary(path, vdsOperWrite);
  ASSERT_TRUE(second);
  EXPECT_EQ(Number(second.Get(), &IVelDictionary::get_Opened), 1);
  second->Close();
}

TEST_F(ClientTest, ASecondHubLeavesTheFirstOnesDictionariesWorking) {
  SetListString("1", "EnRu", TestFiles().englishRussian);
  com::Ptr<ILexiconHub> first = MakeHub();
  ASSERT_EQ(Hr{first->Init()}, Hr{S_OK});
  com::Ptr<IVelDictCollection> dictionaries;
  ASSERT_EQ(Hr{first->get_MorDictColl(dictionaries.Put())}, Hr{S_OK});
  com::Ptr<IVelDictionary> dictionary;
  ASSERT_EQ(Hr{dictionaries->get_Item(1, dictionary.Put())}, Hr{S_OK});
  ASSERT_EQ(Hr{dictionary->Open(vdsOpenRead)}, Hr{S_OK});

  com::Ptr<ILexiconHub> elsewhere = MakeHub();
  elsewhere->put_PathToDicDll(com::Bstr(L"C:\\nowhere\\").Get());
  EXPECT_EQ(Hr{elsewhere->Init()}, Hr{ErrorResult(517)});
  TakeErrorInfo();
  com::Ptr<ILexiconHub> alike = MakeHub();
  EXPECT_EQ(Hr{alike->Init()}, Hr{S_OK});

  com::Bstr found, article;
  ASSERT_EQ(Hr{dictionary->Find(vdfFindExact, com::Bstr(L"cat").Get(), found.Put(), article.Put())},
            Hr{S_OK});
  EXPECT_FALSE(article.IsNull());
  alike->Exit();
  elsewhere.Reset();
  alike.Reset();
  ASSERT_EQ(Hr{dictionary->Find(vdfFindNear, com::Bstr(L"do").Get(), found.Put(), article.Put())},
            Hr{S_OK});
  EXPECT_STREQ(found.Text(), L"dog");
  dictionary->Close();
  first->Exit();
  TakeErrorInfo();
}

TEST_F(ClientTest, DefaultProjectsPairTheDirectionsOfTheGeneralTheme) {
  SetListString("0", "RuEn", TestFiles().russianEnglish);
  SetListString("0", "EnRu", TestFiles().englishRussian);
  SetListString("5", "Other", TestFiles().russianEnglish);
  // The value the registry enumerates last is listed first, and leads.
  bool englishLeads = RegistryOrder(std::string(kDictionaryKey) + "\\0", true).back() == "EnRu";
  const std::string& leading =
      englishLeads ? TestFiles().englishRussian : TestFiles().russianEnglish;
  const std::string& following =
      englishLeads ? TestFiles().russianEnglish : TestFiles().englishRussian;
  com::Ptr<ILexiconHub> hub = MakeHub();
  ASSERT_EQ(Hr{hub->Init()}, Hr{S_OK});
  com::Ptr<IVelRegMngr> registry;
  ASSERT_EQ(Hr{hub->get_MorRegMngr(registry.Put())}, Hr{S_OK});
  com::Ptr<IVelPrjCollection> projects;
  ASSERT_EQ(Hr{registry->GetProjects(projects.Put())}, Hr{S_OK});
  long count = 0;
  projects->get_Count(&count);
  ASSERT_EQ(count, 1);
  com::Ptr<IVelProject> project;
  ASSERT_EQ(Hr{projects->get_Item(1, project.Put())}, Hr{S_OK});
  com::Bstr name, description;
  project->get_ProjName(name.Put());
  project->get_PrjDescription(description.Put());
  EXPECT_STREQ(name.Text(), L"Default project");
  EXPECT_STREQ(description.Text(), englishLeads ? L"English - Russian" : L"Russian - English");
  long langIn = 0, autoSwitch = 0;
  project->get_LangIn(&langIn);
  project->get_AutoSwich(&autoSwitch);
  EXPECT_EQ(langIn, englishLeads ? 1033 : 1049);
  EXPECT_EQ(autoSwitch, 1);

  com::Ptr<IVelDictCollection> forward, reverse;
  project->get_InOutDictColl(forward.Put());
  project->get_OutInDictColl(reverse.Put());
  std::vector<com::Ptr<IVelDictionary>> forwardItems = Items(forward.Get());
  std::vector<com::Ptr<IVelDictionary>> reverseItems = Items(reverse.Get());
  ASSERT_EQ(forwardItems.size(), 1u);
  ASSERT_EQ(reverseItems.size(), 1u);
  EXPECT_EQ(FileNameOf(forwardItems[0].Get()), std::wstring(Wide(leading).Text()));
  EXPECT_EQ(FileNameOf(reverseItems[0].Get()), std::wstring(Wide(following).Text()));
  for (const auto& item : {forwardItems[0], reverseItems[0]}) {
    EXPECT_EQ(Number(item.Get(), &IVelDictionary::get_Active), 1);
    EXPECT_EQ(Number(item.Get(), &IVelDictionary::get_Opened), 0);
  }
  hub->Exit();
  TakeErrorInfo();
}

// Runs `commandLine` and gives what it wrote to its standard output.
std::string OutputOf(std::string commandLine) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "no pipe";
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
      output.append(buffer, read);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CloseHandle(readEnd);
  output.erase(std::remove(output.begin(), output.end(), '\r'), output.end());
  return started ? output : "cannot start: " + commandLine;
}

TEST_F(ClientTest, AScriptWalksTheDictionariesAndEditsACopy) {
  SetListString("3", "EnRu", TestFiles().englishRussian);
  SetListString("Name\\409", "3", "General");
  std::string path = CopyOf(TestFiles().englishRussian, "script.dic");
  // The directory goes without its trailing backslash, which would escape the quote.
  std::string data = EngineDataDirectory();
  data.pop_back();
  std::string output =
      OutputOf("cscript.exe //nologo \"" MORVEX_HUB_SCRIPT "\" \"" + data + "\" \"" + path + "\"");
  EXPECT_EQ(output,
            "Init 0 :\n"
            "Active 1\n"
            "Dictionary General English-Russian 6 0\n"
            "Listing 0 :\n"
            "Open 0 :\n"
            "Opened 1\n"
            "Edit 0 :\n"
            "Articles 5\n"
            "Opened 0\n"
            "Close 80040209 LexiconHub.VelDictionary.1:Error closing dictionary\n"
            "Exit 80040206 Morvex.LexiconHub.1: Error during exiting dictionary system\n");

  MD_HANDLE edited = MDOpen(path.c_str(), 0);
  ASSERT_NE(edited, nullptr);
  const char* word = nullptr;
  const char* article = nullptr;
  ASSERT_EQ(MDFind(edited, vdfFindExact, "house", &word, &article), MD_OK);
  EXPECT_NE(std::string(article).find("home"), std::string::npos);
  EXPECT_EQ(MDFind(edited, vdfFindExact, "dog", &word, &article), MD_FAILED);
  MDClose(&edited);
}

}  // namespace
