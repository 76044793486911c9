// The Qt message box and save-file dialog behind message_box and choose_save_file.

#include "gui_test.hpp"

#include "dialog/file_chooser.hpp"
#include "dialog/message_box.hpp"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

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
        return {"Saved Topic",
                {{"Text Files (*.txt)", "*.txt"}, {"All Files", "*.*"}},
                1,
                "txt",
                QFile::encodeName(directory_.path()).toStdString()};
    }
    std::string in_directory(const char* name) const {
        return QFile::encodeName(QDir(directory_.path()).absoluteFilePath(name)).toStdString();
    }
    QTemporaryDir directory_;
};

TEST_F(SaveFileTest, ANameTypedWithoutExtensionGetsTheDefaultOneInTheStartDirectory) {
    watchdog().expect_modal([](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Saved Topic");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{"Text Files (*.txt)", "All Files (*.*)"}));
        EXPECT_EQ(dialog->selectedNameFilter(), "Text Files (*.txt)");
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(QStringLiteral("summary"));
        static_cast<QDialog*>(dialog)->accept(); // what the Save button does
    });
    EXPECT_EQ(choose_save_file(request()), in_directory("summary.txt"));
}

} // namespace

} // namespace binora::testing
