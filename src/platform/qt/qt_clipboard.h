// The system clipboard through Qt.
#pragma once

#include "platform/clipboard.h"

namespace murokan::platform {

class QtClipboard : public Clipboard {
  public:
    void setText(std::string_view utf8) override;
    std::string text() const override;
};

}  // namespace murokan::platform
