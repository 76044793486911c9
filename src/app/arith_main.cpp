// binora-arith's entry point: the Qt application, the Qt side of the dialog layer, the
// program's resources, then the arithmetic window in the desktop locale's language and the
// message loop.

#include "arithwindow/arith_start_up.hpp"
#include "arithwindow/desktop_language.hpp"
#include "dialog/dialog_constants.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "resources/templates.hpp"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    const binora::Language language = binora::desktop_language(
        std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    QApplication application(argc, argv);
    QApplication::setApplicationName("Binora Arithmetic");
    QApplication::setDesktopFileName("binora-arith");
    binora::install_qt_dialog_layer();
    binora::install_program_resources();
    return binora::run_binora_arith(language, binora::SW_SHOWNORMAL);
}
