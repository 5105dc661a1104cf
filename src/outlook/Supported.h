// CSupported: which of the add-in's version-dependent features the running
// Outlook allows, decided from its Version text.
#pragma once

#include <cstdint>
#include <string>

namespace outlook {
class Application;
}

class CSupported {
  public:
    enum Feature {
        // Reading the e-mail addresses of contacts and mail correspondents.
        kEmailAddresses = 0,
        // Custom pictures and masks on the add-in's buttons.
        kButtonPictures = 1,
        // The ribbon: Outlook 2010 and later ask for the add-in's own and
        // no longer show its command bars but on the "Add-ins" tab.
        kRibbon = 2,
    };

    struct Version {
        std::int32_t major = 0;
        std::int32_t minor = 0;
        std::int32_t build = 0;
        std::int32_t revision = 0;
    };

    // True when `feature` may be used with `application`; every feature may
    // be used when there is no application. Unknown features are allowed.
    static bool IsSupportedFeature(const outlook::Application& application, int feature);

    // The first four point-separated parts of `text`, each its leading
    // decimal digits (0 when it has none, clamped to the 32-bit range).
    // Parts the text does not have count as 0.
    static Version ParseVersion(const std::string& text);

  private:
    static Version GetVersion(const outlook::Application& application);
};
