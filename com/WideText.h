// Conversions between the UTF-8 text of the portable registrar and the
// UTF-16 text of the Windows API, used by the framework's registration.
#pragma once

#include <string>
#include <string_view>

namespace morvex::com {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace morvex::com
