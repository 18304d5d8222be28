// The server's objects that need no engine: the dictionary object's
// property rules, the two collections, the project, the theme names of the
// registry manager, and the error information each failure leaves.
#include <windows.h>

#include <functional>
#include <string>

#include "com/testing/TypeLibCheck.h"
#include "hub_test_support.h"

namespace com = morvex::com;

namespace {

using ObjectTest = HubTest;

com::Ptr<IVelDictionary> MakeDictionary() {
  return CreateByProgId<IVelDictionary>(L"LexiconHub.VelDictionary");
}

// --- Registration

struct ClassCase {
  const wchar_t* progId;
  const CLSID* clsid;
};

TEST_F(ObjectTest, EveryClassIsRegisteredUnderBothProgIdsWithItsTypeLibrary) {
  const ClassCase classes[] = {
      {L"Morvex.LexiconHub", &CLSID_LexiconHub},
      {L"LexiconHub.VelDictionary", &CLSID_VelDictionary},
      {L"LexiconHub.VelDictCollection", &CLSID_VelDictCollection},
      {L"LexiconHub.VelProject", &CLSID_VelProject},
      {L"LexiconHub.VelPrjCollection", &CLSID_VelPrjCollection},
      {L"LexiconHub.VelRegMngr", &CLSID_VelRegMngr},
  };
  for (const ClassCase& c : classes) {
    SCOPED_TRACE(c.progId);
    std::wstring versioned = std::wstring(c.progId) + L".1";
    CLSID independent = GUID_NULL, exact = GUID_NULL;
    EXPECT_EQ(Hr{CLSIDFromProgID(c.progId, &independent)}, Hr{S_OK});
    EXPECT_EQ(Hr{CLSIDFromProgID(versioned.c_str(), &exact)}, Hr{S_OK});
    EXPECT_TRUE(IsEqualCLSID(independent, *c.clsid));
    EXPECT_TRUE(IsEqualCLSID(exact, *c.clsid));
    LPOLESTR progId = nullptr;
    ASSERT_EQ(Hr{ProgIDFromCLSID(*c.clsid, &progId)}, Hr{S_OK});
    EXPECT_EQ(std::wstring(progId), versioned);
    CoTaskMemFree(progId);
  }
  std::wstring server = ProgramDirectory() + L"LexiconHub.dll";
  EXPECT_TRUE(com::testing::EmbeddedLibidIs(server.c_str(), LIBID_LEXICONHUBLib));
  EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_LEXICONHUBLib, 1, 0));

  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  com::Ptr<IConnectionPointContainer> points;
  ASSERT_EQ(Hr{hub.As(&points)}, Hr{S_OK});
  com::Ptr<IConnectionPoint> events;
  EXPECT_EQ(Hr{points->FindConnectionPoint(DIID__ILexiconHubEvents, events.Put())}, Hr{S_OK});
  com::Ptr<ISupportErrorInfo> errors;
  ASSERT_EQ(Hr{hub.As(&errors)}, Hr{S_OK});
  EXPECT_EQ(Hr{errors->InterfaceSupportsErrorInfo(IID_ILexiconHub)}, Hr{S_OK});
}

// --- Error information

struct ErrorCase {
  const char* name;
  std::function<HRESULT()> call;
  UINT id;
  const wchar_t* description;
  const wchar_t* source;
  const IID* iid;
};

