#include "dialog/control_index.hpp"

#include <algorithm>

namespace binora {

void ControlIndex::build(const std::vector<ControlTemplate>& items) {
    const auto is_direct = [](int id) { return id >= 0 && id < DIRECT_LIMIT; };
    int direct_size = 0;
    std::size_t hashed = 0;
    for (const ControlTemplate& item : items) {
        if (is_direct(item.id))
            direct_size = std::max(direct_size, item.id + 1);
        else
            ++hashed;
    }
    direct_.assign(static_cast<std::size_t>(direct_size), EMPTY);
    int bits = 3;
    while ((std::size_t{1} << bits) < 2 * hashed)
        ++bits;
    slots_.assign(std::size_t{1} << bits, Slot{});
    mask_ = static_cast<std::uint32_t>(slots_.size() - 1);
    shift_ = 32 - bits;
    for (std::size_t position = 0; position < items.size(); ++position) {
        const int id = items[position].id;
        if (is_direct(id)) {
            int& entry = direct_[static_cast<std::size_t>(id)];
            entry = with_item(entry, position);
            continue;
        }
        std::uint32_t at = slot_of(id);
        while (slots_[at].position != EMPTY && slots_[at].id != id)
            at = (at + 1) & mask_;
        Slot& slot = slots_[at];
        slot.position = with_item(slot.position, position);
        slot.id = id;
    }
}

void ControlIndex::clear() {
    direct_.clear();
    slots_.clear();
    mask_ = 0;
    shift_ = 32;
}

} // namespace binora
