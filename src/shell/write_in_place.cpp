#include "shell/write_in_place.hpp"

#include "shell/file_writes.hpp"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace binora {

namespace {

using namespace file_writes;

// Backup names keep this much of the file's name, so that the name stays within limits.
constexpr std::size_t LONGEST_NAME_KEPT = 200;

// A copy of a file's old bytes on disk, named after the file so that a user finds it.
class Backup {
  public:
    Backup() = default;
    Backup(const Backup&) = delete;
    Backup& operator=(const Backup&) = delete;
    ~Backup() {
        if (fd_ >= 0) ::close(fd_);
    }

    // Creates the backup of the `size` bytes of `source` (the file at `path`) and makes it
    // durable: in the file's folder when it takes a new file, else in the temporary directory.
    bool make(int source, const std::string& path, off_t size) {
        const std::string name = name_of(path).substr(0, LONGEST_NAME_KEPT);
        if (!create(folder_of(path) + "/" + name + ".binora-old-XXXXXX")) {
            std::error_code ignored;
            const std::string temporary = std::filesystem::temp_directory_path(ignored).string();
            if (temporary.empty() || !create(temporary + "/binora-old-" + name + "-XXXXXX"))
                return false;
        }
        if (!copy_bytes(source, fd_, size) || !sync_file(fd_)) {
            discard();
            return false;
        }
        sync_folder(folder_of(path_));
        return true;
    }

    // Copies the backup's `size` bytes back over `target` and syncs it.
    bool put_back(int target, off_t size) const {
        return copy_bytes(fd_, target, size) && ::ftruncate(target, size) == 0 && sync_file(target);
    }

    // Removes the backup file; errno is kept for the caller's report.
    void discard() {
        const int saved = errno;
        ::close(fd_);
        fd_ = -1;
        ::unlink(path_.c_str());
        errno = saved;
    }

    const std::string& path() const { return path_; }

  private:
    bool create(std::string pattern) {
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) return false;
        fd_ = fd;
        path_ = std::move(pattern);
        return true;
    }

    int fd_ = -1;
    std::string path_;
};

bool write_contents(int fd, std::string_view contents) {
    return write_all_at(fd, contents, 0) &&
           ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && sync_file(fd);
}

} // namespace

std::optional<std::string> write_in_place(const std::string& path, std::string_view contents) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return error_text(errno);
    struct stat old {};
    Backup backup;
    if (::fstat(fd, &old) != 0 || !backup.make(fd, path, old.st_size)) {
        const int error = errno;
        ::close(fd);
        return error_text(error);
    }
    if (write_contents(fd, contents)) {
        if (::close(fd) != 0)
            return error_text(errno) + "; the old content is kept in " + backup.path();
        backup.discard();
        return std::nullopt;
    }
    const int error = errno;
    const bool restored = backup.put_back(fd, old.st_size);
    ::close(fd);
    if (!restored) return error_text(error) + "; the old content is kept in " + backup.path();
    backup.discard();
    return error_text(error);
}

} // namespace binora
