// Where the program's windows open on a desktop: the summary beside the main window, message
// boxes centred on the window the user works in. CTest runs this program on two offscreen
// screens side by side, "full-hd" (1920 x 1080) and "sxga" (1280 x 1024): see two_screens.json
// (QT_QPA_PLATFORM=offscreen:configfile=two_screens.json).

#include "program_on_screen.hpp"

#include "resources/resource.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << "x" << rect.height() << "+" << rect.x() << "+" << rect.y();
}
QT_END_NAMESPACE

namespace binora::testing {
namespace {

// The value edit and the bit edits of the three kinds.
constexpr int WORKED_IN[] = {IDC_VALUE_X, IDC_S32,  IDC_E32,  IDC_F32,     IDC_S64,    IDC_E64,
                             IDC_F64,     IDC_S128, IDC_E128, IDC_F128_48, IDC_F128_64};

QRect on_screen(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

bool near(const QPoint& a, const QPoint& b) {
    return (a - b).manhattanLength() <= 2;
}

class WhereWindowsOpen : public ProgramOnScreen {
  protected:
    void SetUp() override {
        ProgramOnScreen::SetUp();
        if (screen("full-hd") == nullptr || screen("sxga") == nullptr)
            GTEST_FAIL() << "run on two_screens.json: "
                            "QT_QPA_PLATFORM=offscreen:configfile=tests/desktop/two_screens.json";
    }

    static QScreen* screen(const char* name) {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == QLatin1String(name)) return screen;
        return nullptr;
    }

    // Moves the main window from its start-up place on the primary screen to the same place
    // on `name`.
    void start_on(const char* name) {
        const QPoint from_corner = main_window().frameGeometry().topLeft() -
                                   QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        main_window().move(screen(name)->availableGeometry().topLeft() + from_corner);
        settle_events();
    }

    QWidget* summary_window() {
        QWidget* edit_1 = control_widget(summary_dialog(), IDC_SUMMARY_1);
        return edit_1 != nullptr ? edit_1->window() : nullptr;
    }

    void open_summary() { click(IDC_HELP_REPR); }
};

TEST_F(WhereWindowsOpen, TheSummaryOpensBesideTheMainWindowLeavingTheFieldsInView) {
    struct Row {
        const char* screen;
        bool beside_the_whole_window; // else: beside the value and bit edits
    };
    for (const Row row : {Row{"full-hd", true}, Row{"sxga", false}}) {
        start_on(row.screen);
        open_summary();
        QWidget* summary = summary_window();
        ASSERT_NE(summary, nullptr) << row.screen;
        ASSERT_TRUE(summary->isVisible()) << row.screen;
        const QRect frame = summary->frameGeometry();
        EXPECT_TRUE(screen(row.screen)->availableGeometry().contains(frame))
            << row.screen << ": " << ::testing::PrintToString(frame);
        if (row.beside_the_whole_window) {
            EXPECT_FALSE(frame.intersects(main_window().frameGeometry())) << row.screen;
        }
        for (int id : WORKED_IN)
            EXPECT_FALSE(frame.intersects(on_screen(*control_widget(main_dialog(), id))))
                << row.screen << ": control " << id;
        QTest::keyClick(summary, Qt::Key_Escape);
        settle_events();
        ASSERT_EQ(summary_window(), nullptr) << "closed";
    }
}

TEST_F(WhereWindowsOpen, ShownAgainTheSummaryComesToTheFrontWhereTheUserLeftIt) {
    start_on("full-hd");
    open_summary();
    QWidget* summary = summary_window();
    ASSERT_NE(summary, nullptr);
    summary->move(summary->pos() + QPoint(40, 30)); // the user moves it
    settle_events();
    const QPoint moved = summary->pos();
    QTest::mouseClick(control_widget(main_dialog(), IDC_VALUE_X), Qt::LeftButton);
    main_window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main_window()));

    open_summary();
    EXPECT_EQ(summary_window(), summary);
    EXPECT_EQ(summary->pos(), moved);
    EXPECT_TRUE(QTest::qWaitForWindowActive(summary));
}

TEST_F(WhereWindowsOpen, AMessageBoxOpensCentredOnTheWindowInUse) {
    QPoint box_centre;
    const auto remember_box = [&](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        box_centre = box->frameGeometry().center();
        box->button(QMessageBox::Ok)->click();
    };

    start_on("full-hd");
    watchdog().expect_modal(remember_box); // "Invalid Value", typed in the main window
    auto* value = control<QLineEdit>(main_dialog(), IDC_VALUE_X);
    QTest::mouseClick(value, Qt::LeftButton);
    QTest::keyClicks(value, "2.5x");
    settle_events();
    EXPECT_TRUE(near(box_centre, main_window().frameGeometry().center()))
        << box_centre.x() << ", " << box_centre.y();

    // "Saved to File", once the file dialog the summary opened has closed.
    open_summary();
    QWidget* summary = summary_window();
    ASSERT_NE(summary, nullptr);
    summary->move(summary->pos() + QPoint(60, 80)); // anywhere but centred on the main window
    settle_events();
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).absoluteFilePath("summary.txt");
    watchdog().expect_modal([&](QWidget& modal) {
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        accept_file_name(*dialog, file);
    });
    watchdog().expect_modal([](QWidget& modal) { // whether to create the file
        qobject_cast<QMessageBox*>(&modal)->button(QMessageBox::Yes)->click();
    });
    watchdog().expect_modal(remember_box);
    QTest::mouseClick(control<QAbstractButton>(summary_dialog(), IDC_SAVE_TO_FILE), Qt::LeftButton);
    settle_events();
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_TRUE(near(box_centre, summary->frameGeometry().center()))
        << box_centre.x() << ", " << box_centre.y();
}

} // namespace
} // namespace binora::testing
