// Export macro of MorvexMorph.
//
// Every class and function of the grammar library is declared with MMORPH_API
// so that the dictionary engine and the tests link them from the one
// MorvexMorph shared library, whose grammar tables are process-wide.
#pragma once

#if defined(_WIN32)
#  if defined(MORVEXMORPH_BUILD)
#    define MMORPH_API __declspec(dllexport)
#  else
#    define MMORPH_API __declspec(dllimport)
#  endif
#else
#  define MMORPH_API __attribute__((visibility("default")))
#endif
