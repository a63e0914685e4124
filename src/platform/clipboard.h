// The system clipboard's text, behind the seam like every other part of the
// machine: the Qt clipboard in the window, a plain string for the driver.
#pragma once

#include <string>
#include <string_view>

namespace murokan::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Puts `utf8` on the clipboard as plain text.
    virtual void setText(std::string_view utf8) = 0;
    // The clipboard's plain text as UTF-8, "" when it holds none.
    virtual std::string text() const = 0;
};

}  // namespace murokan::platform
