#pragma once

// The application's style with each standard icon made once. Qt's styles build a new QIcon
// at every standardIcon() call (the dialog buttons' icons are read from their image files
// each time), and Qt's pixmap cache files the pixmaps of every icon painted under a key of
// that icon's own: each message box with icons on its buttons would leave those images
// behind, about 2 KB a box, until the cache is full.

#include <QIcon>
#include <QProxyStyle>

#include <map>
#include <utility>

namespace binora {

class StandardIconCache final : public QProxyStyle {
  public:
    // Wraps `base`, which becomes the style's child, as with any QProxyStyle.
    explicit StandardIconCache(QStyle* base);

    // The base style's icon, made once per icon and layout direction when no option is given
    // (as message boxes, button boxes and file dialogs ask); with an option, as the base
    // style makes it.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

  private:
    mutable std::map<std::pair<StandardPixmap, Qt::LayoutDirection>, QIcon> made_;
};

// Puts a StandardIconCache around the application's style, unless it is there already.
// Call once a QApplication exists; the application owns the style.
void cache_standard_icons();

} // namespace binora
