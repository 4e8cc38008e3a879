// The vendor's addresses: its web server (web pages, help page, online offer) and the support
// mail box. One place, so that the about window and the main window's web commands agree.
#pragma once

namespace vendor {

inline const char* const kWebSite = "https://www.vindargast.example";
inline const char* const kHelpPage = "/index.php?option=com_content&view=category&id=4&Itemid=3";
inline const char* const kPartnerSite = "https://www.instytut-oze.example";
inline const char* const kSupportMail = "pomoc@vindargast.example";

}  // namespace vendor
