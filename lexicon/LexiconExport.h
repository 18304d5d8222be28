// Export macro of MorvexLexicon, the dictionary engine.
//
// Every class and function of the engine that other modules use (the
// dictionary system server, the data tools, the tests) is declared with
// MLEX_API, so that they link it from the one MorvexLexicon shared library.
// MLEX_STDCALL is the calling convention of callbacks the engine receives
// from other modules.
#pragma once

#if defined(_WIN32)
#  if defined(MORVEXLEXICON_BUILD)
#    define MLEX_API __declspec(dllexport)
#  else
#    define MLEX_API __declspec(dllimport)
#  endif
#  define MLEX_STDCALL __stdcall
#else
#  define MLEX_API __attribute__((visibility("default")))
#  define MLEX_STDCALL
#endif
