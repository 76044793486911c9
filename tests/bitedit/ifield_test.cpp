#include "bitedit/ifield.hpp"
#include "resources/resource.hpp"
#include "state/comun.hpp"

#include <gtest/gtest.h>

namespace binora {
namespace {

TEST(Ifield, WidthDependsOnKindAndIsStored) {
    struct Row {
        int kind;
        int id;
        int width;
    };
    const Row rows[] = {
        {4, IDC_S32, 1},       {4, IDC_E32, 8},       {4, IDC_F32, 23},  {8, IDC_S64, 1},
        {8, IDC_E64, 11},      {8, IDC_F64, 52},      {16, IDC_S128, 1}, {16, IDC_E128, 15},
        {16, IDC_F128_48, 48}, {16, IDC_F128_64, 64}, {4, IDC_S128, 1},  {8, IDC_S32, 1},
        {4, IDC_E128, 0},      {4, IDC_F64, 0},       {8, IDC_F32, 0},   {16, IDC_E32, 0},
        {4, IDC_VALUE_X, 0},
    };
    for (const auto& row : rows) {
        reset_shared_state();
        COMUN.KIND_REAL = row.kind;
        COMUN.FIELD_WIDTH = 99;
        EXPECT_EQ(IFIELD(row.id), row.width) << row.kind << " " << row.id;
        EXPECT_EQ(COMUN.FIELD_WIDTH, row.width);
    }
}

} // namespace
} // namespace binora
