#include "dialog/qt/standard_icon_cache.hpp"

#include <QApplication>

namespace binora {

StandardIconCache::StandardIconCache(QStyle* base) : QProxyStyle(base) {}

QIcon StandardIconCache::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (option != nullptr) return QProxyStyle::standardIcon(icon, option, widget);
    const auto key = std::make_pair(icon, QGuiApplication::layoutDirection());
    auto found = made_.find(key);
    if (found == made_.end())
        found = made_.emplace(key, QProxyStyle::standardIcon(icon, option, widget)).first;
    return found->second;
}

void cache_standard_icons() {
    if (dynamic_cast<StandardIconCache*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new StandardIconCache(QApplication::style()));
}

} // namespace binora
