#include "dialog/control_index.hpp"

namespace binora {

void ControlIndex::build(const std::vector<ControlTemplate>& items) {
    int bits = 3;
    while ((std::size_t{1} << bits) < 2 * items.size())
        ++bits;
    slots_.assign(std::size_t{1} << bits, Slot{});
    mask_ = static_cast<std::uint32_t>(slots_.size() - 1);
    shift_ = 32 - bits;
    for (std::size_t position = 0; position < items.size(); ++position) {
        const int id = items[position].id;
        std::uint32_t at = slot_of(id);
        while (slots_[at].position != EMPTY && slots_[at].id != id)
            at = (at + 1) & mask_;
        Slot& slot = slots_[at];
        slot.position = slot.position == EMPTY ? static_cast<int>(position) : SHARED;
        slot.id = id;
    }
}

void ControlIndex::clear() {
    slots_.clear();
    mask_ = 0;
    shift_ = 32;
}

} // namespace binora
