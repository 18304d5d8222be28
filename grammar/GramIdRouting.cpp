// The numeric members of CGramInfo by their ids: the one table from which
// GetValue(id, flag) and SetValue(id, value, flag) answer.

#include "grammar/CGramInfo.h"

class GramIdRouting {
 public:
  // The byte member of a common id that holds an unsigned byte, or null.
  static unsigned char CGramInfo::*ByteMember(int id) {
    for (const Entry& entry : kEntries) {
      if (entry.id == id) return entry.member;
    }
    return nullptr;
  }

 private:
  struct Entry {
    int id;
    unsigned char CGramInfo::*member;
  };
#define MORVEX_GRAM_ROUTE_PLAIN(Name, id) {id, &CGramInfo::Name##_},
#define MORVEX_GRAM_ROUTE_MOOD(Name, id, bit) {id, &CGramInfo::Name##_},
  static constexpr Entry kEntries[] = {
      {CGramInfo::kIdStat, &CGramInfo::stat_},
      {CGramInfo::kIdParaBase, &CGramInfo::paraBase_},
      {CGramInfo::kIdControl, &CGramInfo::control_},
      {CGramInfo::kIdControl2, &CGramInfo::control2_},
      MORVEX_GRAM_ATTRIBUTE_BYTES(MORVEX_GRAM_ROUTE_PLAIN, MORVEX_GRAM_ROUTE_MOOD)};
#undef MORVEX_GRAM_ROUTE_PLAIN
#undef MORVEX_GRAM_ROUTE_MOOD
};

int CGramInfo::GetValue(int id, int flag) {
  switch (id) {
    case kIdSyn:
      return static_cast<unsigned char>(syn_);
    case kIdParaMod:
      return static_cast<unsigned char>(paraMod_);
    case kIdParaNum:
      return paraNum_;
    case kIdAnswersItself:
      return kIdAnswersItself;
    default:
      break;
  }
  if (unsigned char CGramInfo::*member = GramIdRouting::ByteMember(id)) return this->*member;
  return flag != 0 ? 0 : Attr(id);
}

void CGramInfo::SetValue(int id, int value, int flag) {
  switch (id) {
    case kIdSyn:
      SetSyn(static_cast<char>(value));
      return;
    case kIdParaMod:
      SetParaMod(static_cast<char>(value));
      return;
    case kIdParaNum:
      SetParaNum(value);
      return;
    default:
      break;
  }
  if (unsigned char CGramInfo::*member = GramIdRouting::ByteMember(id)) {
    this->*member = static_cast<unsigned char>(value);
  } else if (flag == 0) {
    Attr(id, static_cast<unsigned char>(value));
  }
}
