// The system clipboard, for text only.
#pragma once

#include <string>
#include <string_view>

namespace murokan::platform {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Puts `utf8` on the clipboard in place of what it held.
    virtual void setText(std::string_view utf8) = 0;
    // What the clipboard holds as text, "" when it holds none.
    virtual std::string text() const = 0;
};

}  // namespace murokan::platform
