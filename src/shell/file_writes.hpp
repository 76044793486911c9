#pragma once

// Small POSIX file operations shared by the ways a file is saved: error texts, whole writes
// at an offset, copies between open files and syncing to disk. Each reports failure by
// returning false with errno set.

#include <string>
#include <string_view>
#include <sys/types.h>

namespace binora::file_writes {

// The system's text for an errno value ("Permission denied").
std::string error_text(int error);

// The folder that holds `path` ("." for a bare name, "/" for a name in the root).
std::string folder_of(const std::string& path);

// The last component of `path`.
std::string name_of(const std::string& path);

// Writes all of `bytes` to `fd` from `offset` on, resuming after short writes and signals.
bool write_all_at(int fd, std::string_view bytes, off_t offset);

// Copies the first `size` bytes of `from` into `to`, both from offset 0.
bool copy_bytes(int from, int to, off_t size);

// Flushes the file to disk; a file system that cannot (EINVAL) is not an error.
bool sync_file(int fd);

// Makes the entries of `folder` durable (a new or renamed name); failures are ignored, the
// files themselves being complete already.
void sync_folder(const std::string& folder);

} // namespace binora::file_writes
