#include "byte_dump.hpp"
#include "dialog/file_chooser.hpp"
#include "main_dialog_test.hpp"
#include "resources/resource.hpp"
#include "shell/binora_globals.hpp"
#include "state/comun.hpp"
#include "testing/user_input.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace binora {
namespace {

namespace fs = std::filesystem;

// The summary file in English, line by line as it must appear (the ellipsis is byte 0x85);
// every line ends with CR LF.
const char* const english_file[] = {
    "Data representable in a floating-point format (Floating-Point Data) are:",
    "- Finite Numbers:",
    "1) Normal numbers (normalized)",
    "2) Subnormal numbers (denormalized)",
    "3) Signed Zero",
    " ",
    "- Other Data:",
    "4) Signed Infinity",
    "5) Non-Numbers (Not-a-Number)",
    " ",
    "Data 1, 2, and 3, are represented by a triple:  (S, E, sig)",
    "S = sign bit;",
    "E = (representation) exponent;",
    "sig = significand",
    "",
    "Value =(-1)^S * 2^E * sig",
    " ",
    "Exponent encoding:",
    "- Data 2 and 3: Exponent field = 00 ... 0",
    "- Data 4 and 5: Exponent field = 11 ... 1",
    " ",
    "- Normal's exponent:      E = Stored exponent - bias",
    "- Subnormal's exponent:   E = Emin",
    "- Signed Zero's exponent: E = Emin",
    " ",
    "Significand encoding:",
    "- Normal's significand:       sig = 1.b1b2 \x85 bP-1",
    "- Subnormal's significand:    sig = 0.b1b2 \x85 bP-1",
    "- Signed Zero's significand:  sig = 0.0",
    " ",
    "- Signed Infinity:  Significand Field = 00 ... 0",
    "- Not-a-Number: Significand Field is not 00 ... 0",
    " ",
};

const char* const romanian_file[] = {
    "Datele reprezentabile intr-un format in virgula flotanta (Date FP), sunt:",
    "- Numere Finite:",
    "1) Numere normale (normalizate)",
    "2) Numere subnormale (denormalizate)",
    "3) Zero cu semn",
    " ",
    "- Alte Date:",
    "4) Infinit cu semn",
    "5) Non-Numere (Not-a-Number)",
    " ",
    "Datele 1, 2, si 3, se reprezinta printr-o tripleta:  (S, E, sig)",
    "S = bitul de semn;",
    "E = exponentul (reprezentarii) ;",
    "sig = semnificand",
    "",
    "Valoare = (-1)^S * 2^E * sig",
    " ",
    "Codificare exponent \"E\":",
    "- Datele 2 and 3:  Camp exponent = 00 ... 0",
    "- Datele 4 and 5:  Camp exponent = 11 ... 1",
    " ",
    "- Numere normale:      E = Exponent_stocat - deplasare",
    "- Numere subnormale:   E = Emin",
    "- Zero cu semn:        E = Emin",
    " ",
    "Codificare semnificand \"sig\":",
    "- Numere normale:      sig = 1.b1b2 \x85 bP-1",
    "- Numere subnormale:   sig = 0.b1b2 \x85 bP-1",
    "- Zero cu semn:        sig = 0.0",
    " ",
    "- Infinit cu semn:  Camp semnificand  = 00 ... 0",
    "- Not-a-Number:     Camp semnificand diferit de: 00 ... 0",
    " ",
};

template <std::size_t N> std::string crlf_file(const char* const (&lines)[N]) {
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

const std::string old_contents =
    "an older, longer file that must not be touched\n" + std::string(4000, 'x') + "\nend\n";

class SaveToFile : public testing::MainDialogTest {
  protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "binora-save-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        previous_chooser = set_save_file_handler(
            [this](const SaveFileRequest& request) { return run_file_dialog(request); });
    }

