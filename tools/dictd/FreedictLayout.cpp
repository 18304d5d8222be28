// The FreeDict dictd layout (tools/dictd/FreedictLayout.h).
#include "tools/dictd/FreedictLayout.h"

#include <string>
#include <vector>

#include "tools/dictd/LayoutText.h"

namespace {

struct Tag {
  const char* name;
  char partOfSpeech;    // the engine's code, 0 none
  const char* written;  // what stands after the word, or null
};
// The grammar tags of the source: part of speech, and the genders of nouns.
constexpr Tag kTags[] = {
    {"masc", 'N', "m"},     {"fem", 'N', "f"},      {"neut", 'N', "n"},     {"pl", 'N', "pl"},
    {"sg", 'N', "sg"},      {"adj", 'A', nullptr},  {"adv", 'D', nullptr},  {"v", 'V', nullptr},
    {"prep", 'P', nullptr}, {"pron", 'M', nullptr}, {"conj", 'J', nullptr}, {"num", 'I', nullptr},
    {"art", 'T', nullptr},
};

const Tag* FindTag(std::string_view name) {
  for (const Tag& tag : kTags) {
    if (name == tag.name) return &tag;
  }
  return nullptr;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A tag's parts ("masc, fem") read: the part of speech of the first known
// one, and the written forms joined by "/".
void ReadTag(std::string_view inside, char* partOfSpeech, std::string* written) {
  size_t start = 0;
  while (start <= inside.size()) {
    size_t end = inside.find(',', start);
    if (end == std::string_view::npos) end = inside.size();
    const Tag* tag = FindTag(Trimmed(inside.substr(start, end - start)));
    if (tag && *partOfSpeech == 0) *partOfSpeech = tag->partOfSpeech;
    if (tag && tag->written) {
      if (!written->empty()) *written += '/';
      *written += tag->written;
    }
    start = end + 1;
  }
}

// One translation: its angle-bracket tags turned into written genders, its
// square-bracket labels moved to `labels`, transcriptions between slashes
// left out.
std::string ReadTranslation(std::string_view item, char* partOfSpeech,
                            std::vector<std::string>* labels) {
  std::string words;
  std::string written;
  for (size_t i = 0; i < item.size(); ++i) {
    const char ch = item[i];
    const bool transcription = ch == '/' && (i == 0 || item[i - 1] == ' ');
    const char closer = ch == '<' ? '>' : ch == '[' ? ']' : transcription ? '/' : 0;
    const size_t end = closer ? item.find(closer, i + 1) : std::string_view::npos;
    if (end == std::string_view::npos) {
      words += ch;
      continue;
    }
    const std::string_view inside = item.substr(i + 1, end - i - 1);
    if (ch == '<') ReadTag(inside, partOfSpeech, &written);
    if (ch == '[') {
      std::string label = LabelText(CollapseBlanks(inside));
      if (!label.empty()) labels->push_back(std::move(label));
    }
    words += ' ';
    i = end;
  }
  std::string result = CollapseBlanks(words);
  if (!result.empty() && !written.empty()) result += " " + written;
  return result;
}

// The items of a translation line: cut at commas outside brackets.
std::vector<std::string_view> TranslationItems(std::string_view line) {
  std::vector<std::string_view> items;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    const char ch = i < line.size() ? line[i] : ',';
    if (ch == '<' || ch == '[' || ch == '(') ++depth;
    if ((ch == '>' || ch == ']' || ch == ')') && depth > 0) --depth;
    if (ch == ',' && depth == 0) {
      items.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  return items;
}

// An example line ("\"text\"  - Übersetzung") as one synonym's words.
std::string ExampleWords(std::string_view line) {
  std::string words;
  for (char ch : line) {
    if (ch != '"') words += ch;
  }
  words = CollapseBlanks(words);
  const size_t dash = words.find(" - ");
  if (dash != std::string::npos) words.replace(dash, 3, " \xE2\x80\x94 ");  // an em dash
  return words;
}

// The first "{word}" of a cross-reference line.
std::string FirstReference(std::string_view line) {
  const size_t open = line.find('{');
  const size_t close = open == std::string_view::npos ? open : line.find('}', open + 1);
  if (close == std::string_view::npos) return std::string();
  return CollapseBlanks(line.substr(open + 1, close - open - 1));
}

}  // namespace

SourceArticle ParseFreedictArticle(std::string_view article) {
  SourceArticle result;
  SourceMeaning meaning;
  SourceGroup group;
  std::vector<std::string> labels;
  bool headLine = true;
  for (size_t start = 0; start < article.size();) {
    size_t end = article.find('\n', start);
    if (end == std::string_view::npos) end = article.size();
    const std::string_view raw = article.substr(start, end - start);
    start = end + 1;
    const std::string_view line = Trimmed(raw);
    if (line.empty()) continue;
    if (headLine) {
      headLine = false;
      const size_t tag = line.rfind('<');
      const size_t close = tag == std::string_view::npos ? tag : line.find('>', tag);
      std::string unused;
      if (close != std::string_view::npos) {
        ReadTag(line.substr(tag + 1, close - tag - 1), &meaning.partOfSpeech, &unused);
      }
      continue;
    }
    if (line[0] == '"') {
      group.synonyms.push_back(SourceSynonym{{}, ExampleWords(line)});
    } else if (StartsWith(line, "Note:")) {
      const std::string note = CollapseBlanks(line.substr(5));
      if (!group.synonyms.empty() && !note.empty()) {
        group.synonyms.back().words += " (" + note + ")";
      }
    } else if (StartsWith(line, "see:")) {
      if (result.reference.empty()) result.reference = FirstReference(line);
    } else if (StartsWith(line, "Synonym")) {
      continue;
    } else {
      char partOfSpeech = 0;
      for (std::string_view item : TranslationItems(line)) {
        std::string words = ReadTranslation(item, &partOfSpeech, &labels);
        if (!words.empty()) group.synonyms.push_back(SourceSynonym{{}, std::move(words)});
      }
      if (meaning.partOfSpeech == 0) meaning.partOfSpeech = partOfSpeech;
    }
  }
  if (!group.synonyms.empty()) {
    // The domain labels name the sense: they stand before its first word.
    group.synonyms.front().labels = std::move(labels);
    meaning.groups.push_back(std::move(group));
    result.meanings.push_back(std::move(meaning));
  }
  return result;
}
