// The mueller7 dictd layout (tools/dictd/MuellerLayout.h).
#include "tools/dictd/MuellerLayout.h"

#include <string>
#include <vector>

#include "tools/dictd/LayoutText.h"

namespace {

enum class LineKind { kHomonym, kSection, kSense, kSubsense, kText };

struct ClassifiedLine {
  LineKind kind = LineKind::kText;
  int number = 0;         // of a sense
  std::string_view rest;  // the line after its mark
};

struct PartOfSpeechLabel {
  const char* label;
  char code;
};
// The source's part-of-speech labels and the engine's codes for them
// ("conj." is the source's conjunctive pronoun, "cj." its conjunction).
constexpr PartOfSpeechLabel kPartsOfSpeech[] = {
    {"n", 'N'},    {"v", 'V'},    {"a", 'A'},  {"adv", 'D'},    {"prep", 'P'},
    {"pron", 'M'}, {"conj", 'M'}, {"cj", 'J'}, {"n-card", 'I'}, {"n-ord", 'I'},
};

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A lower-case Cyrillic letter (а to я, two bytes in UTF-8) at `pos`.
bool IsCyrillicLowerAt(std::string_view text, size_t pos) {
  if (pos + 1 >= text.size()) return false;
  const auto lead = static_cast<unsigned char>(text[pos]);
  const auto next = static_cast<unsigned char>(text[pos + 1]);
  return (lead == 0xD0 && next >= 0xB0 && next <= 0xBF) ||
         (lead == 0xD1 && next >= 0x80 && next <= 0x8F);
}

ClassifiedLine Classify(std::string_view line) {
  ClassifiedLine out;
  size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) start = line.size();
  std::string_view text = line.substr(start);
  out.rest = text;
  if (text.size() >= 2 && text[0] == '_' && (text[1] == 'I' || text[1] == 'V' || text[1] == 'X')) {
    size_t end = 1;
    while (end < text.size() && (text[end] == 'I' || text[end] == 'V' || text[end] == 'X')) ++end;
    if (end == text.size() || text[end] == ' ' || text[end] == '[') {
      out.kind = LineKind::kHomonym;
      out.rest = text.substr(end);
    }
    return out;
  }
  size_t digits = 0;
  while (digits < text.size() && digits < 3 && IsDigit(text[digits])) ++digits;
  if (digits >= 1 && digits <= 2 && digits < text.size()) {
    const char mark = text[digits];
    const bool sectionEnd = digits + 1 == text.size() || text[digits + 1] == ' ';
    if (mark == '.' && sectionEnd) {
      out.kind = LineKind::kSection;
      out.rest = text.substr(digits + 1);
    } else if (mark == ')') {
      out.kind = LineKind::kSense;
      out.number = std::stoi(std::string(text.substr(0, digits)));
      out.rest = text.substr(digits + 1);
    }
    return out;
  }
  if (IsCyrillicLowerAt(text, 0) && text.size() > 2 && text[2] == ')') {
    out.kind = LineKind::kSubsense;
    out.rest = text.substr(3);
  }
  return out;
}

struct GroupDraft {
  int number = 0;
  std::vector<std::string> segments;  // the sense and its sub-senses
};

enum class MeaningOrigin { kImplicit, kHomonym, kSection };

struct MeaningDraft {
  MeaningOrigin origin = MeaningOrigin::kImplicit;
  std::string header;  // text before the first sense
  std::vector<GroupDraft> groups;
};

void Append(std::string* text, std::string_view more) {
  if (!text->empty()) *text += ' ';
  *text += more;
}

// The code of the first part-of-speech label among the header's leading
// labels, which is taken out of the header; 0 when there is none.
char TakePartOfSpeech(std::string* header) {
  size_t pos = 0;
  while (pos < header->size()) {
    if ((*header)[pos] == ' ') {
      ++pos;
      continue;
    }
    if ((*header)[pos] != '_') return 0;
    size_t end = header->find(' ', pos);
    if (end == std::string::npos) end = header->size();
    const std::string label = LabelText(std::string_view(*header).substr(pos, end - pos));
    for (const PartOfSpeechLabel& part : kPartsOfSpeech) {
      if (label == part.label) {
        header->erase(pos, end - pos);
        return part.code;
      }
    }
    pos = end;
  }
  return 0;
}

