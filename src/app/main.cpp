// Binora's entry point: the Qt application, the Qt side of the dialog layer, the program's
// resources, then start-up and the message loop.

#include "dialog/dialog_constants.hpp"
#include "dialog/qt/qt_window_system.hpp"
#include "resources/templates.hpp"
#include "startup/start_up.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Binora");
    QApplication::setDesktopFileName("binora");
    binora::install_qt_dialog_layer();
    binora::install_program_resources();
    return binora::run_binora(binora::SW_SHOWNORMAL);
}
