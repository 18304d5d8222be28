// The shipped alphabets (data/Lang.txt of the source tree) for the lexicon
// tests whose cases need real letters: the Russian word order, language
// pairs. Compiled into a test by lexicon_test_uses_shipped_alphabets() in
// lexicon/CMakeLists.txt, which also says where the source tree's data is.
#pragma once

// Loads the shipped alphabets into the process-wide language data once;
// false when the source tree has none or they hold no Russian alphabet.
bool LoadShippedAlphabets();
