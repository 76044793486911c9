// The Qt message box and save-file dialog behind message_box and choose_save_file.

#include "gui_test.hpp"

#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include <optional>

namespace binora::testing {

namespace {

using PlatformDialogsTest = GuiTest;

TEST_F(PlatformDialogsTest, MessageBoxShowsCaptionIconAndLinesWithAnOkButtonOnly) {
    watchdog().expect_modal([](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parent(), nullptr);
        EXPECT_EQ(box->windowTitle(), "Saved to File");
        EXPECT_EQ(box->text(), QString::fromUtf8("C:\\caf\xC3\xA9\nsaved"));
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->button(QMessageBox::Ok)->click();
    });
    message_box("C:\\caf\xE9\r\nsaved", "Saved to File", MessageIcon::Information);
}

class SaveFileTest : public GuiTest {
  protected:
    SaveFileRequest request() const {
        SaveFileRequest request{"Saved Topic",
                                {{"Text Files (*.txt)", "*.txt"}, {"All Files", "*.*"}},
                                1,
                                "txt",
                                QFile::encodeName(directory_.path()).toStdString()};
        request.create_prompt = true;
        return request;
    }
    std::string in_directory(const char* name) const {
        return QFile::encodeName(QDir(directory_.path()).absoluteFilePath(name)).toStdString();
    }
    // The next modal window is the dialog's question about `name`: it is checked to be the
    // create prompt or the replace prompt, over the file dialog, and answered.
    void expect_question(const char* prompt, const QString& name,
                         QMessageBox::StandardButton answer) {
        watchdog().expect_modal([=](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr);
            EXPECT_NE(qobject_cast<QFileDialog*>(box->parentWidget()), nullptr);
            EXPECT_EQ(box->windowTitle(), "Saved Topic");
            EXPECT_EQ(box->text(), QString(prompt).arg(name));
            EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            box->button(answer)->click();
        });
    }
    QTemporaryDir directory_;
};

constexpr const char* CREATE_PROMPT = "%1\nThis file does not exist.\nDo you want to create it?";
constexpr const char* REPLACE_PROMPT = "%1 already exists.\nDo you want to replace it?";

TEST_F(SaveFileTest, ANewNameGetsTheDefaultExtensionAndIsChosenOnlyAfterYes) {
    watchdog().expect_modal([](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Saved Topic");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Text Files (*.txt)", "All Files (*.*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        accept_file_name(*dialog, QStringLiteral("draft"));
        EXPECT_TRUE(dialog->isVisible()) << "No keeps the dialog open";
        accept_file_name(*dialog, QStringLiteral("summary"));
    });
    expect_question(CREATE_PROMPT, "draft.txt", QMessageBox::No);
    expect_question(CREATE_PROMPT, "summary.txt", QMessageBox::Yes);
    EXPECT_EQ(choose_save_file(request()), in_directory("summary.txt"));
}

TEST_F(SaveFileTest, AnExistingFileIsChosenAfterTheReplaceQuestionOnly) {
    QFile existing(QDir(directory_.path()).absoluteFilePath("old.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        watchdog().expect_modal([answer](QWidget& modal) {
            auto* dialog = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            accept_file_name(*dialog, QStringLiteral("old.txt"));
            if (answer == QMessageBox::No) static_cast<QDialog*>(dialog)->reject();
        });
        expect_question(REPLACE_PROMPT, "old.txt", answer);
        EXPECT_EQ(choose_save_file(request()), answer == QMessageBox::Yes
                                                   ? std::optional(in_directory("old.txt"))
                                                   : std::nullopt);
    }
}

} // namespace

} // namespace binora::testing
