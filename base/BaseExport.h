// Export macro of MorvexBase.
//
// Every class and function of the base library is declared with MBASE_API so
// that MorvexMorph, MorvexLexicon and the tests link them from the one
// MorvexBase shared library (and so share its heap and its static empty
// string).
#pragma once

#if defined(_WIN32)
#  if defined(MORVEXBASE_BUILD)
#    define MBASE_API __declspec(dllexport)
#  else
#    define MBASE_API __declspec(dllimport)
#  endif
#else
#  define MBASE_API __attribute__((visibility("default")))
#endif
