// Addresses the add-in shows or opens. The string table and the About box
// quote the web site and Skype's site in their texts; a test keeps them in
// step.
#pragma once

namespace addresses {

constexpr char kWebSite[] = "https://www.tandrel.example";
constexpr char kSupportEmail[] = "support@tandrel.example";
// Asked with "?version=" and the add-in's version; answers the latest
// version as dotted text. Plain HTTP: the check needs no more.
constexpr char kUpdateEndpoint[] = "http://www.tandrel.example/update/check";
constexpr char kBuySkypeOut[] = "https://www.tandrel.example/buy-skypeout";
constexpr char kSkypeWebSite[] = "https://www.skype.com";

}  // namespace addresses
