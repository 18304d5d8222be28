// VelDictionary: one dictionary file. Its header mirrored as properties,
// opened, searched and edited through the bound engine.
#include <windows.h>

#include <string>

#include "AnsiText.h"
#include "EngineBinding.h"
#include "HubClasses.h"
#include "HubResource.h"
#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"
#include "com/PropertyAccess.h"
#include "lexicon/MorvexLexicon.h"

namespace {

namespace com = morvex::com;
using com::GetProperty;
using com::PutProperty;
using morvex::dictsystem::AnsiFromBstr;
using morvex::dictsystem::BoundedText;
using morvex::dictsystem::BstrFromAnsi;
using morvex::dictsystem::CopyAnsiTo;
using morvex::dictsystem::EngineEntry;

// The header's texts are fields of this width, NUL-padded when shorter.
constexpr size_t kHeaderTextWidth = 48;
// Every header field of MD_PROP.
constexpr uint32_t kAllHeaderFields = 0x3FF;
// What a new object holds before any header is read.
constexpr long kAnyLanguage = 1024;
constexpr short kNewVersion = 4;
constexpr long kNoTheme = -1;
// Days from the DATE epoch (30 December 1899) to 1 January 1970.
constexpr double kUnixEpochAsDate = 25569.0;
constexpr double kSecondsPerDay = 86400.0;

DATE CurrentUtcTime() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  DATE date = 0;
  SystemTimeToVariantTime(&now, &date);
  return date;
}

