#include "app/HostedControl.h"

#include <string>

#include "app/NotRegisteredError.h"
#include "com/AxHost.h"

namespace morvex::solo {

HostedControl HostControl(const ControlRequest& request) {
  HostedControl hosted;
  std::wstring progId;
  if (!com::ProgIdOfClass(*request.clsid, &progId) || progId.empty()) {
    ShowNotRegisteredError(request.displayNameId);
    return hosted;
  }
  hosted.host =
      com::AxCreateHostWindow(request.parent, nullptr, RECT{}, request.id, request.style);
  if (!hosted.host) return hosted;
  if (FAILED(com::AtlAxCreateControlEx(progId.c_str(), hosted.host, nullptr, nullptr,
                                       hosted.control.Put(),
                                       request.sinkIid ? *request.sinkIid : IID_NULL,
                                       request.sink))) {
    hosted.control.Reset();
  }
  return hosted;
}

}  // namespace morvex::solo
