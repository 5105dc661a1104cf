// Resources port: the module's own resources (string table, later bitmaps
// and the version resource).
#pragma once

#include <string>

namespace platform {

class Resources {
  public:
    virtual ~Resources() = default;
    // LoadStringW from the module: false (and an empty text) when the
    // string table has no such number.
    virtual bool LoadText(unsigned id, std::wstring* text) = 0;
};

}  // namespace platform
