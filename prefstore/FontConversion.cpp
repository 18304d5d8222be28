// Font objects to and from font records.
#include "prefstore/FontConversion.h"

#include <string>

#include "com/Automation.h"

namespace morvex::prefstore {

namespace {

std::string AnsiOf(const wchar_t* text, int length) {
  if (length <= 0) return {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

std::wstring WideOf(const std::string& ansi) {
  if (ansi.empty()) return {};
  int length = static_cast<int>(ansi.size());
  int chars = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (chars <= 0) return {};
  std::wstring wide(static_cast<size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), chars);
  return wide;
}

}  // namespace

FontRecord RecordOfFont(IFontDisp* font) {
  FontRecord record;
  com::Ptr<IFont> details;
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid()))) return record;
  CY size = {};
  if (SUCCEEDED(details->get_Size(&size))) record.size = size.int64;
  details->get_Weight(&record.weight);
  details->get_Charset(&record.charset);
  BOOL flag = FALSE;
  if (SUCCEEDED(details->get_Italic(&flag))) record.italic = flag;
  flag = FALSE;
  if (SUCCEEDED(details->get_Underline(&flag))) record.underline = flag;
  flag = FALSE;
  if (SUCCEEDED(details->get_Strikethrough(&flag))) record.strikethrough = flag;
  com::Bstr name;
  if (SUCCEEDED(details->get_Name(name.Put()))) {
    record.faceName = AnsiOf(name.Text(), static_cast<int>(name.Length()));
    if (record.faceName.size() > kFontFaceNameMaxBytes)
      record.faceName.resize(kFontFaceNameMaxBytes);
    // The length of what the record holds, in characters of the name.
    record.nameLength = static_cast<uint32_t>(WideOf(record.faceName).size());
  }
  return record;
}

HRESULT FontOfRecord(const FontRecord& record, com::Ptr<IFontDisp>* font) {
  std::wstring face = WideOf(record.faceName);
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = face.data();
  description.cySize.int64 = record.size;
  description.sWeight = record.weight;
  description.sCharset = record.charset;
  description.fItalic = record.italic != 0;
  description.fUnderline = record.underline != 0;
  description.fStrikethrough = record.strikethrough != 0;
  com::Ptr<IFontDisp> made;
  HRESULT hr = OleCreateFontIndirect(&description, IID_IFontDisp, made.PutVoid());
  if (FAILED(hr)) return hr;
  if (!made) return E_FAIL;
  *font = std::move(made);
  return S_OK;
}

}  // namespace morvex::prefstore
