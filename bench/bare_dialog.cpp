// The floor of the start-up benchmark: a bare Qt dialog with the controls of Binora's main
// window (15 edits, 7 radio buttons in 3 groups, 8 push buttons of which one hidden, 1 check
// box, a list of 6 rows, 3 group boxes and 25 labels), placed by hand on a window of about the
// same size, in the application font, with no dialog layer, no records and no caption fitting.

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    dialog.setFixedSize(750, 560);
    for (int i = 0; i < 3; ++i)
        (new QGroupBox(QStringLiteral("Group %1").arg(i), &dialog))
            ->setGeometry(10 + 250 * i, 30, 240, 160);
    for (int i = 0; i < 15; ++i)
        (new QLineEdit(QString(23, QLatin1Char('0')), &dialog))
            ->setGeometry(20 + 360 * (i % 2), 210 + 30 * (i / 2), 340, 22);
    QButtonGroup* groups[] = {new QButtonGroup(&dialog), new QButtonGroup(&dialog),
                              new QButtonGroup(&dialog)};
    for (int i = 0; i < 7; ++i) {
        auto* radio = new QRadioButton(QStringLiteral("Radio %1").arg(i), &dialog);
        radio->setGeometry(520, 40 + 20 * i, 200, 18);
        groups[i < 3 ? 0 : i < 5 ? 1 : 2]->addButton(radio);
    }
    for (int i = 0; i < 8; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &dialog);
        button->setGeometry(10 + 90 * i, 520, 80, 26);
        button->setVisible(i != 1);
    }
    (new QCheckBox(QStringLiteral("Binary"), &dialog))->setGeometry(20, 50, 100, 18);
    auto* list = new QListWidget(&dialog);
    list->addItems({QStringLiteral("Exponent"), QStringLiteral("Significand"),
                    QStringLiteral("ULP"), QStringLiteral("X+"), QStringLiteral("X-"),
                    QStringLiteral("Epsilon")});
    list->setGeometry(280, 50, 180, 40);
    for (int i = 0; i < 25; ++i)
        (new QLabel(QStringLiteral("Label %1").arg(i), &dialog))
            ->setGeometry(20 + 70 * (i % 10), 440 + 22 * (i / 10), 65, 18);
    dialog.show();
    return application.exec();
}
