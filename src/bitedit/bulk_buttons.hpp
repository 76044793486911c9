#pragma once

#include "dialog/dialog_record.hpp"

namespace binora {

// The "0's" (IDC_ZEROS) and "1's" (IDC_ONES) buttons: fill all fields of the current kind or
// the current field, as the IDC_ALL_FIELDS radio says, then reset the read-outs
// (IDC_VALUE_X shows "0").
void fill_bits_clicked(DIALOG_RECORD& dialog, int id);

// The "0 <--> 1" button (IDC_FLIP): complement all fields or the current field, then reset
// the read-outs except IDC_VALUE_X.
void flip_bits_clicked(DIALOG_RECORD& dialog);

} // namespace binora
