#include "controls/common/RichEditLibrary.h"

#include <windows.h>

namespace morvex::controls {

bool LoadRichEditLibrary() {
  // Only the user-interface thread creates windows of the controls.
  static HMODULE library = nullptr;
  if (!library) library = LoadLibraryA("RichEd20.dll");
  return library != nullptr;
}

}  // namespace morvex::controls
