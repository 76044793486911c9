#pragma once

// Rewriting an existing file in place, for files that must keep their inode (other hard
// links, an owner the saver cannot give a new file, a folder that takes no new file).

#include <optional>
#include <string>
#include <string_view>

namespace binora {

// Makes the existing regular file `path` hold exactly `contents` without replacing it: the
// inode, its other names, owner, group and permissions stay. The old bytes are first copied
// to a backup file and made durable, in the file's own folder if it takes one, else in the
// temporary directory; then the new bytes are written over the old ones and synced, and the
// backup is removed. If writing fails, the old bytes are copied back and the backup removed.
// A crash part of the way may leave the backup, never a file with neither content.
// Returns nothing on success; on failure the reason, with the file as it was (if putting the
// old bytes back failed too, the reason says which file keeps them).
std::optional<std::string> write_in_place(const std::string& path, std::string_view contents);

} // namespace binora
