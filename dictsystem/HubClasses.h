// The classes of the dictionary system server as the rest of the server
// reaches them: one creation function per class (the class table of the
// exports uses the same ones; the server makes its own objects directly,
// not through class factories), and the source of each class's errors.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include "LexiconHub.h"
#include "com/ErrorInfo.h"

HRESULT CreateLexiconHub(REFIID iid, void** out);
HRESULT CreateVelDictionary(REFIID iid, void** out);
HRESULT CreateVelDictCollection(REFIID iid, void** out);
HRESULT CreateVelProject(REFIID iid, void** out);
HRESULT CreateVelPrjCollection(REFIID iid, void** out);
HRESULT CreateVelRegMngr(REFIID iid, void** out);

// Who reports an error: the class's interface and its ProgID.
inline constexpr morvex::com::ErrorSource kLexiconHubErrors = {&IID_ILexiconHub,
                                                               L"Morvex.LexiconHub.1"};
inline constexpr morvex::com::ErrorSource kDictionaryErrors = {&IID_IVelDictionary,
                                                               L"LexiconHub.VelDictionary.1"};
inline constexpr morvex::com::ErrorSource kDictCollectionErrors = {
    &IID_IVelDictCollection, L"LexiconHub.VelDictCollection.1"};
inline constexpr morvex::com::ErrorSource kProjectErrors = {&IID_IVelProject,
                                                            L"LexiconHub.VelProject.1"};
inline constexpr morvex::com::ErrorSource kPrjCollectionErrors = {&IID_IVelPrjCollection,
                                                                  L"LexiconHub.VelPrjCollection.1"};
inline constexpr morvex::com::ErrorSource kRegMngrErrors = {&IID_IVelRegMngr,
                                                            L"LexiconHub.VelRegMngr.1"};
