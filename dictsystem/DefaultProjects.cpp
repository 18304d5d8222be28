// Default projects: each theme-0 dictionary paired with the first theme-0
// dictionary of the reverse direction.
#include <windows.h>

#include <string>

#include "AnsiText.h"
#include "HubClasses.h"
#include "HubResource.h"
#include "RegistryLists.h"
#include "RegistryText.h"
#include "com/Automation.h"

namespace morvex::dictsystem {
namespace {

// The theme of the dictionaries that make default projects.
constexpr long kGeneralTheme = 0;

struct Languages {
  long in = kAnyLanguage;
  long out = kAnyLanguage;
};

long ThemeOf(IVelDictionary* dictionary) {
  long theme = -1;
  return SUCCEEDED(dictionary->get_ThemeID(&theme)) ? theme : -1;
}

// The languages of `dictionary` as its header says: it is opened for the
// header and closed again. False when it does not open.
bool ReadLanguages(IVelDictionary* dictionary, Languages* languages) {
  if (FAILED(dictionary->Open(vdsOpenProp))) {
    SetErrorInfo(0, nullptr);
    return false;
  }
  dictionary->Close();
  if (FAILED(dictionary->get_LangIn(&languages->in))) languages->in = kAnyLanguage;
  if (FAILED(dictionary->get_LangOut(&languages->out))) languages->out = kAnyLanguage;
  return true;
}

bool Contains(IVelDictCollection* collection, IUnknown* item) {
  long count = 0;
  collection->get_Count(&count);
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> other;
    if (SUCCEEDED(collection->get_Item(index, other.Put())) && com::SameObject(other.Get(), item))
      return true;
  }
  return false;
}

bool InSomeProject(IVelPrjCollection* projects, IUnknown* dictionary) {
  long count = 0;
  projects->get_Count(&count);
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelProject> project;
    if (FAILED(projects->get_Item(index, project.Put()))) continue;
    com::Ptr<IVelDictCollection> forward, reverse;
    if (SUCCEEDED(project->get_InOutDictColl(forward.Put())) && Contains(forward.Get(), dictionary))
      return true;
    if (SUCCEEDED(project->get_OutInDictColl(reverse.Put())) && Contains(reverse.Get(), dictionary))
      return true;
  }
  return false;
}

// The first theme-0 dictionary whose languages are the reverse of `pair`.
com::Ptr<IVelDictionary> FindReverse(IVelDictCollection* dictionaries, const Languages& pair) {
  long count = 0;
  dictionaries->get_Count(&count);
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> candidate;
    if (FAILED(dictionaries->get_Item(index, candidate.Put())) ||
        ThemeOf(candidate.Get()) != kGeneralTheme)
      continue;
    Languages languages;
    if (ReadLanguages(candidate.Get(), &languages) && languages.in == pair.out &&
        languages.out == pair.in)
      return candidate;
  }
  return nullptr;
}

// The language's English name as the system's locale data give it.
std::string EnglishLanguageName(long langId) {
  char name[128] = {};
  LCID locale = MAKELCID(static_cast<WORD>(langId | 0x400), SORT_DEFAULT);
  if (GetLocaleInfoA(locale, LOCALE_SENGLANGUAGE, name, sizeof name) <= 0) return std::string();
  return name;
}

com::Bstr BstrFromText(const std::string& text) {
  return com::Bstr::Adopt(BstrFromAnsi(text.data(), text.size()));
}

HRESULT MakeProject(IVelDictionary* forward, IVelDictionary* reverse, const Languages& pair,
                    com::Ptr<IVelProject>* out) {
  com::Ptr<IVelProject> project;
  HRESULT hr = CreateVelProject(IID_IVelProject, project.PutVoid());
  if (FAILED(hr)) return hr;
  forward->put_Active(1);
  reverse->put_Active(1);
  com::Ptr<IVelDictCollection> forwardList, reverseList;
  project->get_InOutDictColl(forwardList.Put());
  project->get_OutInDictColl(reverseList.Put());
  if (!forwardList || !reverseList) return E_UNEXPECTED;
  forwardList->Add(forward);
  reverseList->Add(reverse);
  std::string name;
  LoadKeyText(IDS_DEFAULT_PROJECT, &name);
  project->put_ProjName(BstrFromText(name).Get());
  project->put_LangIn(pair.in);
  project->put_LangOut(pair.out);
  std::string description = EnglishLanguageName(pair.in) + " - " + EnglishLanguageName(pair.out);
  project->put_PrjDescription(BstrFromText(description).Get());
  project->put_AutoSwich(1);
  project->put_ShowSynonyms(0);
  project->put_TransStyle(vpsDefault);
  project->put_UseExceptions(0);
  project->put_WordGathering(vpgNoGather);
  *out = std::move(project);
  return S_OK;
}

}  // namespace

UINT DeriveDefaultProjects(IVelDictCollection* dictionaries, com::Ptr<IVelPrjCollection>* out) {
  com::Ptr<IVelPrjCollection> projects;
  if (FAILED(CreateVelPrjCollection(IID_IVelPrjCollection, projects.PutVoid())))
    return IDS_ERR_NULL_POINTER;
  long count = 0;
  dictionaries->get_Count(&count);
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> dictionary;
    if (FAILED(dictionaries->get_Item(index, dictionary.Put())) ||
        ThemeOf(dictionary.Get()) != kGeneralTheme ||
        InSomeProject(projects.Get(), dictionary.Get()))
      continue;
    Languages pair;
    if (!ReadLanguages(dictionary.Get(), &pair)) continue;
    com::Ptr<IVelDictionary> reverse = FindReverse(dictionaries, pair);
    com::Ptr<IVelProject> project;
    if (reverse && SUCCEEDED(MakeProject(dictionary.Get(), reverse.Get(), pair, &project)))
      projects->Add(project.Get());
  }
  long made = 0;
  projects->get_Count(&made);
  if (made == 0) return IDS_ERR_NULL_POINTER;
  *out = std::move(projects);
  return 0;
}

}  // namespace morvex::dictsystem
