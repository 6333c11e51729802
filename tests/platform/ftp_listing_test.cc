#include "platform/ftp_listing.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using Entries = std::vector<FtpFolderEntry>;

TEST(FtpListingTest, MachineListingsKeepFilesAndFolders) {
  EXPECT_EQ(parseMachineListing("type=cdir;perm=el; .\r\n"
                                "type=pdir;perm=el; ..\r\n"
                                "type=file;size=120;modify=20261210093000; shop.html\r\n"
                                "Type=DIR;size=4096;Modify=20261210093000; Images\r\n"
                                "type=file;size=7; name with; semicolon and spaces\r\n"
                                "type=OS.unix=slink:/x;size=3; link\r\n"
                                "type=file;size=big; odd.txt\n"
                                "no facts here\n"
                                "type=file;size=1;\n"),
            (Entries{{"shop.html", false, 120},
                     {"Images", true, std::nullopt},
                     {"name with; semicolon and spaces", false, 7},
                     {"odd.txt", false, std::nullopt}}));
}

TEST(FtpListingTest, UnixListingsReadTheLongForm) {
  EXPECT_EQ(parseUnixListing("total 12\r\n"
                             "drwxr-xr-x   2 web  web      4096 Dec 10 09:30 .\r\n"
                             "drwxr-xr-x   2 web  web      4096 Dec 10 09:30 Images\r\n"
                             "-rw-r--r--   1 web  web       120 Dec 10 09:30 shop.html\r\n"
                             "-rw-r--r--   1 web  web         7 Jan  1  2025 two  spaces\n"
                             "lrwxrwxrwx   1 web  web         9 Dec 10 09:30 new -> old.html\n"
                             "-rw-r--r--   1 web  web       abc Dec 10 09:30 unreadable\n"
                             "-rw-r--r-- 1 web web 5 Dec 10\n"),
            (Entries{{"Images", true, std::nullopt},
                     {"shop.html", false, 120},
                     {"two  spaces", false, 7},
                     {"new", false, std::nullopt}}));
}

}  // namespace
}  // namespace quorvex
