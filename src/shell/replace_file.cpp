#include "shell/replace_file.hpp"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace binora {

namespace {

std::string error_text(int error) {
    return std::generic_category().message(error);
}

// The folder that holds `path`.
std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file the bytes belong in: the path with its symbolic links followed, or the path itself
// when it does not exist yet.
std::string resolve_links(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr),
                                                           &std::free);
    return real ? std::string(real.get()) : path;
}

bool may_be_written(const std::string& path, const struct stat& status) {
    const bool has_write_bit = (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return has_write_bit && ::access(path.c_str(), W_OK) == 0;
}

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Flushes the file to disk; a file system that cannot (EINVAL) is not an error.
bool sync_file(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Makes the rename itself durable; the file is already complete, so a failure here is ignored.
void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::optional<std::string> replace_file_contents(const std::string& path,
                                                 std::string_view contents) {
    const std::string target = resolve_links(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return error_text(errno);
    if (exists && S_ISDIR(old.st_mode)) return error_text(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return std::string("Not a regular file");
    if (exists && !may_be_written(target, old)) return error_text(EACCES);

    const std::string folder = folder_of(target);
    std::string temporary = folder + "/.binora-save-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return error_text(errno);

    const mode_t mode = exists ? (old.st_mode & 0777) : new_file_mode();
    int error = 0;
    if (::fchmod(fd, mode) != 0 || !write_all(fd, contents) || !sync_file(fd)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error_text(error);
    }
    sync_folder(folder);
    return std::nullopt;
}

} // namespace binora