    void TearDown() override {
        set_save_file_handler(previous_chooser);
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder, ignored);
        MainDialogTest::TearDown();
    }

    // The file dialog as its user meets it: the user accepts each name of `declined` in turn
    // and answers No to the dialog's question about it, which keeps the dialog open; then
    // accepts `answer`, saying Yes to a question about it, or cancels when it holds nothing.
    // A name the dialog asks nothing about closes it at once.
    std::optional<std::string> run_file_dialog(const SaveFileRequest& request) {
        requests.push_back(request);
        for (const std::string& name : declined) {
            const auto question = question_before_choosing(request, name);
            if (!question) return name;
            questions.push_back(*question);
        }
        if (answer)
            if (const auto question = question_before_choosing(request, *answer))
                questions.push_back(*question);
        return answer;
    }

    // The user clicks "Save to File" in the summary; the file dialog answers `answer`.
    void click_save() { ASSERT_TRUE(user_click(BINORAGLOBALS.SUMMARY_DIALOG, IDC_SAVE_TO_FILE)); }

    void choose_language(int id) { ASSERT_TRUE(user_click(dialog(), id)); }

    std::string path_of(const std::string& name) const { return (folder / name).string(); }

    void write_file(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // The names in the test folder.
    std::set<std::string> folder_entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    void expect_error_box_naming(const std::string& path, const std::string& reason) {
        ASSERT_EQ(message_boxes.boxes().size(), 1U);
        const auto& box = message_boxes.boxes()[0];
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, MessageIcon::Error);
        EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(reason), std::string::npos) << box.text;
    }

    fs::path folder;
    std::vector<std::string> declined;
    std::optional<std::string> answer;
    std::vector<SaveFileRequest> requests;
    std::vector<FileDialogQuestion> questions;
    SaveFileHandler previous_chooser;
};

TEST_F(SaveToFile, WritesTheSummaryOfTheCurrentLanguageByteForByte) {
    struct Row {
        int language;
        const char* name;
        std::string expected;
    };
    const Row rows[] = {
        {IDC_LANG_EN, "summary-en.txt", crlf_file(english_file)},
        {IDC_LANG_RO, "summary-ro.txt", crlf_file(romanian_file)},
    };
    for (const auto& row : rows) {
        message_boxes.clear();
        choose_language(row.language);
        answer = path_of(row.name);
        click_save();
        EXPECT_TRUE(testing::same_bytes(row.expected, testing::read_bytes(*answer))) << row.name;
        ASSERT_EQ(message_boxes.boxes().size(), 1U);
        const auto& box = message_boxes.boxes()[0];
        EXPECT_EQ(box.caption, "Saved to File");
        EXPECT_EQ(box.text, *answer);
        EXPECT_EQ(box.icon, MessageIcon::Information);
    }
    EXPECT_EQ(folder_entries(), (std::set<std::string>{"summary-en.txt", "summary-ro.txt"}));
}

TEST_F(SaveToFile, ConfirmsANonAsciiPathInTheTextsCodePage) {
    answer = path_of("r\xC3\xA9sum\xC3\xA9.txt"); // UTF-8, as the file system names it
    click_save();
    EXPECT_TRUE(fs::exists(*answer));
    ASSERT_EQ(message_boxes.boxes().size(), 1U);
    const std::string& shown = message_boxes.boxes()[0].text;
    EXPECT_EQ(shown.substr(shown.size() - 10), "r\xE9sum\xE9.txt");
    ASSERT_EQ(questions.size(), 1U);
    EXPECT_EQ(questions[0].text.substr(0, 11), "r\xE9sum\xE9.txt\n");
}

TEST_F(SaveToFile, ANewFileIsCreatedOnlyAfterYesAndNoReturnsToTheFileDialog) {
    struct Row {
        std::vector<const char*> declined; // answered No, the dialog stays open
        const char* accepted;              // answered Yes; nullptr: the user then cancels
    };
    const Row rows[] = {
        {{}, "new.txt"},
        {{"first.txt"}, nullptr},
        {{"first.txt", "second.txt"}, "third.txt"},
    };
    for (const Row& row : rows) {
        message_boxes.clear();
        questions.clear();
        declined.clear();
        for (const char* name : row.declined)
            declined.push_back(path_of(name));
        answer = row.accepted != nullptr ? std::optional(path_of(row.accepted)) : std::nullopt;
        click_save();

        std::vector<std::string> asked;
        for (const auto& question : questions) {
            EXPECT_EQ(question.caption, "Saved Topic");
            asked.push_back(question.text);
        }
        std::vector<std::string> expected_questions;
        for (const char* name : row.declined)
            expected_questions.push_back(std::string(name) +
                                         "\nThis file does not exist.\nDo you want to create it?");
        if (row.accepted != nullptr)
            expected_questions.push_back(std::string(row.accepted) +
                                         "\nThis file does not exist.\nDo you want to create it?");
        EXPECT_EQ(asked, expected_questions);

        const auto written =
            row.accepted != nullptr ? std::set<std::string>{row.accepted} : std::set<std::string>{};
        EXPECT_EQ(folder_entries(), written);
        if (row.accepted == nullptr) {
            EXPECT_TRUE(message_boxes.boxes().empty());
        } else {
            ASSERT_EQ(message_boxes.boxes().size(), 1U);
            EXPECT_EQ(message_boxes.boxes()[0].caption, "Saved to File");
            EXPECT_EQ(message_boxes.boxes()[0].text, *answer);
            fs::remove(*answer);
        }
    }
}

