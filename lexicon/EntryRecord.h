// The article record (EntryRecord): an article tree written depth-first into
// the dictionary file, one record per head word, found through the word
// index. The only encoder of records and their decoder into the tree: CDic
// reads the current article with them, the editor writes new records, the
// fuzz target feeds them arbitrary bytes. For showing an article, CDic reads
// its record in place instead (lexicon/RecordStream.h), to the same result.
//
// A record has no header and no length. Numbers are single bytes; a text is
// one length byte and that many bytes (so at most 255), no terminator; a
// count is one byte (so at most 255 children of one kind). Which parts a
// record holds depends on the dictionary type:
//
//   entry:       [types 1, 4] code (byte), attribute (text)
//                [all but 3, 7] meaning count, meanings
//                [all but 2] reference (text)
//   meaning:     code (byte), attribute (text)
//                [all but 2] group count, groups
//   group:       number (byte); [type 4] definition (text);
//                synonym count, synonyms
//   synonym:     context type (byte), context (text), label count and labels
//                (texts), combination count and combinations;
//                [type 4] definition (text); reference (text)
//   combination: code (byte), text (text), attribute type (byte),
//                attribute (text)
//
// Types 5 and 6 are word lists and have no records, nor has any type outside
// 1 to 7.
#pragma once

#include <stdint.h>

#include "base/MCArray.h"
#include "lexicon/LexiconExport.h"

class CEntry;
class MCFile;

// 1 when dictionaries of the type keep article records.
MLEX_API int HasEntryRecords(uint8_t type);

// The record of the entry, laid out for the entry's type, replaces the
// contents of `bytes`. 0 (bytes empty) when the type has no records or a
// text is longer than 255 bytes: the record is refused, not cut.
MLEX_API int EncodeEntryRecord(const CEntry& entry, MCByteArray& bytes);
// Reads a record of the entry's type from `size` bytes into the entry, whose
// meanings are let go first (the entry keeps them to refill). Every child is
// made before it is read. 1 when
// the whole record lay within the bytes; 0 when they end before the layout
// does (reading stops there and what was read stays) or the type has no
// records.
MLEX_API int DecodeEntryRecord(const unsigned char* bytes, unsigned size, CEntry& entry);

// The same at the file's current position. Writing is all or nothing in the
// sense that a refused record writes no byte; 1 when every byte was written.
MLEX_API int WriteEntryRecord(MCFile& file, const CEntry& entry);
// Reads at most `extent` bytes, the room the record has before what follows
// it in the file; stops at the first short read (0).
MLEX_API int ReadEntryRecord(MCFile& file, unsigned extent, CEntry& entry);