TEST_F(ObjectTest, EveryErrorCarriesItsTextSourceAndInterface) {
  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  com::Ptr<IVelProject> project = CreateByProgId<IVelProject>(L"LexiconHub.VelProject");
  com::Ptr<IVelDictCollection> dictionaries =
      CreateByProgId<IVelDictCollection>(L"LexiconHub.VelDictCollection");
  com::Ptr<IVelPrjCollection> projects =
      CreateByProgId<IVelPrjCollection>(L"LexiconHub.VelPrjCollection");
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  ASSERT_TRUE(hub && dictionary && project && dictionaries && projects && registry);
  const wchar_t* kDictionarySource = L"LexiconHub.VelDictionary.1";
  com::Bstr word(L"cat");

  const ErrorCase cases[] = {
      {"file name at access mode 0", [&] { return dictionary->put_DicFileName(word.Get()); }, 512,
       L"Invalid dictionary access mode", kDictionarySource, &IID_IVelDictionary},
      {"type out of range", [&] { return dictionary->put_DicType(static_cast<VdsDicType>(5)); },
       513, L"Invalid dicionary parameter value", kDictionarySource, &IID_IVelDictionary},
      {"project style out of range",
       [&] { return project->put_TransStyle(static_cast<VdsPrjStyle>(2)); }, 514,
       L"Invalid project parameter value", L"LexiconHub.VelProject.1", &IID_IVelProject},
      {"project collection to a null pointer", [&] { return project->get_InOutDictColl(nullptr); },
       515, L"Null interface pointer", L"LexiconHub.VelProject.1", &IID_IVelProject},
      {"hub collection before Init",
       [&] {
         com::Ptr<IVelDictCollection> none;
         return hub->get_MorDictColl(none.Put());
       },
       516, L"Null interface pointer", L"Morvex.LexiconHub.1", &IID_ILexiconHub},
      {"hub project collection",
       [&] {
         com::Ptr<IVelPrjCollection> none;
         return hub->get_MorProjectColl(none.Put());
       },
       516, L"Null interface pointer", L"Morvex.LexiconHub.1", &IID_ILexiconHub},
      {"active dictionary of an empty collection",
       [&] { return dictionaries->put_ActiveDictionary(1); }, 519, L" Invalid collection index",
       L"LexiconHub.VelDictCollection.1", &IID_IVelDictCollection},
      {"active project of an empty collection", [&] { return projects->put_ActiveProject(1); }, 519,
       L" Invalid collection index", L"LexiconHub.VelPrjCollection.1", &IID_IVelPrjCollection},
      {"open without an engine", [&] { return dictionary->Open(vdsOpenRead); }, 520,
       L"Error opening dictionary", kDictionarySource, &IID_IVelDictionary},
      {"close what is not open", [&] { return dictionary->Close(); }, 521,
       L"Error closing dictionary", kDictionarySource, &IID_IVelDictionary},
      {"find on a closed dictionary",
       [&] {
         com::Bstr found, article;
         return dictionary->Find(vdfFindExact, word.Get(), found.Put(), article.Put());
       },
       522, L"Error finding word", kDictionarySource, &IID_IVelDictionary},
      {"next on a closed dictionary",
       [&] {
         com::Bstr found, article;
         return dictionary->Next(found.Put(), article.Put());
       },
       523, L"Error finding next word", kDictionarySource, &IID_IVelDictionary},
      {"previous on a closed dictionary",
       [&] {
         com::Bstr found, article;
         return dictionary->Prev(found.Put(), article.Put());
       },
       524, L"Error finding previous word", kDictionarySource, &IID_IVelDictionary},
      {"edit a closed dictionary", [&] { return dictionary->EditWord(word.Get(), word.Get()); },
       525, L"Error editing dictionary", kDictionarySource, &IID_IVelDictionary},
      {"delete from a closed dictionary", [&] { return dictionary->Delete(word.Get()); }, 525,
       L"Error editing dictionary", kDictionarySource, &IID_IVelDictionary},
      {"theme without a name",
       [&] {
         com::Bstr name;
         return registry->GetDicThemeByID(3, nullptr, name.Put());
       },
       526, L"Error getting dictionary name from Registry", L"LexiconHub.VelRegMngr.1",
       &IID_IVelRegMngr},
      {"no dictionary lists",
       [&] {
         com::Ptr<IVelDictCollection> none;
         return registry->GetDictionaries(none.Put());
       },
       526, L"Error getting dictionary name from Registry", L"LexiconHub.VelRegMngr.1",
       &IID_IVelRegMngr},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Hr{c.call()}, Hr{ErrorResult(c.id)});
    ErrorRecord error = TakeErrorInfo();
    ASSERT_TRUE(error.present);
    EXPECT_EQ(error.description, c.description);
    EXPECT_EQ(error.source, c.source);
    EXPECT_TRUE(IsEqualGUID(error.iid, *c.iid));
  }
  EXPECT_EQ(Hr{ErrorResult(520)}, Hr{static_cast<HRESULT>(0x80040208)});
}

