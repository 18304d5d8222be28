// The layout of the FreeDict dictd sources ("freedict-eng-deu" and its
// kin): each source entry is one sense of its head word. Its first line is
// the head word, its transcription between slashes and its part of speech
// in angle brackets ("litter /lˈɪtə/ <v>"); the next line lists the
// translations, separated by commas, each with its grammar in angle brackets
// ("Katze <fem>") and the sense's domain labels in square brackets
// ("[zool.]"). Indented lines follow: examples ("\"text\"  - Übersetzung"),
// notes ("Note: ..."), synonyms and cross references ("see: {word}").
//
// A sense becomes one meaning: the translations and the examples its
// synonyms, the notes added to the synonym before them in parentheses, the
// genders written after each word (m, f, n, pl), the first cross reference
// the article's reference. Transcriptions and the synonym lists are left
// out.
#pragma once

#include <string_view>

#include "tools/dictd/SourceArticle.h"

SourceArticle ParseFreedictArticle(std::string_view article);
