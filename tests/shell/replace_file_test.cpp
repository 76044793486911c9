#include "byte_dump.hpp"
#include "shell/replace_file.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
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

    static std::set<std::string> entries_of(const fs::path& in) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(in))
            names.insert(entry.path().filename().string());
        return names;
    }
    std::set<std::string> folder_entries() const { return entries_of(folder); }

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

TEST_F(ReplaceFile, DanglingLinkStaysALinkAndTheFileItNamesIsCreated) {
    struct Row {
        const char* link;
        std::string points_to; // as the link's text reads
        std::string created;   // the file that must appear
    };
    fs::create_directory(folder / "sub");
    const Row rows[] = {
        {"relative.txt", "later.txt", path_of("later.txt")},
        {"absolute.txt", path_of("sub/absolute-target.txt"), path_of("sub/absolute-target.txt")},
        {"sub/up.txt", "../up-target.txt", path_of("up-target.txt")},
        {"chain.txt", "relative.txt", path_of("later.txt")}, // through a link that now resolves
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        fs::create_symlink(row.points_to, folder / row.link);
        ASSERT_FALSE(replace_file_contents(path_of(row.link), row.link));
        EXPECT_TRUE(fs::is_symlink(folder / row.link));
        EXPECT_EQ(fs::read_symlink(folder / row.link).string(), row.points_to);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(row.created)));
        EXPECT_TRUE(testing::same_bytes(row.link, testing::read_bytes(row.created)));
    }
}

TEST_F(ReplaceFile, LinksThatLeadNowhereAreRefused) {
    fs::create_symlink("loop-b", folder / "loop-a");
    fs::create_symlink("loop-a", folder / "loop-b");
    fs::create_symlink("missing-folder/file.txt", folder / "into-nothing");
    const std::pair<const char*, const char*> rows[] = {
        {"loop-a", "Too many levels of symbolic links"},
        {"into-nothing", "No such file or directory"},
    };
    for (const auto& [name, reason] : rows) {
        const auto failure = replace_file_contents(path_of(name), "new");
        ASSERT_TRUE(failure) << name;
        EXPECT_EQ(*failure, reason);
    }
    EXPECT_EQ(folder_entries(), (std::set<std::string>{"into-nothing", "loop-a", "loop-b"}));
}

TEST_F(ReplaceFile, HardLinkedFileIsWrittenInPlaceForAllItsNames) {
    const std::string path = path_of("one.txt");
    write_file(path, "older and longer contents");
    fs::create_hard_link(path, folder / "two.txt");
    ASSERT_FALSE(replace_file_contents(path, "new"));
    EXPECT_EQ(fs::hard_link_count(path), 2U);
    EXPECT_TRUE(fs::equivalent(path, folder / "two.txt"));
    EXPECT_TRUE(testing::same_bytes("new", testing::read_bytes(path_of("two.txt"))));
    EXPECT_EQ(folder_entries(), (std::set<std::string>{"one.txt", "two.txt"}));
}

// Runs `save` in a child process as an unprivileged user, for what the superuser's rights
// would hide (the superuser may write into any folder and give a file any owner). Whether the
// save succeeded (its failure is printed); nothing when no such user can be switched to.
std::optional<bool> as_unprivileged_user(const std::function<std::optional<std::string>()>& save) {
    constexpr uid_t nobody = 65534;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(2);
        const auto failure = save();
        if (failure) std::fprintf(stderr, "%s\n", failure->c_str());
        ::_exit(failure ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

TEST_F(ReplaceFile, FileOfAnotherOwnerKeepsOwnerAndGroup) {
    // The superuser may give a new file the old owner and rename it over the old one; another
    // user who may write the file cannot, and rewrites it in place.
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a file another owner";
    constexpr uid_t other_user = 4321;
    constexpr gid_t other_group = 4322;
    fs::permissions(folder, fs::perms::all);
    for (const bool superuser : {true, false}) {
        SCOPED_TRACE(superuser ? "saved by the superuser" : "saved by a user who may write it");
        const std::string path = path_of("theirs.txt");
        write_file(path, "theirs, older and longer");
        ASSERT_EQ(::chown(path.c_str(), other_user, other_group), 0);
        const mode_t mode = superuser ? 0640 : 0666;
        ::chmod(path.c_str(), mode);
        const auto save = [&] { return replace_file_contents(path, "new"); };
        if (superuser) {
            ASSERT_FALSE(save());
        } else {
            const auto saved = as_unprivileged_user(save);
            if (!saved) GTEST_SKIP() << "no unprivileged user to switch to";
            ASSERT_TRUE(*saved);
        }
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, other_user);
        EXPECT_EQ(status.st_gid, other_group);
        EXPECT_EQ(status.st_mode & 07777, mode);
        EXPECT_TRUE(testing::same_bytes("new", testing::read_bytes(path)));
        EXPECT_EQ(folder_entries(), std::set<std::string>{"theirs.txt"});
        fs::remove(path);
    }
}

TEST_F(ReplaceFile, WritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
    // The old bytes are kept in the temporary directory meanwhile, the folder taking no copy.
    const fs::path locked = folder / "locked";
    const fs::path temporary = folder / "tmp";
    fs::create_directory(locked);
    fs::create_directory(temporary);
    fs::permissions(folder, fs::perms::all);
    fs::permissions(temporary, fs::perms::all | fs::perms::sticky_bit);
    const std::string path = (locked / "summary.txt").string();
    write_file(path, "older and longer contents");
    ::chmod(path.c_str(), 0666);
    ::setenv("TMPDIR", temporary.c_str(), 1);
    const auto save = [&] { return replace_file_contents(path, "new"); };
    std::optional<bool> saved;
    if (::geteuid() == 0) {
        saved = as_unprivileged_user(save); // `locked` is the superuser's, 0755
    } else {
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        saved = !save();
        fs::permissions(locked, fs::perms::owner_all);
    }
    ::unsetenv("TMPDIR");
    if (!saved) GTEST_SKIP() << "no unprivileged user to switch to";
    EXPECT_TRUE(*saved);
    EXPECT_TRUE(testing::same_bytes("new", testing::read_bytes(path)));
    EXPECT_EQ(mode_of(path), 0666U);
    EXPECT_EQ(entries_of(locked), std::set<std::string>{"summary.txt"});
    EXPECT_TRUE(entries_of(temporary).empty()) << "the old bytes' copy was not removed";
}

TEST_F(ReplaceFile, WriteFailingHalfwayKeepsTheOldFile) {
    // A file-size limit makes the write stop part of the way, as a full disk would; with a
    // second name the file is written in place and its old bytes must come back.
    for (const bool second_name : {false, true}) {
        SCOPED_TRACE(second_name ? "written in place" : "written by renaming");
        const std::string path = path_of("target.txt");
        write_file(path, "old contents");
        if (second_name) fs::create_hard_link(path, folder / "other-name.txt");
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
        EXPECT_EQ(folder_entries().size(), second_name ? 2U : 1U);
        fs::remove(folder / "other-name.txt");
    }
}

} // namespace
} // namespace binora