TEST_F(ObjectTest, LateBoundCallersReceiveTheErrorAsAnException) {
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(dictionary);
  LateCall call{com::Ptr<IDispatch>(dictionary.Get())};
  EXPECT_TRUE(HasDispIds(call, {{L"DicFileName", 1}, {L"ThemeID", 21}, {L"Delete", 20}}));
  ScopedExcepInfo exception;
  EXPECT_EQ(Hr{call.Invoke(call.Id(L"Close"), DISPATCH_METHOD, {}, nullptr, &exception)},
            Hr{DISP_E_EXCEPTION});
  EXPECT_EQ(Hr{exception.scode}, Hr{ErrorResult(521)});
  EXPECT_STREQ(exception.bstrDescription, L"Error closing dictionary");
  EXPECT_STREQ(exception.bstrSource, L"LexiconHub.VelDictionary.1");
}

// --- Dictionary properties

TEST_F(ObjectTest, NewDictionaryHoldsItsDefaults) {
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(dictionary);
  long langIn = 0, langOut = 0, articles = -1, active = -1, opened = -1, theme = 0;
  short version = 0;
  VdsAccessMode mode = vdsModeCreate;
  DATE created = 0;
  dictionary->get_LangIn(&langIn);
  dictionary->get_LangOut(&langOut);
  dictionary->get_NumOfArticles(&articles);
  dictionary->get_Active(&active);
  dictionary->get_Opened(&opened);
  dictionary->get_ThemeID(&theme);
  dictionary->get_VersionNumber(&version);
  dictionary->get_AccessMode(&mode);
  dictionary->get_TimeCreation(&created);
  EXPECT_EQ(langIn, 1024);
  EXPECT_EQ(langOut, 1024);
  EXPECT_EQ(articles, 0);
  EXPECT_EQ(active, 0);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(theme, -1);
  EXPECT_EQ(version, 4);
  EXPECT_EQ(mode, vdsModeRead);
  SYSTEMTIME now;
  GetSystemTime(&now);
  DATE today = 0;
  SystemTimeToVariantTime(&now, &today);
  EXPECT_NEAR(created, today, 1.0 / 24 / 60) << "the time the object was made, UTC";
  EXPECT_EQ(Hr{dictionary->get_LangIn(nullptr)}, Hr{E_POINTER});
}

struct PutCase {
  const char* name;
  VdsAccessMode mode;
  std::function<HRESULT(IVelDictionary*)> put;
  HRESULT expected;
};

TEST_F(ObjectTest, PutsFollowTheAccessModeAndTheValueRanges) {
  com::Bstr text(L"text");
  const PutCase cases[] = {
      {"file name, mode 0", vdsModeRead, [&](auto* d) { return d->put_DicFileName(text.Get()); },
       ErrorResult(512)},
      {"file name, mode 1", vdsModeWrite, [&](auto* d) { return d->put_DicFileName(text.Get()); },
       ErrorResult(512)},
      {"file name, mode 2", vdsModeCreate, [&](auto* d) { return d->put_DicFileName(text.Get()); },
       S_OK},
      {"type 5, mode 2", vdsModeCreate,
       [](auto* d) { return d->put_DicType(static_cast<VdsDicType>(5)); }, ErrorResult(513)},
      {"type -1, mode 2", vdsModeCreate,
       [](auto* d) { return d->put_DicType(static_cast<VdsDicType>(-1)); }, ErrorResult(513)},
      {"type 3, mode 1", vdsModeWrite, [](auto* d) { return d->put_DicType(vdtTypeSpelling); },
       ErrorResult(512)},
      {"type 4, mode 2", vdsModeCreate, [](auto* d) { return d->put_DicType(vdtTypeWordNot); },
       S_OK},
      {"version, mode 1", vdsModeWrite, [](auto* d) { return d->put_VersionNumber(5); },
       ErrorResult(512)},
      {"time, mode 1", vdsModeWrite, [](auto* d) { return d->put_TimeCreation(1.0); },
       ErrorResult(512)},
      {"articles, mode 2", vdsModeCreate, [](auto* d) { return d->put_NumOfArticles(9); }, S_OK},
      {"sign, mode 0", vdsModeRead, [&](auto* d) { return d->put_FileSign(text.Get()); },
       ErrorResult(512)},
      {"sign, mode 1", vdsModeWrite, [&](auto* d) { return d->put_FileSign(text.Get()); }, S_OK},
      {"info in, mode 0", vdsModeRead, [&](auto* d) { return d->put_FileInfoIn(text.Get()); },
       ErrorResult(512)},
      {"info out, mode 1", vdsModeWrite, [&](auto* d) { return d->put_FileInfoOut(text.Get()); },
       S_OK},
      {"languages, mode 0", vdsModeRead, [](auto* d) { return d->put_LangIn(1049); }, S_OK},
      {"theme, mode 0", vdsModeRead, [](auto* d) { return d->put_ThemeID(7); }, S_OK},
  };
  for (const PutCase& c : cases) {
    SCOPED_TRACE(c.name);
    com::Ptr<IVelDictionary> dictionary = MakeDictionary();
    ASSERT_TRUE(dictionary);
    ASSERT_EQ(Hr{dictionary->put_AccessMode(c.mode)}, Hr{S_OK});
    EXPECT_EQ(Hr{c.put(dictionary.Get())}, Hr{c.expected});
    TakeErrorInfo();
  }
}

