// Building test dictionaries through the engine's entry points.
#include "test_dictionaries.h"

#include <windows.h>

#include "hub_test_support.h"
#include "lexicon/MorvexLexicon.h"

std::string EngineDataDirectory() {
  std::string directory = MORVEX_BUILD_DATA_DIR;
  for (char& c : directory)
    if (c == '/') c = '\\';
  if (directory.back() != '\\') directory += '\\';
  return directory;
}

bool InitTestEngine() { return MDInit(EngineDataDirectory().c_str()) == MD_OK; }

bool BuildDictionary(const std::string& path, const TestDictionaryHeader& header,
                     const std::vector<TestArticle>& articles) {
  DeleteFileA(path.c_str());
  MD_HANDLE handle = MDCreate(path.c_str());
  if (!handle) return false;
  MD_PROP prop = {};
  prop.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_ACCESS | MD_PROP_TIME |
               MD_PROP_SIGNATURE | MD_PROP_INFO_IN | MD_PROP_INFO_OUT;
  prop.type = 1;
  prop.langIn = header.langIn;
  prop.langOut = header.langOut;
  prop.access = header.access;
  prop.creationTime = header.creationTime;
  prop.signature = header.signature.c_str();
  prop.infoIn = header.infoIn.c_str();
  prop.infoOut = header.infoOut.c_str();
  std::string words, texts;
  for (const TestArticle& article : articles) {
    words += article.word + '\0';
    texts += article.text + '\0';
  }
  words += '\0';
  texts += '\0';
  bool built = MDSetDicProperty(handle, &prop) == MD_OK &&
               MDAddWords(handle, words.c_str(), texts.c_str()) == MD_OK;
  return MDClose(&handle) == MD_OK && built;
}

std::string FreshDirectory(const std::string& name) {
  std::string directory = ProgramDirectoryAnsi() + name + "\\";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA((directory + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  CreateDirectoryA(directory.c_str(), nullptr);
  return directory;
}
