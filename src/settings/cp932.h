// Text in the system code page: the settings file is Shift-JIS (CP932), while
// the program's own texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murokan::settings {

// The CP932 bytes of a UTF-8 text; nullopt when some character has no CP932 form
// or the input is not valid UTF-8.
std::optional<std::string> cp932_from_utf8(std::string_view utf8);

}  // namespace murokan::settings
