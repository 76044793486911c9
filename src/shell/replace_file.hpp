#pragma once

// Writing a file so that it is either fully replaced or left as it was, keeping what the
// user had: its links, other names, owner and permissions.

#include <optional>
#include <string>
#include <string_view>

namespace binora {

// Makes the file at `path` hold exactly `contents`, creating it if needed.
// A symbolic link is followed, also one whose target does not exist yet: the link stays and
// the file it names is written (created if missing, in a folder that must exist).
// The bytes normally go to a temporary file in the same folder, which is renamed over the
// target only once it is complete and on disk, so the target is never left truncated or
// half-written. The new file gets the old one's permission bits, owner and group; a new
// file gets 0666 less the umask. Where renaming would lose something — the file has other
// hard links, its owner or group cannot be given to a new file, or the folder takes no new
// file — the existing file is rewritten in place instead, its old bytes kept in a backup
// until the new ones are on disk (write_in_place.hpp).
// An existing file without write permission (or whose permissions allow no writing at all,
// which even the superuser respects here) is refused.
// Returns nothing on success; on failure the reason (the system's error text), with the
// target as it was and no temporary file left behind.
std::optional<std::string> replace_file_contents(const std::string& path,
                                                 std::string_view contents);

} // namespace binora
