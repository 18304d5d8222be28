#include "app/NotRegisteredError.h"

#include <string>

#include "app/InterfaceResources.h"
#include "app/Resources.h"

namespace morvex::solo {

void ShowNotRegisteredError(UINT displayNameId) {
  const std::string text = ProgramString(displayNameId) + ProgramString(IDS_NOT_REGISTERED_SUFFIX);
  const std::string caption =
      ProgramString(IDS_WINDOW_TITLE) + ProgramString(IDS_ERROR_CAPTION_SUFFIX);
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_ICONHAND);
}

}  // namespace morvex::solo
