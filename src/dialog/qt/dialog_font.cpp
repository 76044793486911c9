#include "dialog/qt/dialog_font.hpp"

#include <QFontInfo>
#include <QString>

namespace binora {

namespace {

bool is_one_of(const std::string& name, std::initializer_list<const char*> names) {
    const QString wanted = QString::fromStdString(name).trimmed();
    for (const char* candidate : names)
        if (wanted.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0) return true;
    return false;
}

QFont mapped_family(const std::string& name, const QFont& desktop) {
    if (name.empty() || is_one_of(name, {"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg",
                                         "MS Shell Dlg 2", "Tahoma", "Segoe UI"}))
        return desktop;
    QFont font;
    if (is_one_of(name, {"Times New Roman", "Times", "MS Serif"})) {
        font.setFamily(QStringLiteral("Serif"));
        font.setStyleHint(QFont::Serif);
        return font;
    }
    font.setFamily(QString::fromStdString(name));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont dialog_font(const DialogTemplate& dialog, const QFont& desktop) {
    QFont font = mapped_family(dialog.font_name, desktop);
    const double desktop_points = QFontInfo(desktop).pointSizeF(); // also for pixel-sized fonts
    font.setPointSizeF(dialog.font_points * desktop_points / TEMPLATE_STANDARD_POINTS);
    return font;
}

} // namespace binora