// The head word of a reference sense ("= colour", "см. colour"), or empty.
std::string ReferenceOf(const std::string& words) {
  static const std::string kMarks[] = {"= ", "\xD1\x81\xD0\xBC. "};  // "см. "
  for (const std::string& mark : kMarks) {
    if (words.compare(0, mark.size(), mark) != 0) continue;
    std::string target = words.substr(mark.size());
    for (char ch : target) {
      if (IsDigit(ch) || ch == '(' || ch == ',' || ch == '.') return std::string();
    }
    return target;
  }
  return std::string();
}

SourceMeaning FinishMeaning(MeaningDraft&& draft) {
  SourceMeaning meaning;
  std::string header = TidyPunctuation(WithoutBracketed(draft.header, '[', ']'));
  meaning.partOfSpeech = TakePartOfSpeech(&header);
  if (std::vector<SourceSynonym> synonyms = SynonymsOfSense(header); !synonyms.empty()) {
    meaning.groups.push_back(SourceGroup{0, std::move(synonyms)});
  }
  for (GroupDraft& draftGroup : draft.groups) {
    SourceGroup group;
    group.number = draftGroup.number;
    for (const std::string& segment : draftGroup.segments) {
      for (SourceSynonym& synonym :
           SynonymsOfSense(TidyPunctuation(WithoutBracketed(segment, '[', ']')))) {
        group.synonyms.push_back(std::move(synonym));
      }
    }
    if (!group.synonyms.empty()) meaning.groups.push_back(std::move(group));
  }
  return meaning;
}

}  // namespace

SourceArticle ParseMuellerArticle(std::string_view article) {
  std::vector<MeaningDraft> drafts;
  auto current = [&]() -> MeaningDraft& {
    if (drafts.empty()) drafts.emplace_back();
    return drafts.back();
  };
  auto currentGroup = [&]() -> GroupDraft& {
    MeaningDraft& meaning = current();
    if (meaning.groups.empty()) meaning.groups.push_back(GroupDraft{0, {std::string()}});
    return meaning.groups.back();
  };
  bool headLine = true;
  for (size_t start = 0; start <= article.size();) {
    size_t end = article.find('\n', start);
    if (end == std::string_view::npos) end = article.size();
    const std::string_view line = article.substr(start, end - start);
    start = end + 1;
    if (headLine) {  // the head word itself
      headLine = false;
      continue;
    }
    const ClassifiedLine classified = Classify(line);
    switch (classified.kind) {
      case LineKind::kHomonym:
        drafts.push_back(MeaningDraft{MeaningOrigin::kHomonym, std::string(classified.rest), {}});
        break;
      case LineKind::kSection: {
        // A homonym's or the article's header without senses of its own
        // (labels, a part of speech) belongs to its first section.
        std::string carried;
        if (!drafts.empty() && drafts.back().origin != MeaningOrigin::kSection &&
            drafts.back().groups.empty()) {
          carried = std::move(drafts.back().header);
          drafts.pop_back();
        }
        Append(&carried, classified.rest);
        drafts.push_back(MeaningDraft{MeaningOrigin::kSection, std::move(carried), {}});
        break;
      }
      case LineKind::kSense:
        current().groups.push_back(GroupDraft{classified.number, {std::string(classified.rest)}});
        break;
      case LineKind::kSubsense:
        currentGroup().segments.emplace_back(classified.rest);
        break;
      case LineKind::kText: {
        MeaningDraft& meaning = current();
        if (meaning.groups.empty()) {
          Append(&meaning.header, classified.rest);
        } else {
          Append(&meaning.groups.back().segments.back(), classified.rest);
        }
        break;
      }
    }
  }
  SourceArticle result;
  for (MeaningDraft& draft : drafts) {
    SourceMeaning meaning = FinishMeaning(std::move(draft));
    if (!meaning.groups.empty()) result.meanings.push_back(std::move(meaning));
  }
  for (const SourceMeaning& meaning : result.meanings) {
    for (const SourceGroup& group : meaning.groups) {
      for (const SourceSynonym& synonym : group.synonyms) {
        if (result.reference.empty()) result.reference = ReferenceOf(synonym.words);
      }
    }
  }
  return result;
}