TEST_F(ObjectTest, RefusedPutLeavesTheValue) {
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(dictionary);
  dictionary->put_AccessMode(vdsModeCreate);
  dictionary->put_FileSign(com::Bstr(L"first").Get());
  dictionary->put_DicType(vdtTypeThesaurus);
  EXPECT_EQ(Hr{dictionary->put_AccessMode(static_cast<VdsAccessMode>(3))}, Hr{ErrorResult(513)});
  EXPECT_EQ(Hr{dictionary->put_DicType(static_cast<VdsDicType>(9))}, Hr{ErrorResult(513)});
  dictionary->put_AccessMode(vdsModeRead);
  EXPECT_EQ(Hr{dictionary->put_FileSign(com::Bstr(L"second").Get())}, Hr{ErrorResult(512)});
  VdsAccessMode mode = vdsModeCreate;
  VdsDicType type = vdtTypeBilingua;
  com::Bstr sign;
  dictionary->get_AccessMode(&mode);
  dictionary->get_DicType(&type);
  dictionary->get_FileSign(sign.Put());
  EXPECT_EQ(mode, vdsModeRead);
  EXPECT_EQ(type, vdtTypeThesaurus);
  EXPECT_STREQ(sign.Text(), L"first");
}

TEST_F(ObjectTest, SearchesOnAClosedDictionaryWriteNullOutValuesAndRefuseNullPointers) {
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(dictionary);
  BSTR word = reinterpret_cast<BSTR>(1), article = reinterpret_cast<BSTR>(1);
  EXPECT_EQ(Hr{dictionary->Next(&word, &article)}, Hr{ErrorResult(523)});
  EXPECT_EQ(word, nullptr);
  EXPECT_EQ(article, nullptr);
  EXPECT_EQ(Hr{dictionary->Find(vdfFindNear, nullptr, nullptr, &article)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{dictionary->Prev(&word, nullptr)}, Hr{E_POINTER});
}

// --- Collections

template <class CollectionItf>
void CheckCollectionRules(const wchar_t* progId, HRESULT (CollectionItf::*putActive)(long),
                          HRESULT (CollectionItf::*getActive)(long*), const wchar_t* itemProgId,
                          const wchar_t* strangerProgId) {
  com::Ptr<CollectionItf> collection = CreateByProgId<CollectionItf>(progId);
  ASSERT_TRUE(collection);
  long count = -1, active = 0;
  collection->get_Count(&count);
  ((*collection).*getActive)(&active);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(active, -1);
  EXPECT_EQ(Hr{collection->get_Count(nullptr)}, Hr{E_POINTER});
  EXPECT_EQ(Hr{((*collection).*putActive)(1)}, Hr{ErrorResult(519)});
  TakeErrorInfo();

  com::Ptr<IDispatch> items[3];
  for (auto& item : items) {
    item = CreateByProgId<IDispatch>(itemProgId);
    ASSERT_EQ(Hr{collection->Add(item.Get())}, Hr{S_OK});
  }
  com::Ptr<IDispatch> stranger = CreateByProgId<IDispatch>(strangerProgId);
  EXPECT_EQ(Hr{collection->Add(stranger.Get())}, Hr{E_UNEXPECTED});
  EXPECT_EQ(Hr{collection->Add(nullptr)}, Hr{E_UNEXPECTED});
  collection->get_Count(&count);
  EXPECT_EQ(count, 3);

  com::Ptr<IUnknown> enumeratorUnknown;
  ASSERT_EQ(Hr{collection->get__NewEnum(enumeratorUnknown.Put())}, Hr{S_OK});
  com::Ptr<IEnumVARIANT> enumerator;
  ASSERT_EQ(Hr{enumeratorUnknown.As(&enumerator)}, Hr{S_OK});
  EXPECT_EQ(Hr{collection->Add(items[0].Get())}, Hr{S_OK}) << "the same object counts twice";
  collection->get_Count(&count);
  EXPECT_EQ(count, 4);
  int enumerated = 0;
  for (com::Variant value; enumerator->Next(1, value.Put(), nullptr) == S_OK; ++enumerated) {
    EXPECT_TRUE(com::SameObject(value.Get().pdispVal, items[enumerated].Get()));
  }
  EXPECT_EQ(enumerated, 3) << "an enumerator sees the items of its making";

  EXPECT_EQ(Hr{((*collection).*putActive)(4)}, Hr{S_OK});
  EXPECT_EQ(Hr{collection->Remove(0)}, Hr{E_INVALIDARG});
  EXPECT_EQ(Hr{collection->Remove(5)}, Hr{E_INVALIDARG});
  EXPECT_EQ(Hr{collection->Remove(2)}, Hr{S_OK});
  ((*collection).*getActive)(&active);
  EXPECT_EQ(active, 4) << "Remove leaves the active index";
  collection->get_Count(&count);
  EXPECT_EQ(count, 3);
  for (long index : {4L, 0L, -1L}) {
    EXPECT_EQ(Hr{((*collection).*putActive)(index)}, Hr{ErrorResult(519)}) << index;
    TakeErrorInfo();
  }
  ((*collection).*getActive)(&active);
  EXPECT_EQ(active, 4) << "a refused index leaves the active one";
}

TEST_F(ObjectTest, CollectionsAreOneBasedAndCountEveryAdd) {
  CheckCollectionRules<IVelDictCollection>(L"LexiconHub.VelDictCollection",
                                           &IVelDictCollection::put_ActiveDictionary,
                                           &IVelDictCollection::get_ActiveDictionary,
                                           L"LexiconHub.VelDictionary", L"LexiconHub.VelProject");
  CheckCollectionRules<IVelPrjCollection>(
      L"LexiconHub.VelPrjCollection", &IVelPrjCollection::put_ActiveProject,
      &IVelPrjCollection::get_ActiveProject, L"LexiconHub.VelProject", L"LexiconHub.VelDictionary");
}

TEST_F(ObjectTest, ItemsMoveUpWhenOneIsRemoved) {
  com::Ptr<IVelDictCollection> collection =
      CreateByProgId<IVelDictCollection>(L"LexiconHub.VelDictCollection");
  ASSERT_TRUE(collection);
  for (long theme = 1; theme <= 3; ++theme) {
    com::Ptr<IVelDictionary> dictionary = MakeDictionary();
    dictionary->put_ThemeID(theme);
    collection->Add(dictionary.Get());
  }
  ASSERT_EQ(Hr{collection->Remove(2)}, Hr{S_OK});
  com::Ptr<IVelDictionary> item;
  ASSERT_EQ(Hr{collection->get_Item(2, item.Put())}, Hr{S_OK});
  long theme = 0;
  item->get_ThemeID(&theme);
  EXPECT_EQ(theme, 3);
  EXPECT_EQ(Hr{collection->get_Item(3, item.Put())}, Hr{E_INVALIDARG});
  EXPECT_FALSE(item);
  EXPECT_EQ(Hr{collection->get_Item(1, nullptr)}, Hr{E_POINTER});
}

// --- Project

TEST_F(ObjectTest, ProjectHoldsItsDefaultsAndChecksItsRanges) {
  com::Ptr<IVelProject> project = CreateByProgId<IVelProject>(L"LexiconHub.VelProject");
  ASSERT_TRUE(project);
  long langIn = 0, autoSwitch = -1;
  VdsPrjGather gathering = vpgUnknownGather;
  VdsPrjStyle style = vpsSaveStyle;
  project->get_LangIn(&langIn);
  project->get_AutoSwich(&autoSwitch);
  EXPECT_EQ(langIn, 1024);
  EXPECT_EQ(autoSwitch, 0);

  EXPECT_EQ(Hr{project->put_TransStyle(vpsSaveStyle)}, Hr{S_OK});
  EXPECT_EQ(Hr{project->put_TransStyle(static_cast<VdsPrjStyle>(2))}, Hr{ErrorResult(514)});
  EXPECT_EQ(Hr{project->put_WordGathering(vpgUnknownGather)}, Hr{S_OK});
  EXPECT_EQ(Hr{project->put_WordGathering(static_cast<VdsPrjGather>(3))}, Hr{ErrorResult(514)});
  TakeErrorInfo();
  project->get_TransStyle(&style);
  project->get_WordGathering(&gathering);
  EXPECT_EQ(style, vpsSaveStyle);
  EXPECT_EQ(gathering, vpgUnknownGather);

  com::Ptr<IVelDictCollection> forward, again, reverse;
  ASSERT_EQ(Hr{project->get_InOutDictColl(forward.Put())}, Hr{S_OK});
  ASSERT_EQ(Hr{project->get_InOutDictColl(again.Put())}, Hr{S_OK});
  ASSERT_EQ(Hr{project->get_OutInDictColl(reverse.Put())}, Hr{S_OK});
  EXPECT_TRUE(com::SameObject(forward.Get(), again.Get()));
  EXPECT_FALSE(com::SameObject(forward.Get(), reverse.Get()));
  long count = -1;
  forward->get_Count(&count);
  EXPECT_EQ(count, 0);
}

// --- Theme names

void SetThemeName(const char* language, const char* theme, DWORD type, const void* data,
                  DWORD size) {
  SetListValue(std::string("Name\\") + language, theme, type, data, size);
}

TEST_F(ObjectTest, ThemeNamesFallBackToTheAnyLanguageKey) {
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  ASSERT_TRUE(registry);
  SetThemeName("400", "3", REG_SZ, "General", 8);
  SetThemeName("409", "5", REG_SZ, "Law", 4);

  com::Bstr name;
  com::Variant language(1049L);
  ASSERT_EQ(Hr{registry->GetDicThemeByID(3, language.Address(), name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"General");
  EXPECT_EQ(language.Get().lVal, 1024) << "the language the name was found in";

  com::Variant english(1033L);
  ASSERT_EQ(Hr{registry->GetDicThemeByID(5, english.Address(), name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"Law");
  EXPECT_EQ(english.Get().lVal, 1033);

  ASSERT_EQ(Hr{registry->GetDicThemeByID(3, nullptr, name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"General");

  com::Variant russian(1049L);
  EXPECT_EQ(Hr{registry->GetDicThemeByID(4, russian.Address(), name.Put())}, Hr{ErrorResult(526)});
  EXPECT_TRUE(name.IsNull());
  EXPECT_EQ(russian.Get().lVal, 1049);
  TakeErrorInfo();
}

TEST_F(ObjectTest, ThemeNamesAreReadWithinTheirStoredSize) {
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  ASSERT_TRUE(registry);
  // Stored without a terminator, and a name given as binary data.
  SetThemeName("400", "1", REG_SZ, "MedicineXYZ", 8);
  SetThemeName("400", "2", REG_BINARY, "Binary", 6);
  SetThemeName("400", "3", REG_SZ, "", 0);
  com::Bstr name;
  ASSERT_EQ(Hr{registry->GetDicThemeByID(1, nullptr, name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"Medicine");
  EXPECT_EQ(Hr{registry->GetDicThemeByID(2, nullptr, name.Put())}, Hr{ErrorResult(526)});
  EXPECT_EQ(Hr{registry->GetDicThemeByID(3, nullptr, name.Put())}, Hr{ErrorResult(526)});
  TakeErrorInfo();
}

TEST_F(ObjectTest, LateBoundThemeLookupWritesTheLanguageBackByReference) {
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  ASSERT_TRUE(registry);
  SetThemeName("400", "3", REG_SZ, "General", 8);
  LateCall call{com::Ptr<IDispatch>(registry.Get())};
  long language = 1049;
  VARIANT byReference;
  VariantInit(&byReference);
  byReference.vt = VT_BYREF | VT_I4;
  byReference.plVal = &language;
  VARIANT arguments[] = {byReference, com::Variant(3L).Get()};  // reversed
  DISPPARAMS params = {arguments, nullptr, 2, 0};
  com::Variant result;
  ASSERT_EQ(Hr{registry->Invoke(call.Id(L"GetDicThemeByID"), IID_NULL, LOCALE_USER_DEFAULT,
                                DISPATCH_METHOD, &params, result.Put(), nullptr, nullptr)},
            Hr{S_OK});
  EXPECT_STREQ(result.Get().bstrVal, L"General");
  EXPECT_EQ(language, 1024);

  com::Variant omitted;
  ASSERT_EQ(Hr{call.Invoke(call.Id(L"GetDicThemeByID"), DISPATCH_METHOD, {com::Variant(3L)},
                           omitted.Put())},
            Hr{S_OK});
  EXPECT_STREQ(omitted.Get().bstrVal, L"General");
}

TEST_F(ObjectTest, MakeDictNameNeedsADictionaryAndATheme) {
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(registry && dictionary);
  SetThemeName("400", "3", REG_SZ, "General", 8);
  com::Bstr name;
  EXPECT_EQ(Hr{registry->MakeDictName(nullptr, 1033, name.Put())}, Hr{E_POINTER});
  dictionary->put_ThemeID(3);
  // No fallback to the names of language 1024 here.
  EXPECT_EQ(Hr{registry->MakeDictName(dictionary.Get(), 1049, name.Put())}, Hr{ErrorResult(526)});
  EXPECT_TRUE(name.IsNull());
  TakeErrorInfo();
}

TEST_F(ObjectTest, MakeDictNameJoinsTheThemeNameAndThePairNameOfTheInterfaceLanguage) {
  com::Ptr<IVelRegMngr> registry = CreateByProgId<IVelRegMngr>(L"LexiconHub.VelRegMngr");
  com::Ptr<IVelDictionary> dictionary = MakeDictionary();
  ASSERT_TRUE(registry && dictionary);
  SetThemeName("409", "3", REG_SZ, "General", 8);
  SetThemeName("419", "3", REG_SZ, "\xCE\xE1\xF9\xE8\xE5", 6);  // Obshchie, cp1251
  SetThemeName("400", "3", REG_SZ, "Any", 4);
  dictionary->put_ThemeID(3);
  dictionary->put_LangIn(1033);
  dictionary->put_LangOut(1049);
  com::Bstr name;
  ASSERT_EQ(Hr{registry->MakeDictName(dictionary.Get(), 1033, name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(), L"General English-Russian");
  ASSERT_EQ(Hr{registry->MakeDictName(dictionary.Get(), 1049, name.Put())}, Hr{S_OK});
  EXPECT_STREQ(name.Text(),
               L"\x041E\x0431\x0449\x0438\x0435 "
               L"\x0410\x043D\x0433\x043B\x043E-\x0420\x0443\x0441\x0441\x043A\x0438\x0439");
  // Language 0 reads the names of language 1024.
  ASSERT_EQ(Hr{registry->MakeDictName(dictionary.Get(), 0, name.Put())}, Hr{S_OK});
  EXPECT_EQ(std::wstring(name.Text()).rfind(L"Any ", 0), 0u);
}

}  // namespace
