#include "shell/file_writes.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace binora::file_writes {

namespace {
constexpr std::size_t COPY_CHUNK = 64 * 1024;
} // namespace

std::string error_text(int error) {
    return std::generic_category().message(error);
}

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool write_all_at(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool copy_bytes(int from, int to, off_t size) {
    std::array<char, COPY_CHUNK> buffer;
    off_t done = 0;
    while (done < size) {
        const auto wanted = static_cast<std::size_t>(
            std::min<off_t>(static_cast<off_t>(buffer.size()), size - done));
        const ssize_t got = ::pread(from, buffer.data(), wanted, done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) { // the file is shorter than it was a moment ago
            errno = EIO;
            return false;
        }
        if (!write_all_at(to, std::string_view(buffer.data(), static_cast<std::size_t>(got)), done))
            return false;
        done += got;
    }
    return true;
}

bool sync_file(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace binora::file_writes
