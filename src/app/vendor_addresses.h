#ifndef QUORVEX_APP_VENDOR_ADDRESSES_H_
#define QUORVEX_APP_VENDOR_ADDRESSES_H_

namespace quorvex {

// The vendor's web site, opened by Quorvex Online when no local
// documentation is installed.
inline constexpr const char* kVendorWebSite = "https://www.quorvex.example/";
// Where the current help file and program version can be downloaded.
inline constexpr const char* kHelpDownloadPage = "https://www.quorvex.example/download/";
// Where a browser component that can show the help can be downloaded.
inline constexpr const char* kBrowserDownloadPage = "https://www.quorvex.example/browser/";

}  // namespace quorvex

#endif  // QUORVEX_APP_VENDOR_ADDRESSES_H_
