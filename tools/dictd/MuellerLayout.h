// The layout of the English-Russian dictd source ("mueller7"): an article is
// its head word on the first line, then indented lines in which a line may
// open a homonym ("_I", "_II"), a part-of-speech section ("1. _n."), a
// numbered sense ("1)") or a lettered sub-sense ("а)"); other lines go on
// the text before them. Labels are words starting with "_", transcriptions
// stand in square brackets, ";" separates synonyms, and a sense "= word" or
// "см. word" refers to another head word.
//
// Sections and homonyms become meanings with the part of speech their
// header names, senses numbered groups, sub-senses further synonyms of
// their sense. Transcriptions are left out: the dictionaries' code pages
// cannot write their phonetic letters, and square brackets mean grammar in
// the article syntax.
#pragma once

#include <string_view>

#include "tools/dictd/SourceArticle.h"

SourceArticle ParseMuellerArticle(std::string_view article);
