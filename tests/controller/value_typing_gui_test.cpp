// Typing a value into the real main window, offscreen, key by key.

#include "bit_patterns.hpp"
#include "program_on_screen.hpp"

#include "resources/resource.hpp"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <string>

namespace binora::testing {
namespace {

class ValueTypingGui : public ProgramOnScreen {
  protected:
    static QLineEdit* edit(int id) { return control<QLineEdit>(main_dialog(), id); }
    static std::string shown(int id) { return edit(id)->text().toStdString(); }

    // The bit edits of the kind as the window shows them, joined.
    static std::string shown_bits(int kind) {
        if (kind == 4) return shown(IDC_S32) + shown(IDC_E32) + shown(IDC_F32);
        return shown(IDC_S128) + shown(IDC_E128) + shown(IDC_F128_48) + shown(IDC_F128_64);
    }
    static void type(const char* keys) {
        QTest::keyClicks(edit(IDC_VALUE_X), keys);
        settle_events();
    }
};

TEST_F(ValueTypingGui, NothingShowsBeforeTheThirdCharacterThenTheBitsOfOnePointFive) {
    struct Row {
        int kind;
        int radio;
        int sign_edit;
        const char* hex;
        const char* class_text;
        const char* canonical;
    };
    const Row rows[] = {
        {4, IDC_KIND32, IDC_S32, "3FC00000", "Numar normalizat: Real(4)", "+1.5000000E+00"},
        {16, IDC_KIND128, IDC_S128, "3FFF8000000000000000000000000000",
         "Numar normalizat: Real(16)", "+1.500000000000000000000000000000000D+000"},
    };
    for (const auto& row : rows) {
        QTest::mouseClick(control<QRadioButton>(main_dialog(), row.radio), Qt::LeftButton);
        settle_events();
        const std::string zeros = shown_bits(row.kind);
        ASSERT_EQ(zeros, std::string(zeros.size(), '0'));
        QTest::mouseClick(edit(IDC_VALUE_X), Qt::LeftButton);
        edit(IDC_VALUE_X)->selectAll();
        QTest::keyClick(edit(IDC_VALUE_X), Qt::Key_Delete);
        type("1");
        EXPECT_EQ(shown_bits(row.kind), zeros);
        type(".");
        EXPECT_EQ(shown_bits(row.kind), zeros);
        type("5");
        EXPECT_EQ(shown_bits(row.kind), bits_of_hex(row.hex));
        EXPECT_EQ(shown(IDC_DATATYPE), "");
        EXPECT_FALSE(control<QListWidget>(main_dialog(), IDC_PARAM_LIST)->isEnabled());

        QTest::mouseClick(edit(row.sign_edit), Qt::LeftButton);
        settle_events();
        EXPECT_EQ(shown(IDC_DATATYPE), row.class_text);
        EXPECT_EQ(shown(IDC_VALUE_X), row.canonical);
        EXPECT_TRUE(control<QListWidget>(main_dialog(), IDC_PARAM_LIST)->isEnabled());
    }
}

TEST_F(ValueTypingGui, AnUnreadableValueShowsInvalidValueAndTypingGoesOn) {
    QTest::mouseClick(edit(IDC_VALUE_X), Qt::LeftButton);
    edit(IDC_VALUE_X)->selectAll();
    type("2.5");
    const std::string bits = shown_bits(4);
    watchdog().expect_message_box();
    type("x");
    ASSERT_EQ(watchdog().message_boxes().size(), 1U);
    EXPECT_EQ(watchdog().message_boxes()[0].text, "Invalid Value");
    EXPECT_EQ(watchdog().message_boxes()[0].caption, "Error");
    EXPECT_EQ(watchdog().message_boxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(shown_bits(4), bits);
    QTest::keyClick(edit(IDC_VALUE_X), Qt::Key_Backspace);
    QTest::keyClick(edit(IDC_VALUE_X), Qt::Key_Backspace);
    type("75");
    EXPECT_EQ(shown_bits(4), bits_of_hex("40300000")) << "2.75 read after the box";
}

} // namespace
} // namespace binora::testing
