#include "shell/replace_file.hpp"

#include "shell/file_writes.hpp"
#include "shell/write_in_place.hpp"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace binora {

namespace {

using namespace file_writes;

// As the kernel allows in one path (MAXSYMLINKS).
constexpr int MOST_LINKS_FOLLOWED = 40;

// What `path` names once every symbolic link is followed, also a last link whose target
// does not exist yet (that target is then the file to create). A relative link counts from
// the folder that holds it. Sets `error` and returns nothing when a link cannot be read or
// the links run in a loop.
std::optional<std::string> follow_links(std::string path, int& error) {
    for (int followed = 0; followed <= MOST_LINKS_FOLLOWED; ++followed) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::vector<char> text(static_cast<std::size_t>(status.st_size) + 2);
        const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
        if (length < 0 || static_cast<std::size_t>(length) >= text.size()) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return std::nullopt;
        }
        std::string target(text.data(), static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : folder_of(path) + "/" + target;
    }
    error = ELOOP;
    return std::nullopt;
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

// Gives the new file the old one's owner and group where the saver may (the owner's own
// file, a group the saver belongs to, or the superuser).
bool take_owner(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

enum class Renamed { done, failed, not_possible };

// The temporary file renamed over `target`; `old` is the target's status when it exists.
// not_possible: the folder takes no new file, or the old owner cannot be kept.
Renamed write_by_rename(const std::string& target, std::string_view contents,
                        const struct stat* old, int& error) {
    const std::string folder = folder_of(target);
    std::string temporary = folder + "/.binora-save-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        const bool refused = error == EACCES || error == EPERM;
        return old != nullptr && refused ? Renamed::not_possible : Renamed::failed;
    }
    if (old != nullptr && !take_owner(fd, *old)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Renamed::not_possible;
    }
    const mode_t mode = old != nullptr ? (old->st_mode & 0777) : new_file_mode();
    error = 0;
    if (::fchmod(fd, mode) != 0 || !write_all_at(fd, contents, 0) || !sync_file(fd)) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Renamed::failed;
    }
    sync_folder(folder);
    return Renamed::done;
}

} // namespace

std::optional<std::string> replace_file_contents(const std::string& path,
                                                 std::string_view contents) {
    int error = 0;
    const std::optional<std::string> target = follow_links(path, error);
    if (!target) return error_text(error);
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return error_text(errno);
    if (exists && S_ISDIR(old.st_mode)) return error_text(EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return std::string("Not a regular file");
    if (exists && !may_be_written(*target, old)) return error_text(EACCES);

    if (exists && old.st_nlink > 1) return write_in_place(*target, contents);
    switch (write_by_rename(*target, contents, exists ? &old : nullptr, error)) {
    case Renamed::done:
        return std::nullopt;
    case Renamed::not_possible:
        return write_in_place(*target, contents);
    case Renamed::failed:
        break;
    }
    return error_text(error);
}

} // namespace binora
