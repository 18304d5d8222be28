// A stand-in for the dictionary engine with only the entry points the
// binding tests need: the build compiles it once per variant, each a
// "MorvexLexicon.dll" in a directory of its own. Every entry point that
// exists succeeds; the ones a variant leaves out are what the tests check.
#include <windows.h>

extern "C" {

#if defined(FAKE_ENGINE_HAS_INIT)
__declspec(dllexport) int MDInit(const char*) { return 0; }
#endif

__declspec(dllexport) int MDExit() { return 0; }

}  // extern "C"
