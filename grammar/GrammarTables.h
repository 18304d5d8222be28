// The grammar tables: the process-wide attribute-name table (GramId.dat, a
// CVars) and value table (GramVal.dat, a CVal) of MorvexMorph, two optional
// side tables of attribute names for the input and output language of a
// pair, and the small helpers that go with attribute ids: paradigm packing,
// id types and the part-of-speech codes for callers.
//
// The dictionary engine opens the tables at its initialisation; every
// conversion that shows an attribute by name (grammar/CGramInfo.h) looks it
// up here. Each ".dat" file is the compiled form of a ".txt" source beside
// it, which is compiled when only the source is there (base/CVars.h). The
// tables live from library load to unload and are read and loaded on the
// one thread that uses the libraries. Until a table is open every lookup in
// it answers "none" (null, -1 or 0 as each function says).
#pragma once

#include "grammar/GrammarExport.h"

class CVal;
class CVars;

extern "C" {

// --- Opening. A directory is used as given, with no separator added: it
// ends in one ("C:\data\") or is empty; a null one means the current one.

// Opens dir + "GramId.dat" and, only when that opened, dir + "GramVal.dat".
// 1 when both are open, else 0.
MMORPH_API int OpenGrammar(const char* dir);
// Closes both; returns the result of closing the value table.
MMORPH_API int CloseGrammar();
MMORPH_API CVars* GetGrammarVars();
MMORPH_API CVal* GetGrammarVal();

// Open "GramId" + suffix + ".dat" in dir as the input-side (output-side)
// name table; a null or empty suffix opens nothing and gives 0.
MMORPH_API int OpenInGrammar(const char* dir, const char* suffix);
MMORPH_API int OpenOutGrammar(const char* dir, const char* suffix);
MMORPH_API int CloseInGrammar();
MMORPH_API int CloseOutGrammar();

// --- Attribute names. Texts belong to the table and stay valid while it is
// open; an empty name counts as none.

// The name of id in the main table, or null.
MMORPH_API const char* GetGramAttrNameStr(int id);
// The id of name (ignoring case), or -1.
MMORPH_API int GetGramAttrNameId(const char* name);
// The name in the side table, else in the main table; null when neither has one.
MMORPH_API const char* GetInGramAttrNameStr(int id);
MMORPH_API const char* GetOutGramAttrNameStr(int id);
// The id in the side table, else in the main table; -1 when neither has it.
MMORPH_API int GetInGramAttrNameId(const char* name);
MMORPH_API int GetOutGramAttrNameId(const char* name);

// --- Values.

// The value table that names the values of an attribute id; 0 when none.
MMORPH_API int GetGramAttrNameToValueId(int nameId);
// The attribute id whose values a value table names; 0 when none.
MMORPH_API int GetGramAttrValueToNameId(int valueId);
// The name of value in the value table of that index, or null.
MMORPH_API const char* GetGramAttrValueStr(int table, int value);
// The number of the named value in that value table, or -1.
MMORPH_API int GetGramAttrValue(int table, const char* valueName);

// --- Ids and paradigms.

// What an id's value is: kGramIdText for 129, 130, 185 and 254, else
// kGramIdNumber.
enum { kGramIdNumber = 4, kGramIdText = 8 };
MMORPH_API int GetGramIdType(unsigned id);
// A packed paradigm: base in bits 16 and up, number in the low 16 bits; all
// bits set for "no paradigm" (number -1 as signed 16 bits).
MMORPH_API short GetParaNum(int packed);
MMORPH_API int GetParaBase(unsigned packed);
MMORPH_API int MakeParadigm(int num, int base);

// --- Part-of-speech codes for callers: an unknown word ('?'), a word of
// digits ('H'), an identifier ('#'). A setter returns what it stored.
MMORPH_API char GetUnknownSyn();
MMORPH_API char SetUnknownSyn(char syn);
MMORPH_API char GetIdSyn();
MMORPH_API char SetIdSyn(char syn);
MMORPH_API char GetDigitSyn();
MMORPH_API char SetDigitSyn(char syn);

}  // extern "C"
