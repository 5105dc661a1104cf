// Resources port: the module's own resources (string table, version
// resource, later bitmaps).
#pragma once

#include <string>

namespace platform {

class Resources {
  public:
    virtual ~Resources() = default;
    // LoadStringW from the module: false (and an empty text) when the
    // string table has no such number.
    virtual bool LoadText(unsigned id, std::wstring* text) = 0;
    // The "FileVersion" text of the module's version resource, in the
    // language and code page of its first translation: GetModuleFileNameA,
    // then GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA
    // on the file name without its folder. False (and an empty text) when
    // any step fails.
    virtual bool LoadFileVersion(std::string* text) = 0;
};

}  // namespace platform
