// The vulgar-word label of article texts, which the searches with the
// no-vulgar flag pass over (lexicon/CDicIndex.h).
//
// The label is "vulg" as a word of its own: neither the character before it
// nor the one after it is a 7-bit letter. So "vulg.", "(vulg)" and "vulg"
// at either end of the text carry it, while "divulge" and "vulgar" do not.
#pragma once

bool HasVulgarLabel(const char* text);
