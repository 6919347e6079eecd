// The maker's web pages that the program opens in the default browser, in one place. A button
// or link whose address is empty is disabled.
#pragma once

namespace mw {

struct WebPages {
    const char* download;  // the newest version, from the About window
    const char* shop;      // the web shop, from the About window
    const char* home;      // the maker's page, from the banner link
};

inline constexpr WebPages kWebPages = {
    "https://www.telvar.example/download/",
    "https://www.telvar.example/shop/",
    "https://www.telvar.example/",
};

}  // namespace mw
