// The maker's web pages that the program opens in the default browser, in one place. Each is
// set when the program is built (empty by default); a button or link whose address is empty is
// disabled.
#pragma once

#ifndef MW_DOWNLOAD_PAGE
#define MW_DOWNLOAD_PAGE ""
#endif
#ifndef MW_SHOP_PAGE
#define MW_SHOP_PAGE ""
#endif
#ifndef MW_HOME_PAGE
#define MW_HOME_PAGE ""
#endif

namespace mw {

struct WebPages {
    const char* download;  // the newest version, from the About window
    const char* shop;      // the web shop, from the About window
    const char* home;      // the maker's page, from the banner link
};

inline constexpr WebPages kWebPages = {MW_DOWNLOAD_PAGE, MW_SHOP_PAGE, MW_HOME_PAGE};

}  // namespace mw
