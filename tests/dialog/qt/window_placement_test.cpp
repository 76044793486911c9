// Where a modeless window opens beside its owner and a message box over the window in use,
// on the screens of common desktops. Rectangles are window frames in pixels.

#include "dialog/qt/window_placement.hpp"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}
QT_END_NAMESPACE

namespace binora {
namespace {

const QRect FULL_HD(0, 0, 1920, 1080);
const QRect SXGA(0, 0, 1280, 1024);
const QRect SXGA_BELOW_A_PANEL(0, 32, 1280, 992);

// A main window of 750 x 620 at its start-up place, and a summary of 560 x 720.
const QRect MAIN_AT_START(70, 70, 750, 620);
const QSize SUMMARY(560, 720);

// A window of `size` placed for `owner` on the screen's work area `work`.
struct Row {
    const char* what;
    QRect work;
    QRect owner;
    QSize size;
    QPoint expected;
};

TEST(WindowPlacement, BesideTheOwnerRightThenLeftElseCoveringTheLeast) {
    const Row rows[] = {
        {"room on the right", FULL_HD, MAIN_AT_START, SUMMARY, {820, 70}},
        {"room on the left only", FULL_HD, QRect(1100, 100, 750, 620), SUMMARY, {540, 100}},
        {"kept inside below the owner's top",
         FULL_HD,
         QRect(70, 500, 750, 620),
         SUMMARY,
         {820, 360}},
        // 100 px of the owner's right edge, and only its lower 386 rows, are covered.
        {"no room beside: a corner", SXGA, MAIN_AT_START, SUMMARY, {720, 304}},
        {"room below a wide owner", SXGA, QRect(0, 0, 1280, 300), SUMMARY, {0, 300}},
        {"larger than the screen", FULL_HD, MAIN_AT_START, QSize(2000, 1200), {0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(beside(row.owner, row.size, row.work), row.expected) << row.what;
}

TEST(WindowPlacement, CentredOnTheOwnerAndKeptOnTheScreen) {
    const QSize box(301, 121);
    const Row rows[] = {
        {"centred", FULL_HD, QRect(100, 100, 801, 601), box, {350, 340}},
        {"owner partly off the bottom right",
         FULL_HD,
         QRect(1700, 900, 401, 301),
         box,
         {1619, 959}},
        {"owner partly off the top left",
         SXGA_BELOW_A_PANEL,
         QRect(-300, -100, 401, 301),
         box,
         {0, 32}},
        {"larger than the screen", SXGA, QRect(100, 100, 801, 601), QSize(1500, 1100), {0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(centred_on(row.owner, row.size, row.work), row.expected) << row.what;
}

} // namespace
} // namespace binora
