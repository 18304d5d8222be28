// Checks for the tests of every COM server: that its type library carries
// the LIBID of the generated header, embedded and once registered (widl can
// silently write another LIBID into a .tlb: a dispinterface placed before a
// dual interface, and then LoadRegTypeLib of the header's LIBID fails), and
// what the library says of a dual interface's vtable, member by member.
//
//   EXPECT_TRUE(com::testing::EmbeddedLibidIs(dllPath, LIBID_PREFSTORELib));
//   EXPECT_TRUE(com::testing::RegisteredLibidIs(LIBID_PREFSTORELib, 1, 0));
#pragma once

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace morvex::com::testing {

// The type library embedded in the module file `modulePath` has `libid`.
::testing::AssertionResult EmbeddedLibidIs(const wchar_t* modulePath, REFGUID libid);

// Version major.minor of `libid` is registered, and the library it names
// has that LIBID.
::testing::AssertionResult RegisteredLibidIs(REFGUID libid, WORD major, WORD minor);

// One member of a dual interface's vtable as its type library lists it;
// parameters are not compared, only kept for the tests that look at one.
struct VtableMember {
  int slot;
  std::wstring name;
  DISPID dispid;
  INVOKEKIND kind;
  std::vector<VARTYPE> parameters = {};
  bool operator==(const VtableMember& other) const {
    return slot == other.slot && name == other.name && dispid == other.dispid && kind == other.kind;
  }
};
std::ostream& operator<<(std::ostream& out, const VtableMember& member);

// The members of the dual interface `dual` (its type information in the
// library) in vtable order; empty when the library has no vtable part.
std::vector<VtableMember> VtableMembers(ITypeInfo* dual);

// The type of the first parameter of member `dispid` (the first of its
// kinds in the list); VT_EMPTY when there is none.
VARTYPE FirstParameterType(const std::vector<VtableMember>& members, DISPID dispid);

}  // namespace morvex::com::testing
