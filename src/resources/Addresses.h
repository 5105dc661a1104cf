// Addresses the add-in shows or opens. The string table quotes the web site
// and Skype's site in its texts; a test keeps the two in step.
#pragma once

namespace addresses {

constexpr char kWebSite[] = "https://www.tandrel.example";
constexpr char kSupportEmail[] = "support@tandrel.example";
constexpr char kUpdateEndpoint[] = "https://www.tandrel.example/update/check";
constexpr char kBuySkypeOut[] = "https://www.tandrel.example/buy-skypeout";
constexpr char kSkypeWebSite[] = "https://www.skype.com";

}  // namespace addresses
