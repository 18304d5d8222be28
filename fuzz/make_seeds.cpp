// make_seeds OUT_DIR DATA_DIR: writes a seed corpus for every fuzz target,
// OUT_DIR/<target>/ with the list OUT_DIR/<target>.list that the short CTest
// run takes (-seed_inputs=@list), so that it starts from valid inputs rather
// than from nothing. Run by the build (fuzz/CMakeLists.txt).
//
// The seeds come from the project itself: the record fixtures of the lexicon
// tests (lexicon/tests/record_fixtures.cpp, a record of every layout and the
// article trees they hold), dictionaries made of those articles through the
// engine, the text sources of data/ (DATA_DIR) and what the libraries compile
// of them. The text formats without a source file here (dictd sources, word
// lists) take the shapes of their tests' fixtures. Every seed fits the run's
// -max_len (MORVEX_FUZZ_MAX_LEN), or the program fails: a seed cut short is
// no longer valid.
//
// Exit codes: 0 done, 1 a seed could not be made, 2 wrong usage.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/CLangData.h"
#include "base/DeltaCode.h"
#include "base/MCObject.h"
#include "controls/common/tests/PackedDibFixtures.h"
#include "grammar/CGramInfo.h"
#include "grammar/GrammarTables.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/tests/record_fixtures.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxLength = MORVEX_FUZZ_MAX_LEN;

bool g_failed = false;

void Fail(const std::string& what) {
  std::fprintf(stderr, "make_seeds: %s\n", what.c_str());
  g_failed = true;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  if (!in) Fail("cannot read " + path.string());
  return bytes.str();
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write " + path.string());
}

std::string Str(const MCString& text) {
  return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

// The seeds of one target, written as they are added.
class Corpus {
 public:
  Corpus(const fs::path& root, const char* target) : root_(root), target_(target) {
    fs::create_directories(root_ / target_);
  }
  Corpus(const Corpus&) = delete;
  Corpus& operator=(const Corpus&) = delete;

  ~Corpus() {
    if (names_.empty()) Fail(target_ + " has no seed");
    std::string list;
    for (const std::string& name : names_)
      list += (list.empty() ? "" : ",") + (root_ / target_ / name).string();
    WriteFile(root_ / (target_ + ".list"), list);
  }

  void Add(const std::string& name, const std::string& bytes) {
    if (bytes.empty() || bytes.size() > kMaxLength) {
      Fail(target_ + "/" + name + ": " + std::to_string(bytes.size()) + " bytes");
      return;
    }
    WriteFile(root_ / target_ / name, bytes);
    names_.push_back(name);
  }

 private:
  fs::path root_;
  std::string target_;
  std::vector<std::string> names_;
};

// --- Dictionaries

// A dictionary of the type under the given head words, their articles made
// of the fixture trees of that type in turn (none in a word list); its file.
std::string MakeDictionary(const fs::path& path, uint8_t type,
                           const std::vector<std::string>& words) {
  std::vector<GoldenRecord> trees;
  for (const GoldenRecord& golden : GoldenRecords())
    if (golden.type == type) trees.push_back(golden);
  std::string wordList, articleList;
  for (size_t i = 0; i < words.size(); ++i) {
    wordList += words[i] + '\0';
    if (trees.empty()) continue;
    CEntry entry(type);
    trees[i % trees.size()].build(entry);
    articleList += Str(MergeString(entry, 0)) + '\0';
  }
  wordList += '\0';
  articleList += '\0';
  CDic dic;
  MD_PROP prop = {};
  prop.flags =
      MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_INFO_IN | MD_PROP_INFO_OUT;
  prop.type = type;
  prop.langIn = 1033;
  prop.langOut = 1049;
  prop.infoIn = "English";
  prop.infoOut = "Russian";
  if (!dic.Create(path.string().c_str()) || !dic.SetDicProperty(&prop) ||
      !dic.AddWords(wordList.data(), trees.empty() ? nullptr : articleList.data())) {
    Fail("cannot make a dictionary of type " + std::to_string(type));
  }
  dic.Close();
  return ReadFile(path);
}

// The trie of a dictionary file (after the index offset and its length).
std::string TrieOf(const std::string& file) {
  CDicHeader header;
  if (!header.Decode(reinterpret_cast<const unsigned char*>(file.data()),
                     static_cast<unsigned>(file.size())) ||
      header.indexOffset == CDicHeader::kNoIndex) {
    Fail("a dictionary without an index");
    return "";
  }
  return file.substr(static_cast<size_t>(header.indexOffset) + 4);
}

void DictionarySeeds(const fs::path& out, const fs::path& scratch) {
  Corpus headers(out, "dic_header"), indexes(out, "dic_index");
  Corpus records(out, "entry_record"), articles(out, "article_split");

  const std::string plain = MakeDictionary(scratch / "plain.dic", 1, {"house", "run", "stub"});
  const std::string definitions = MakeDictionary(scratch / "definitions.dic", 4, {"word"});
  const std::string words = MakeDictionary(scratch / "words.dic", 5, {"cat", "catalog", "dog"});
  CDic fresh;
  fresh.Create((scratch / "fresh.dic").string().c_str());
  fresh.Close();
  headers.Add("articles.dic", plain);
  headers.Add("definitions.dic", definitions);
  headers.Add("word-list.dic", words);
  headers.Add("header-only.dic", ReadFile(scratch / "fresh.dic"));

  // A flag byte (word list or not), a search word and its NUL, the trie.
  indexes.Add("articles", std::string(1, '\0') + "house" + '\0' + TrieOf(plain));
  indexes.Add("word-list", std::string(1, '\1') + "cata" + '\0' + TrieOf(words));

  int n = 0;
  for (const GoldenRecord& golden : GoldenRecords()) {
    const std::string name = std::to_string(++n) + "-type" + std::to_string(golden.type);
    records.Add(name, std::string(1, static_cast<char>(golden.type)) + golden.bytes);
    CEntry entry(golden.type);
    golden.build(entry);
    // The first byte picks type 1 + byte % 7.
    articles.Add(name,
                 std::string(1, static_cast<char>(golden.type - 1)) + Str(MergeString(entry, 0)));
  }
}

// --- The data sources and what they compile to

// Lang.txt in pieces of whole alphabets, each with the file's head comment
// and small enough to be a seed.
std::vector<std::string> LangPieces(const std::string& text) {
  std::vector<std::string> blocks;  // blocks[0]: the lines before the first LANG
  blocks.emplace_back();
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("LANG ", 0) == 0) blocks.emplace_back();
    blocks.back() += line + '\n';
  }
  std::vector<std::string> pieces;
  for (size_t i = 1; i < blocks.size(); ++i) {
    if (pieces.empty() || pieces.back().size() + blocks[i].size() > kMaxLength)
      pieces.push_back(blocks[0]);
    pieces.back() += blocks[i];
  }
  return pieces;
}

