// The update check: asks the product's web site for the latest version.
#pragma once

// True when the web site names a version later than the add-in's own. Throws
// ServerUnavailable when the site cannot be reached, or answers something
// that is not a version (an error page, a captive portal, nothing at all) or
// cannot be read: none of these says that the add-in is up to date.
bool IsNewerVersionAvailable();
