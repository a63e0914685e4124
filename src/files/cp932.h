// Conversion between the program's UTF-8 texts and the Windows Japanese code
// page (CP932, Shift-JIS with the Windows extensions) of record files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murokan {

// The CP932 bytes of a UTF-8 text; nullopt when some character has no CP932
// form (or the text is not valid UTF-8).
std::optional<std::string> UTF8からCP932(std::string_view utf8);

// The UTF-8 text of CP932 bytes. Never fails: a byte that starts no valid
// character becomes U+FFFD, so any file can be shown.
std::string CP932からUTF8(std::string_view cp932);

// The text as a record file gives it back: a character that CP932 stores under
// the code of another becomes that other (〜 U+301C as ～ U+FF5E, ‖ as ∥,
// − as －, — as ―, ¢ £ ¬ as their full-width forms, ¥ as \, ‾ as ~), so that
// a name reads back as it was shown. Its CP932 bytes are those of `utf8`. A
// text with no CP932 form is returned as it is.
std::string CP932往復形(std::string_view utf8);

}  // namespace murokan
