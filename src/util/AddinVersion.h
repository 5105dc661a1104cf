// CVersion: a four-part version, major.minor.build.revision, as the add-in's
// version resource gives it and as the update endpoint answers it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class CVersion {
  public:
    // 0.0.0.0: the version of a module whose version cannot be read.
    CVersion() = default;
    CVersion(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::uint32_t revision);

    // The first four "."-separated parts of `text`, each its leading decimal
    // digits; a part without digits, or missing, is 0.
    static CVersion FromText(const std::string& text);
    // Whether `text` starts with a dotted number (digits, ".", a digit), as
    // a version does and an error page or an empty reply does not.
    static bool BeginsWithDottedNumber(const std::string& text);

    // The four numbers joined by ".", e.g. "2.1.0.5".
    std::string Text() const;

    // Part by part, so that no part spills into its neighbour.
    bool operator<(const CVersion& other) const { return parts_ < other.parts_; }
    bool operator==(const CVersion& other) const { return parts_ == other.parts_; }

  private:
    std::array<std::uint32_t, 4> parts_{};
};

// The add-in's own version from its module's version resource; 0.0.0.0 when
// the resource cannot be read.
CVersion ReadAddinVersion();
