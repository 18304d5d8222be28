// Object identity for COM pointers.
#include "com/ComPtr.h"

namespace morvex::com {

bool SameObject(IUnknown* a, IUnknown* b) {
  if (!a || !b) return a == b;
  Ptr<IUnknown> first, second;
  if (FAILED(a->QueryInterface(IID_IUnknown, first.PutVoid()))) return false;
  if (FAILED(b->QueryInterface(IID_IUnknown, second.PutVoid()))) return false;
  return first == second;
}

}  // namespace morvex::com
