#include "bitedit/enable_bit_edits.hpp"
#include "dialog/dialog_operations.hpp"
#include "model/comun.hpp"
#include "program_on_screen.hpp"
#include "resources/resource.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace binora::testing {
namespace {

long resident_kb() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

class BoxMemory : public ProgramOnScreen {};

int answered = 0;
void answer_soon() {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) { answer_soon(); return; }
        ++answered;
        box->button(QMessageBox::Ok)->click();
    });
}


TEST_F(BoxMemory, Measure) {
    COMUN.KIND_REAL = 4;
    ENABLEBITEDITS(main_dialog(), 0, EVENT_CLICKED);
    auto* line = control<QLineEdit>(main_dialog(), IDC_F32);
    auto* value = control<QLineEdit>(main_dialog(), IDC_VALUE_X);
    int mode = 0;
    auto once = [&](bool bits) {
        if (mode == 2) {
            if (line->text().size() >= 22) DIALOG_SET_TEXT(main_dialog(), IDC_F32, "");
            line->setFocus();
            answer_soon();
            QTest::keyClick(line, Qt::Key_X);
        } else if (bits) {
            DIALOG_SET_TEXT(main_dialog(), IDC_F32, "");
            line->setFocus();
            answer_soon();
            QTest::keyClick(line, Qt::Key_X);
        } else {
            DIALOG_SET_TEXT(main_dialog(), IDC_VALUE_X, "");
            value->setFocus();
            answer_soon();
            QTest::keyClicks(value, "abc");
        }
    };
    for (int m : {0, 1, 2, 0, 1, 2}) {
        mode = m;
        const bool bits = mode != 1;
        for (int i = 0; i < 200; ++i) once(bits);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const long before = resident_kb();
        for (int i = 0; i < 1000; ++i) once(bits);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const long after = resident_kb();
        std::printf("%d %d %s: %ld kB -> %ld kB, %.1f bytes per box\n", mode, answered, bits ? "bits" : "value", before,
                    after, static_cast<double>(after - before) * 1024.0 / 1000);
    }
}

} // namespace
} // namespace binora::testing
