#ifndef QUORVEX_PLATFORM_FTP_LISTING_H_
#define QUORVEX_PLATFORM_FTP_LISTING_H_

#include <string_view>
#include <vector>

#include "platform/ftp_client.h"

namespace quorvex {

// Readers of the folder listings servers send. Both take the listing's text
// as it came (lines ended by CR LF or LF), skip lines they cannot read, and
// leave out "." and "..".

// Reads a machine listing (the MLSD command): "fact=value;...; name" per line,
// with the facts type= (file, dir, cdir, pdir) and size=. A line without a
// type of file or dir is left out.
std::vector<FtpFolderEntry> parseMachineListing(std::string_view text);

// Reads a listing in the long form of Unix `ls -l` ("-rw-r--r-- 1 owner
// group 1234 Jan 01 12:00 name"), as most FTP servers answer LIST and as
// libcurl gives an SFTP folder. A link is listed under its own name.
std::vector<FtpFolderEntry> parseUnixListing(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_FTP_LISTING_H_
