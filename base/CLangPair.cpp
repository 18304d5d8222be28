#include "base/CLangPair.h"

#include <cstring>
#include <utility>

#include "base/CLangData.h"
#include "base/LangIds.h"

CLangPair::CLangPair(unsigned short in, unsigned short out)
    : inLang_(nullptr), outLang_(nullptr), inLangId_(0), outLangId_(0), pair_() {
  SetLangId(in, out);
}

CLangPair::~CLangPair() = default;

int CLangPair::SetLangId(unsigned short in, unsigned short out) {
  if (in == 0) return 0;
  CLang* inLang = GetLang(in);
  CLang* outLang = out != 0 ? GetLang(out) : inLang;
  if (!inLang || !outLang) return 0;
  inLang_ = inLang;
  outLang_ = outLang;
  inLangId_ = in;
  outLangId_ = out != 0 ? out : in;
  std::memset(pair_, 0, sizeof pair_);
  std::strcpy(pair_, inLang->GetLangStr(nullptr));
  if (out != 0) std::strcat(pair_, outLang->GetLangStr(nullptr));
  return 1;
}

void CLangPair::Invert() {
  if (inLangId_ == 0 || inLangId_ == outLangId_) return;
  std::swap(inLang_, outLang_);
  std::swap(inLangId_, outLangId_);
  InvertLanguages(pair_);
}

const char* CLangPair::GetLangStr(char* dst) const {
  if (dst) std::strcpy(dst, pair_);
  return pair_;
}
