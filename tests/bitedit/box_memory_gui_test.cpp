// Memory across many message boxes, offscreen: a wrong character typed into a bit edit opens
// "Invalid input for bit !" each time; every box is painted, as a screen shows it, before its
// OK button is clicked. Nothing may stay behind per box. The boxes' buttons carry icons, as
// on an X11 desktop (Qt's offscreen platform shows buttons without).

#include "box_texts.hpp"
#include "program_on_screen.hpp"
#include "resources/resource.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTest>

#include <fstream>
#include <unistd.h>

namespace binora::testing {
namespace {

// The process's resident memory in KiB.
long resident_kib() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE) / 1024;
}

// The application's style, with icons on the standard buttons of dialogs.
class ButtonsWithIcons final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

class BoxMemory : public ProgramOnScreen {
  protected:
    void SetUp() override {
        ProgramOnScreen::SetUp();
        own_style = QApplication::style();
        QApplication::setStyle(new ButtonsWithIcons(own_style)); // which takes `own_style` in
    }
    void TearDown() override {
        QApplication::setStyle(own_style); // deletes the proxy, and leaves `own_style` alone
        ProgramOnScreen::TearDown();
    }

    // Replaces the last bit of the binary32 significand by "x": one box, which the watchdog
    // paints and closes with OK; the "x" is then corrected to "1".
    void type_wrong_bit(QLineEdit& edit) {
        watchdog().expect_modal([this](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            if (box == nullptr || box->text() != INVALID_BOX) {
                ADD_FAILURE() << "expected the invalid-input box";
                modal.hide();
                return;
            }
            box->grab(); // paints the box and its button as on a screen
            ++boxes;
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_X);
    }

    QStyle* own_style = nullptr;
    int boxes = 0;
};

TEST_F(BoxMemory, AThousandInvalidBitBoxesLeaveResidentMemoryFlat) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine: resident memory grows "
                    "whatever the program keeps";
#endif
    constexpr int WARM_UP = 100;
    constexpr int MEASURED = 1000;
    // Far below what one box kept would add (about 1 KiB of icon images each).
    constexpr long MOST_GROWTH_KIB = 256;

    auto* edit = control<QLineEdit>(main_dialog(), IDC_F32);
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->end(false);
    for (int i = 0; i < WARM_UP; ++i)
        type_wrong_bit(*edit);
    settle_events();
    const long before = resident_kib();
    for (int i = 0; i < MEASURED; ++i)
        type_wrong_bit(*edit);
    settle_events();
    const long growth = resident_kib() - before;

    EXPECT_EQ(boxes, WARM_UP + MEASURED);
    EXPECT_EQ(edit->text().toStdString(), std::string(22, '0') + "1");
    EXPECT_LE(growth, MOST_GROWTH_KIB) << growth << " KiB over " << MEASURED << " boxes";
    RecordProperty("growth_kib", static_cast<int>(growth));
}

} // namespace
} // namespace binora::testing
