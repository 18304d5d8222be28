// Checks for the tests of every COM server: that its type library carries
// the LIBID of the generated header, embedded and once registered. widl can
// silently write another LIBID into a .tlb (a dispinterface placed before a
// dual interface), and then LoadRegTypeLib of the header's LIBID fails.
//
//   EXPECT_TRUE(com::testing::EmbeddedLibidIs(dllPath, LIBID_PREFSTORELib));
//   EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_PREFSTORELib, 1, 0));
#pragma once

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

namespace morvex::com::testing {

// The type library embedded in the module file `modulePath` has `libid`.
::testing::AssertionResult EmbeddedLibidIs(const wchar_t* modulePath, REFGUID libid);

// Version major.minor of `libid` is registered, and the library it names
// has that LIBID.
::testing::AssertionResult RegisteredLibidIs(REFGUID libid, WORD major, WORD minor);

}  // namespace morvex::com::testing