TEST_F(SaveToFile, AsksForTheFileWithTitleFiltersExtensionAndCurrentDirectory) {
    click_save();
    ASSERT_EQ(requests.size(), 1U);
    const auto& request = requests[0];
    EXPECT_EQ(request.title, "Saved Topic");
    ASSERT_EQ(request.filters.size(), 3U);
    const std::pair<const char*, const char*> filters[] = {{"Text Files (*.txt)", "*.txt"},
                                                           {"Data Files (*.dat)", "*.dat"},
                                                           {"All files (*.*)", "*.*"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(request.filters[i].description, filters[i].first);
        EXPECT_EQ(request.filters[i].pattern, filters[i].second);
    }
    EXPECT_EQ(request.filter_index, 1);
    EXPECT_EQ(request.default_extension, "txt");
    EXPECT_EQ(request.initial_directory, fs::current_path().string());
    EXPECT_TRUE(request.create_prompt);
}

TEST_F(SaveToFile, ExistingLongerFileIsFullyReplaced) {
    answer = path_of("old.txt");
    write_file(*answer, old_contents);
    choose_language(IDC_LANG_EN);
    click_save();
    EXPECT_TRUE(questions.empty()) << "a file that exists is not offered to be created";
    EXPECT_TRUE(testing::same_bytes(crlf_file(english_file), testing::read_bytes(*answer)));
    EXPECT_EQ(folder_entries(), std::set<std::string>{"old.txt"});
}

TEST_F(SaveToFile, CancelledOrDeclinedChoiceWritesAndShowsNothing) {
    // Cancelling the dialog and declining to replace an existing file both come back empty.
    write_file(path_of("keep.txt"), old_contents);
    answer = std::nullopt;
    click_save();
    EXPECT_EQ(requests.size(), 1U);
    EXPECT_TRUE(message_boxes.boxes().empty());
    EXPECT_TRUE(testing::same_bytes(old_contents, testing::read_bytes(path_of("keep.txt"))));
    EXPECT_EQ(folder_entries(), std::set<std::string>{"keep.txt"});
}

TEST_F(SaveToFile, ReadOnlyFileIsReportedAndLeftUntouched) {
    answer = path_of("locked.txt");
    write_file(*answer, old_contents);
    fs::permissions(*answer, fs::perms::owner_read | fs::perms::group_read);
    click_save();
    expect_error_box_naming(*answer, "Permission denied");
    EXPECT_TRUE(testing::same_bytes(old_contents, testing::read_bytes(*answer)));
    EXPECT_EQ(fs::status(*answer).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(folder_entries(), std::set<std::string>{"locked.txt"});
}

TEST_F(SaveToFile, FailureHalfwayThroughAnInPlaceWriteBringsTheOldContentBack) {
    // A second name makes the save write the file in place; a file-size limit stops the write
    // part of the way, as a full disk would.
    answer = path_of("linked.txt");
    write_file(*answer, "old");
    fs::create_hard_link(*answer, folder / "second-name.txt");
    struct rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 100; // the summary is about 900 bytes
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    click_save();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previous_handler);
    expect_error_box_naming(*answer, "File too large"); // and no confirmation
    EXPECT_TRUE(testing::same_bytes("old", testing::read_bytes(*answer)));
    EXPECT_TRUE(testing::same_bytes("old", testing::read_bytes(path_of("second-name.txt"))));
    EXPECT_EQ(folder_entries(), (std::set<std::string>{"linked.txt", "second-name.txt"}));
}

TEST_F(SaveToFile, VanishedFolderIsReported) {
    const fs::path gone = folder / "gone";
    fs::create_directory(gone);
    answer = (gone / "summary.txt").string();
    fs::remove(gone); // between choosing and saving
    click_save();
    expect_error_box_naming(*answer, "No such file or directory");
    EXPECT_TRUE(folder_entries().empty());
}

TEST_F(SaveToFile, ReadOnlyFolderIsReportedWithNothingLeftBehind) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser may write into a read-only folder";
    answer = path_of("summary.txt");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    click_save();
    fs::permissions(folder, fs::perms::owner_all);
    expect_error_box_naming(*answer, "Permission denied");
    EXPECT_TRUE(folder_entries().empty());
}

} // namespace
} // namespace binora
