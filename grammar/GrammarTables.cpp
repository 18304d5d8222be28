// The process-wide grammar tables and their lookups.

#include "grammar/GrammarTables.h"

#include "base/CVal.h"
#include "base/CVars.h"
#include "base/MCString.h"

namespace {

constexpr char kNameTableFile[] = "GramId.dat";
constexpr char kValueTableFile[] = "GramVal.dat";
constexpr char kSideTableStem[] = "GramId";
constexpr char kSideTableExtension[] = ".dat";

// Built when the library is loaded, closed by their destructors when it is
// unloaded.
CVars g_names;
CVal g_values;
CVars g_inNames;
CVars g_outNames;

bool IsEmptyText(const char* text) { return text == nullptr || *text == '\0'; }

// The directory as given (no separator added; null is the current directory).
MCString InDir(const char* dir, const char* file) { return MCString(dir) + file; }

int OpenSideTable(CVars& table, const char* dir, const char* suffix) {
  if (IsEmptyText(suffix)) return 0;
  MCString file = kSideTableStem;
  file += suffix;
  file += kSideTableExtension;
  return table.Open(InDir(dir, file));
}

// The name of id in an open table; null when the table is not open or the
// name is empty.
const char* NameIn(const CVars& table, int id) {
  if (!table.IsOpen()) return nullptr;
  const MCString& name = table.GetNameStr(id);
  return name.IsEmpty() ? nullptr : static_cast<const char*>(name);
}

int IdIn(const CVars& table, const char* name) {
  if (!table.IsOpen() || name == nullptr) return -1;
  return table.GetNameId(name);
}

const char* SideNameOrMain(const CVars& side, int id) {
  const char* name = NameIn(side, id);
  return name != nullptr ? name : NameIn(g_names, id);
}

int SideIdOrMain(const CVars& side, const char* name) {
  const int id = IdIn(side, name);
  return id != -1 ? id : IdIn(g_names, name);
}

}  // namespace

extern "C" {

int OpenGrammar(const char* dir) {
  if (!g_names.Open(InDir(dir, kNameTableFile))) return 0;
  return g_values.Open(InDir(dir, kValueTableFile)) ? 1 : 0;
}

int CloseGrammar() {
  g_names.Close();
  return g_values.Close();
}

CVars* GetGrammarVars() { return &g_names; }

CVal* GetGrammarVal() { return &g_values; }

int OpenInGrammar(const char* dir, const char* suffix) {
  return OpenSideTable(g_inNames, dir, suffix);
}

int OpenOutGrammar(const char* dir, const char* suffix) {
  return OpenSideTable(g_outNames, dir, suffix);
}

int CloseInGrammar() { return g_inNames.Close(); }

int CloseOutGrammar() { return g_outNames.Close(); }

const char* GetGramAttrNameStr(int id) { return NameIn(g_names, id); }

int GetGramAttrNameId(const char* name) { return IdIn(g_names, name); }

const char* GetInGramAttrNameStr(int id) { return SideNameOrMain(g_inNames, id); }

const char* GetOutGramAttrNameStr(int id) { return SideNameOrMain(g_outNames, id); }

int GetInGramAttrNameId(const char* name) { return SideIdOrMain(g_inNames, name); }

int GetOutGramAttrNameId(const char* name) { return SideIdOrMain(g_outNames, name); }

int GetGramAttrNameToValueId(int nameId) {
  return g_values.IsOpen() ? g_values.GetNameToValueId(nameId) : 0;
}

int GetGramAttrValueToNameId(int valueId) {
  return g_values.IsOpen() ? g_values.GetValueToNameId(valueId) : 0;
}

const char* GetGramAttrValueStr(int table, int value) {
  if (!g_values.IsOpen()) return nullptr;
  const MCString& name = g_values.GetValueStr(table, value);
  return name.IsEmpty() ? nullptr : static_cast<const char*>(name);
}

int GetGramAttrValue(int table, const char* valueName) {
  if (!g_values.IsOpen() || valueName == nullptr) return -1;
  return g_values.GetValue(table, valueName);
}

}  // extern "C"