void DataSeeds(const fs::path& out, const fs::path& data, const fs::path& scratch) {
  const std::string gramId = ReadFile(data / "GramId.txt");
  const std::string gramVal = ReadFile(data / "GramVal.txt");
  {
    Corpus sources(out, "table_source");
    sources.Add("GramId.txt", gramId);
    sources.Add("GramVal.txt", gramVal);
  }
  {
    // main.txt, a NUL, inc.txt.
    Corpus definitions(out, "read_string_array");
    definitions.Add("defines", gramVal + '\0');
    definitions.Add("include",
                    "#include \"inc.txt\"  // the table\n" + std::string(1, '\0') + gramId);
  }

  // The grammar tables compile themselves when only their sources are there.
  const fs::path grammar = scratch / "grammar";
  fs::create_directories(grammar);
  WriteFile(grammar / "GramId.txt", gramId);
  WriteFile(grammar / "GramVal.txt", gramVal);
  if (OpenGrammar((grammar.string() + "/").c_str()) != 1) Fail("the grammar tables do not open");
  {
    Corpus compiled(out, "table_compiled");
    compiled.Add("GramId.dat", ReadFile(grammar / "GramId.dat"));
    compiled.Add("GramVal.dat", ReadFile(grammar / "GramVal.dat"));
  }
  {
    // Dictionary grammar strings, encoded from display forms of the shipped
    // names (the record fixtures' attributes are placeholders).
    Corpus strings(out, "grammar_string");
    const char* const displays[] = {"sg;m",      "pl;f;anim",      "pf;tr;3sg;past",
                                    "comp;qual", "%human:animate", "sg;\\see also"};
    int n = 0;
    for (const char* display : displays) {
      CGramInfo gram;
      strings.Add(std::to_string(++n), Str(gram.StringToDicStr(MCString(display))));
    }
  }
  CloseGrammar();

  Corpus languages(out, "lang_data");
  int n = 0;
  for (const std::string& piece : LangPieces(ReadFile(data / "Lang.txt"))) {
    const fs::path dir = scratch / ("lang" + std::to_string(++n));
    fs::create_directories(dir);
    WriteFile(dir / "Lang.txt", piece);
    CLangData parsed;
    if (parsed.Load(dir.string().c_str(), "Lang.dat") != CLangData::kLoaded)
      Fail("a piece of Lang.txt does not load");
    languages.Add("Lang" + std::to_string(n) + ".txt", piece);
    languages.Add("Lang" + std::to_string(n) + ".dat", ReadFile(dir / "Lang.dat"));
  }
}

