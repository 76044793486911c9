#include "byte_dump.hpp"
#include "shell/replace_file.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace binora {
namespace {

namespace fs = std::filesystem;

class ReplaceFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "binora-replace-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string path_of(const std::string& name) const { return (folder / name).string(); }

    void write_file(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::set<std::string> folder_entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    static mode_t mode_of(const std::string& path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return status.st_mode & 07777;
    }

    fs::path folder;
};

TEST_F(ReplaceFile, NewFileGetsTheDefaultModeLessTheUmask) {
    const mode_t previous = ::umask(027);
    const auto failure = replace_file_contents(path_of("new.txt"), "abc\r\n");
    ::umask(previous);
    ASSERT_FALSE(failure) << *failure;
    EXPECT_EQ(mode_of(path_of("new.txt")), 0640U);
    EXPECT_TRUE(testing::same_bytes("abc\r\n", testing::read_bytes(path_of("new.txt"))));
}

TEST_F(ReplaceFile, ExistingFileKeepsItsPermissionBits) {
    for (mode_t mode : {0600U, 0640U, 0664U, 0606U}) {
        const std::string path = path_of("kept.txt");
        write_file(path, "older and longer contents");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_FALSE(replace_file_contents(path, "new"));
        EXPECT_EQ(mode_of(path), mode);
        EXPECT_TRUE(testing::same_bytes("new", testing::read_bytes(path)));
    }
    EXPECT_EQ(folder_entries(), std::set<std::string>{"kept.txt"});
}

TEST_F(ReplaceFile, SymbolicLinkStaysAndItsTargetIsReplaced) {
    write_file(path_of("real.txt"), "old");
    fs::create_symlink("real.txt", folder / "link.txt");
    ASSERT_FALSE(replace_file_contents(path_of("link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.txt"));
    EXPECT_TRUE(testing::same_bytes("new", testing::read_bytes(path_of("real.txt"))));
}

TEST_F(ReplaceFile, RefusalsLeaveTheTargetAsItWasAndNothingBehind) {
    struct Row {
        const char* name;
        const char* reason;
    };
    write_file(path_of("read-only.txt"), "old");
    ::chmod(path_of("read-only.txt").c_str(), 0444);
    fs::create_directory(folder / "a-folder");
    const Row rows[] = {
        {"read-only.txt", "Permission denied"},
        {"a-folder", "Is a directory"},
        {"missing-folder/file.txt", "No such file or directory"},
    };
    for (const auto& row : rows) {
        const auto failure = replace_file_contents(path_of(row.name), "new");
        ASSERT_TRUE(failure) << row.name;
        EXPECT_EQ(*failure, row.reason);
    }
    EXPECT_TRUE(testing::same_bytes("old", testing::read_bytes(path_of("read-only.txt"))));
    EXPECT_EQ(mode_of(path_of("read-only.txt")), 0444U);
    EXPECT_EQ(folder_entries(), (std::set<std::string>{"a-folder", "read-only.txt"}));
}

TEST_F(ReplaceFile, WriteFailingHalfwayKeepsTheOldFile) {
    // A file-size limit makes the write stop part of the way, as a full disk would.
    const std::string path = path_of("target.txt");
    write_file(path, "old contents");
    struct rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto failure = replace_file_contents(path, std::string(1000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previous_handler);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "File too large");
    EXPECT_TRUE(testing::same_bytes("old contents", testing::read_bytes(path)));
    EXPECT_EQ(folder_entries(), std::set<std::string>{"target.txt"});
}

} // namespace
} // namespace binora
