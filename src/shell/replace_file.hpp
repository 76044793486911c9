#pragma once

// Writing a file so that it is either fully replaced or left as it was.

#include <optional>
#include <string>
#include <string_view>

namespace binora {

// Makes the file at `path` hold exactly `contents`, creating it if needed. The bytes go to a
// temporary file in the same folder, which is renamed over the target only once it is
// complete and on disk, so the target is never left truncated or half-written. An existing
// file keeps its permission bits; a new one gets 0666 less the umask. A symbolic link is
// followed: the link stays and the file it points to is replaced.
// An existing file without write permission (or whose permissions allow no writing at all,
// which even the superuser respects here) is refused.
// Returns nothing on success; on failure the reason (the system's error text), with the
// target untouched and no temporary file left behind.
std::optional<std::string> replace_file_contents(const std::string& path,
                                                 std::string_view contents);

} // namespace binora