// --- Text formats

void TextSeeds(const fs::path& out) {
  {
    // As tools/dictd/tests/dictd_source_test.cpp and layout_test.cpp write them.
    Corpus dictd(out, "dictd_source");
    dictd.Add("index", "00-database-short\tA\tB\ncat\tB\tC\ncolorado beetle\tBA\tZ\ndog\tC\tD\n");
    dictd.Add("mueller",
              u8"cat\n   _I  [k\u00E6t]\n      1. _n.\n         1) кот; кошка\n"
              u8"         2) to see which way\n            а) выжидать;\n            б) ждать\n"
              u8"      2. _v. бить плетью\n   _II [k\u00E6t] _n. (_сокр. от caterpillar) _ам.\n"
              u8"         1) трактор\n");
    dictd.Add("freedict",
              u8"cat /k\u02C8at/\nKatze <fem> [zool.]\n"
              u8"      \"long-hair cat\"  - Langhaarkatze\n"
              u8"   Synonym: {feline}\n\n see: {cats}, {domestic cat}\n");
  }
  {
    // Articles in the dictionary form the viewer shows, as the engine
    // merges them (1251): blocks, head word, meanings, labels, references.
    Corpus articles(out, "viewer_article_scan");
    articles.Add("reference", "{Noun} color\r\n\t\xB7{Noun} \xF6\xE2\xE5\xF2;\r\n\\colour");
    articles.Add("label", "{Noun} arch\r\n\t\xB7{Noun} arch) \xE4\xEE\xEC;");
    articles.Add("plain", "house");
    articles.Add("nested", "{a {b} c} x) \\ { \\y)\r\r\n}");
  }
  {
    // "for" and "to" words, one pair a line; '*' begins a comment.
    Corpus lists(out, "list_file");
    lists.Add("pairs",
              "* words of the record fixtures\nhouse building\nhome\nrun\tflee\n\nescape\n");
  }
  {
    // Base, word and the command that makes the word of the base.
    Corpus deltas(out, "delta_code");
    const std::pair<const char*, const char*> pairs[] = {
        {"house", "houses"},
        {"run", "ran"},
        {"flee", "fled"},
        {"\xE4\xEE\xEC", "\xE4\xEE\xEC\xE0"},  // дом, дома (1251)
    };
    int n = 0;
    for (const auto& [base, word] : pairs) {
      const std::string command = Str(MakeCommandFromWord(MCString(base), MCString(word)));
      if (command.empty()) Fail(std::string("no delta code of ") + base + " to " + word);
      deltas.Add(std::to_string(++n), std::string(base) + '\0' + word + '\0' + command);
    }
  }
}

// --- Pictures: packed DIBs as bitmap resources hold them, shaped as the
// picture tests make them.

void PictureSeeds(const fs::path& out) {
  using namespace morvex::controls::dib_header;
  using morvex::controls::testing::DibBlock;
  Corpus pictures(out, "packed_dib_layout");
  pictures.Add("8-bit-20-colours", DibBlock({40, 4, 4, 8, kRgbCompression, 0, 20}, 136));
  pictures.Add("8-bit-default-colours", DibBlock({40, 4, 4, 8}, 1080));
  pictures.Add("4-bit", DibBlock({40, 18, 16, 4}, 296));
  pictures.Add("1-bit-top-down", DibBlock({40, 33, -2, 1}, 64));
  pictures.Add("24-bit-fifth-version", DibBlock({124, 3, 2, 24}, 148));
  pictures.Add("16-bit-bit-fields", DibBlock({40, 2, 2, 16, kBitFieldsCompression}, 60));
  pictures.Add("run-length-8", DibBlock({40, 4, 4, 8, kRle8Compression, 10, 4}, 66));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds OUT_DIR DATA_DIR\n");
    return 2;
  }
  // A refusal shows no message box.
  MSetMessageBoxHandler([](const char*, const char*, unsigned) { return 1; });
  const fs::path out = argv[1];
  const fs::path scratch = out / "scratch";
  std::error_code ignored;
  fs::remove_all(out, ignored);
  fs::create_directories(scratch);
  DictionarySeeds(out, scratch);
  DataSeeds(out, argv[2], scratch);
  TextSeeds(out);
  PictureSeeds(out);
  fs::remove_all(scratch, ignored);
  return g_failed ? 1 : 0;
}
