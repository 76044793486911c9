// Control lookup by id against a plain count of the template's ids: sets of ids that crowd
// the hash table's slots (long probe runs, negative and large ids, repeats) must all find
// the one control with an id and nothing for an absent or shared one.

#include "dialog/control_index.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace binora::testing {
namespace {

std::vector<ControlTemplate> items_with_ids(const std::vector<int>& ids) {
    std::vector<ControlTemplate> items(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        items[i].id = ids[i];
    return items;
}

int expected_position(const std::vector<int>& ids, int id) {
    if (std::count(ids.begin(), ids.end(), id) != 1) return ControlIndex::NONE;
    return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

TEST(ControlIndex, FindsTheOnlyControlWithAnIdAndNothingElse) {
    std::vector<int> random_ids;
    std::mt19937 random(12);
    std::uniform_int_distribution<int> any_id(-3, 40000);
    for (int i = 0; i < 300; ++i)
        random_ids.push_back(any_id(random));
    // 300 random ids in 1024 slots share slots and make long runs of probes.
    const std::vector<std::vector<int>> id_sets = {
        {},
        {7},
        {-1, -1, -1},
        {1, 2, -1, 1007, 1008, -1, 30001, 1011, 1012, 1013},
        {0, 1 << 29, 2 << 29, 3 << 29, -(1 << 29), 5},
        {1050, 1051, 1052, 1050, 1053, 1052, 1052},
        {0, 4095, 4096, 4095, -5, 1 << 20, 4096}, // by id and hashed, shared in both
        random_ids,
    };
    for (const auto& ids : id_sets) {
        ControlIndex index;
        index.build(items_with_ids(ids));
        std::vector<int> probes = ids;
        for (int id : {0, -2, 3, 1 << 30, 2147483647, -2147483647 - 1})
            probes.push_back(id);
        for (int id : probes)
            EXPECT_EQ(index.find(id), expected_position(ids, id)) << "id " << id;
    }
}

TEST(ControlIndex, ClearedOrNeverBuiltFindsNothing) {
    ControlIndex index;
    EXPECT_EQ(index.find(0), ControlIndex::NONE);
    index.build(items_with_ids({0, 4}));
    index.clear();
    EXPECT_EQ(index.find(0), ControlIndex::NONE);
}

} // namespace
} // namespace binora::testing