class CVelDictionary
    : public com::Object<com::Dispatch<IVelDictionary>, com::SupportErrorInfo<IVelDictionary>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelDictionary, IVelDictionary>(),
        com::Entry<CVelDictionary, IDispatch, IVelDictionary>(),
        com::Entry<CVelDictionary, ISupportErrorInfo>(), com::kEndOfInterfaces};
    return table;
  }

  // --- Header properties
  STDMETHODIMP get_DicFileName(BSTR* out) override { return fileName_.CopyTo(out); }
  STDMETHODIMP put_DicFileName(BSTR value) override {
    if (accessMode_ != vdsModeCreate) return Fail(IDS_ERR_ACCESS_MODE);
    fileName_ = Copy(value);
    return S_OK;
  }
  STDMETHODIMP get_AccessMode(VdsAccessMode* out) override { return GetProperty(accessMode_, out); }
  STDMETHODIMP put_AccessMode(VdsAccessMode value) override {
    if (value < vdsModeRead || value > vdsModeCreate) return Fail(IDS_ERR_DICT_VALUE);
    accessMode_ = value;
    return S_OK;
  }
  STDMETHODIMP get_DicType(VdsDicType* out) override { return GetProperty(type_, out); }
  STDMETHODIMP put_DicType(VdsDicType value) override {
    if (value < vdtTypeBilingua || value > vdtTypeWordNot) return Fail(IDS_ERR_DICT_VALUE);
    if (accessMode_ != vdsModeCreate) return Fail(IDS_ERR_ACCESS_MODE);
    type_ = value;
    return S_OK;
  }
  STDMETHODIMP get_LangIn(long* out) override { return GetProperty(langIn_, out); }
  STDMETHODIMP put_LangIn(long value) override { return PutProperty(&langIn_, value); }
  STDMETHODIMP get_LangOut(long* out) override { return GetProperty(langOut_, out); }
  STDMETHODIMP put_LangOut(long value) override { return PutProperty(&langOut_, value); }
  STDMETHODIMP get_VersionNumber(short* out) override { return GetProperty(version_, out); }
  STDMETHODIMP put_VersionNumber(short value) override { return SetCreating(&version_, value); }
  STDMETHODIMP get_TimeCreation(DATE* out) override { return GetProperty(created_, out); }
  STDMETHODIMP put_TimeCreation(DATE value) override { return SetCreating(&created_, value); }
  STDMETHODIMP get_NumOfArticles(long* out) override { return GetProperty(articles_, out); }
  STDMETHODIMP put_NumOfArticles(long value) override { return SetCreating(&articles_, value); }
  STDMETHODIMP get_FileSign(BSTR* out) override { return sign_.CopyTo(out); }
  STDMETHODIMP put_FileSign(BSTR value) override { return SetWritableText(&sign_, value); }
  STDMETHODIMP get_FileInfoIn(BSTR* out) override { return infoIn_.CopyTo(out); }
  STDMETHODIMP put_FileInfoIn(BSTR value) override { return SetWritableText(&infoIn_, value); }
  STDMETHODIMP get_FileInfoOut(BSTR* out) override { return infoOut_.CopyTo(out); }
  STDMETHODIMP put_FileInfoOut(BSTR value) override { return SetWritableText(&infoOut_, value); }
  STDMETHODIMP get_Active(long* out) override { return GetProperty(active_, out); }
  STDMETHODIMP put_Active(long value) override { return PutProperty(&active_, value); }
  STDMETHODIMP get_Opened(long* out) override { return GetProperty(handle_ ? 1L : 0L, out); }
  STDMETHODIMP get_ThemeID(long* out) override { return GetProperty(themeId_, out); }
  STDMETHODIMP put_ThemeID(long value) override { return PutProperty(&themeId_, value); }

  // --- Operations
  STDMETHODIMP Open(VdsDicOpenMode mode) override {
    return OpenFile(mode) ? S_OK : Fail(IDS_ERR_OPEN);
  }

  STDMETHODIMP Close() override {
    auto close = EngineEntry<MD_CLOSE_PROC>(IDS_MDCLOSE);
    if (!close || !handle_ || close(&handle_) != MD_OK) return Fail(IDS_ERR_CLOSE);
    handle_ = nullptr;
    return S_OK;
  }

  STDMETHODIMP Find(VdsDicFindType type, BSTR inWord, BSTR* outWord, BSTR* article) override {
    if (!outWord || !article) return E_POINTER;
    *outWord = *article = nullptr;
    auto find = EngineEntry<MD_FIND_PROC>(IDS_MDFIND);
    if (!find || !handle_) return Fail(IDS_ERR_FIND);
    std::string word = AnsiFromBstr(inWord);
    const char* found = nullptr;
    const char* text = nullptr;
    if (find(handle_, static_cast<int32_t>(type), word.c_str(), &found, &text) != MD_OK)
      return S_OK;  // not found: nothing to hand out
    return HandOut(found, text, outWord, article);
  }

  STDMETHODIMP Next(BSTR* outWord, BSTR* article) override {
    return Step(EngineEntry<MD_STEP_PROC>(IDS_MDNEXT), IDS_ERR_NEXT, outWord, article);
  }
  STDMETHODIMP Prev(BSTR* outWord, BSTR* article) override {
    return Step(EngineEntry<MD_STEP_PROC>(IDS_MDPREV), IDS_ERR_PREV, outWord, article);
  }

  STDMETHODIMP EditWord(BSTR inWord, BSTR newArticle) override {
    auto edit = EngineEntry<MD_EDIT_WORD_PROC>(IDS_MDEDITWORD);
    if (!edit || !handle_) return Fail(IDS_ERR_EDIT);
    std::string word = AnsiFromBstr(inWord);
    std::string text = AnsiFromBstr(newArticle);
    return AfterEdit(edit(handle_, word.c_str(), word.c_str(), text.c_str()));
  }

  STDMETHODIMP Delete(BSTR inWord) override {
    auto remove = EngineEntry<MD_DELETE_WORD_PROC>(IDS_MDDELETEWORD);
    if (!remove || !handle_) return Fail(IDS_ERR_EDIT);
    std::string word = AnsiFromBstr(inWord);
    return AfterEdit(remove(handle_, word.c_str()));
  }

 protected:
  CVelDictionary() : created_(CurrentUtcTime()) {}
  // A dictionary that is still open when its last user lets go is closed,
  // so that its file is not held until the process ends.
  ~CVelDictionary() override { DropHandle(); }

 private:
  static com::Bstr Copy(BSTR value) { return com::Bstr(value, SysStringLen(value)); }

  template <class T>
  HRESULT SetCreating(T* field, T value) {
    if (accessMode_ != vdsModeCreate) return Fail(IDS_ERR_ACCESS_MODE);
    *field = value;
    return S_OK;
  }
  HRESULT SetWritableText(com::Bstr* field, BSTR value) {
    if (accessMode_ == vdsModeRead) return Fail(IDS_ERR_ACCESS_MODE);
    *field = Copy(value);
    return S_OK;
  }

  static HRESULT Fail(UINT errorId) { return com::ReportError(kDictionaryErrors, errorId); }

  static HRESULT HandOut(const char* word, const char* text, BSTR* outWord, BSTR* article) {
    HRESULT hr = CopyAnsiTo(word, outWord);
    if (SUCCEEDED(hr)) hr = CopyAnsiTo(text, article);
    if (FAILED(hr)) {
      SysFreeString(*outWord);
      *outWord = nullptr;
    }
    return hr;
  }

  HRESULT Step(MD_STEP_PROC step, UINT errorId, BSTR* outWord, BSTR* article) {
    if (!outWord || !article) return E_POINTER;
    *outWord = *article = nullptr;
    if (!step || !handle_) return Fail(errorId);
    const char* found = nullptr;
    const char* text = nullptr;
    if (step(handle_, &found, &text) != MD_OK) return S_OK;  // no further word
    return HandOut(found, text, outWord, article);
  }

  // Opens the file anew, closing a handle still held, and reads its header.
  bool OpenFile(VdsDicOpenMode mode) {
    auto open = EngineEntry<MD_OPEN_PROC>(IDS_MDOPEN);
    if (!open) return false;
    DropHandle();
    openMode_ = mode;
    std::string path = AnsiFromBstr(fileName_.Get());
    handle_ = open(path.c_str(), static_cast<uint32_t>(mode));
    return handle_ && ReadHeader();
  }

  bool ReadHeader() {
    auto read = EngineEntry<MD_GET_PROP_PROC>(IDS_MDGETDICPROPERTY);
    MD_PROP header = {};
    header.flags = kAllHeaderFields;
    if (!read || read(handle_, &header) != MD_OK) return false;
    sign_ = TextField(header.signature);
    type_ = static_cast<VdsDicType>(header.type);
    langIn_ = header.langIn;
    langOut_ = header.langOut;
    infoIn_ = TextField(header.infoIn);
    infoOut_ = TextField(header.infoOut);
    accessMode_ = static_cast<VdsAccessMode>(header.access);
    version_ = static_cast<short>(header.version);
    created_ = kUnixEpochAsDate + header.creationTime / kSecondsPerDay;
    articles_ = static_cast<long>(header.articleCount);
    return true;
  }

  static com::Bstr TextField(const char* field) {
    std::string text = BoundedText(field, kHeaderTextWidth);
    return com::Bstr::Adopt(BstrFromAnsi(text.data(), text.size()));
  }

  // After an edit request: a success shows in the header mirrors (the
  // article count changes); after a failure the file is opened again, so
  // that the object answers from what the file holds.
  HRESULT AfterEdit(int status) {
    if (status == MD_OK) {
      ReadHeader();
      return S_OK;
    }
    OpenFile(openMode_);
    return Fail(IDS_ERR_EDIT);
  }

  void DropHandle() {
    if (!handle_) return;
    if (auto close = EngineEntry<MD_CLOSE_PROC>(IDS_MDCLOSE)) close(&handle_);
    handle_ = nullptr;
  }

  com::Bstr fileName_;
  VdsAccessMode accessMode_ = vdsModeRead;
  VdsDicType type_ = vdtTypeBilingua;
  long langIn_ = kAnyLanguage;
  long langOut_ = kAnyLanguage;
  short version_ = kNewVersion;
  DATE created_;
  long articles_ = 0;
  com::Bstr sign_;
  com::Bstr infoIn_;
  com::Bstr infoOut_;
  long active_ = 0;
  long themeId_ = kNoTheme;
  MD_HANDLE handle_ = nullptr;
  VdsDicOpenMode openMode_ = vdsOpenRead;
};

}  // namespace

HRESULT CreateVelDictionary(REFIID iid, void** out) {
  return com::CreateObject<CVelDictionary>(iid, out);
}
