#pragma once

// Finds a dialog record's control by id in constant time: ids from 0 to 4095 (those of the
// templates' controls) in a table indexed by id, any other id in an open-addressing hash
// table, both built once with the record. An id that several items carry leads to no
// control, exactly like an id no item carries.

#include "dialog/dialog_template.hpp"

#include <cstdint>
#include <vector>

namespace binora {

class ControlIndex {
  public:
    static constexpr int NONE = -1;

    // Indexes `items`: item i of the template is control i of the record.
    void build(const std::vector<ControlTemplate>& items);
    void clear();

    // The position of the only control with `id`; NONE when no control or several have it.
    int find(int id) const {
        if (static_cast<unsigned>(id) < direct_.size()) {
            const int position = direct_[static_cast<unsigned>(id)];
            return position < 0 ? NONE : position;
        }
        if (slots_.empty()) return NONE;
        for (std::uint32_t at = slot_of(id);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.position == EMPTY) return NONE;
            if (slot.id == id) return slot.position < 0 ? NONE : slot.position;
        }
    }

  private:
    static constexpr int EMPTY = -2;
    static constexpr int SHARED = -3; // the id of more than one item
    static constexpr int DIRECT_LIMIT = 4096;

    struct Slot {
        int id = 0;
        int position = EMPTY;
    };

    // Fibonacci hashing: the top bits of id times 2^32 / golden ratio.
    std::uint32_t slot_of(int id) const {
        return (static_cast<std::uint32_t>(id) * 2654435769U) >> shift_;
    }

    static int with_item(int entry, std::size_t position) {
        return entry == EMPTY ? static_cast<int>(position) : SHARED;
    }

    std::vector<int> direct_; // by id, up to the largest id below DIRECT_LIMIT
    std::vector<Slot> slots_; // the other ids: a power of two of them, at most half in use
    std::uint32_t mask_ = 0;
    int shift_ = 32;
};

} // namespace binora
