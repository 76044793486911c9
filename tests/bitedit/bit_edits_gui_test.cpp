// Typing and pasting bits into the real widgets of the main dialog as start-up wires it,
// offscreen: the boxes in order, with their icons, and what the edit shows while each box
// is open.

#include "bitedit/enable_bit_edits.hpp"
#include "box_texts.hpp"
#include "dialog/dialog_operations.hpp"
#include "program_on_screen.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <chrono>
#include <string>
#include <vector>

namespace binora::testing {
namespace {

struct SeenBox {
    std::string text;
    QMessageBox::Icon icon;
    std::string caption;
    std::string edit; // the edit's text while the box is open
};

bool operator==(const SeenBox& a, const SeenBox& b) {
    return a.text == b.text && a.icon == b.icon && a.caption == b.caption && a.edit == b.edit;
}

void PrintTo(const SeenBox& s, std::ostream* os) {
    *os << "{"
        << (s.text == INVALID_BOX  ? "invalid"
            : s.text == EXCESS_BOX ? "excess"
                                   : s.text)
        << ", icon " << s.icon << ", \"" << s.caption << "\", \"" << s.edit << "\"}";
}

SeenBox invalid(const std::string& edit) {
    return {INVALID_BOX, QMessageBox::Warning, "Error", edit};
}
SeenBox excess(const std::string& edit) {
    return {EXCESS_BOX, QMessageBox::Critical, "Error", edit};
}

class BitEditsOnScreen : public ProgramOnScreen {
  protected:
    QLineEdit* edit(int id) { return control<QLineEdit>(main_dialog(), id); }

    // Kind radio as the program sets it, and `text` in `id` with the caret at its end.
    QLineEdit* prepare(int kind, int id, const std::string& text) {
        COMUN.KIND_REAL = kind;
        ENABLEBITEDITS(main_dialog(), 0, EVENT_CLICKED);
        DIALOG_SET_TEXT(main_dialog(), id, text);
        QLineEdit* line = edit(id);
        EXPECT_NE(line, nullptr);
        if (line == nullptr) return nullptr;
        line->setFocus();
        line->end(false);
        settle_events();
        return line;
    }

    // The next `count` modal windows must be message boxes; each is recorded with what the
    // edit `id` shows meanwhile, then closed with OK.
    void expect_boxes(int count, int id) {
        for (int i = 0; i < count; ++i)
            watchdog().expect_modal([this, id](QWidget& modal) {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                if (box == nullptr) {
                    ADD_FAILURE() << "expected a message box";
                    modal.hide();
                    return;
                }
                seen.push_back({box->text().toStdString(), box->icon(),
                                box->windowTitle().toStdString(), edit(id)->text().toStdString()});
                box->button(QMessageBox::Ok)->click();
            });
    }

    std::vector<SeenBox> seen;
};

TEST_F(BitEditsOnScreen, KeystrokesAreCorrectedWithTheirBoxes) {
    struct Row {
        int kind;
        int id;
        std::string before; // the caret stands at its end
        const char* keys;
        std::vector<SeenBox> boxes;
        std::string after;
    };
    const std::string e32 = "01111111", e64 = "10000000001";
    const Row rows[] = {
        {4, IDC_E32, "", "2", {invalid("1")}, "1"},
        {4, IDC_E32, "", "1a0", {}, "10"}, // letters are refused at the keyboard
        {4, IDC_E32, e32, "1", {excess(e32 + "1")}, e32},
        {4, IDC_E32, e32, "9", {invalid(e32), excess(e32)}, e32},
        {4, IDC_S32, "0", "x", {excess("0")}, "0"},
        {4, IDC_S32, "", "-", {invalid("1")}, "1"},
        {4, IDC_F32, "", "0 1", {}, "0 1"},
        {4, IDC_F32, "", "0a1b", {invalid("01"), invalid("0111")}, "0111"},
        {8, IDC_E64, e64, "7", {excess(e64 + "7")}, e64},
        {16,
         IDC_F128_48,
         std::string(48, '0'),
         "1",
         {excess(std::string(48, '0') + "1")},
         std::string(48, '0')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keys);
        QLineEdit* line = prepare(row.kind, row.id, row.before);
        ASSERT_NE(line, nullptr);
        seen.clear();
        expect_boxes(static_cast<int>(row.boxes.size()), row.id);
        QTest::keyClicks(line, row.keys);
        settle_events();
        EXPECT_EQ(seen, row.boxes);
        EXPECT_EQ(line->text().toStdString(), row.after);
        EXPECT_EQ(watchdog().pending(), 0);
    }
}

TEST_F(BitEditsOnScreen, ClipboardPastesAreCorrectedAsOneChange) {
    std::string huge;
    while (huge.size() < 5000)
        huge += "10x1 7";
    huge.resize(5000);
    std::string corrected = huge.substr(0, 64);
    for (char& c : corrected)
        if (c != '0' && c != '1' && c != ' ') c = '1';
    struct Row {
        int kind;
        int id;
        std::string pasted;
        std::vector<SeenBox> boxes;
        std::string after;
    };
    const Row rows[] = {
        {4, IDC_F32, "0a1b", {invalid("0111")}, "0111"},
        {4, IDC_E32, "x", {invalid("1")}, "1"}, // a paste is not filtered like keys
        {16, IDC_F128_64, huge, {invalid(corrected), excess(corrected)}, corrected},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        QLineEdit* line = prepare(row.kind, row.id, "");
        ASSERT_NE(line, nullptr);
        seen.clear();
        expect_boxes(static_cast<int>(row.boxes.size()), row.id);
        QApplication::clipboard()->setText(QString::fromStdString(row.pasted));
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        settle_events();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(seen, row.boxes);
        EXPECT_EQ(line->text().toStdString(), row.after);
    }
}

} // namespace
} // namespace binora::testing
