#pragma once

// What a user's actions may change in a dialog record, kept to bring the record back to an
// earlier state: its controls' values, its caption and its return value. The window, if the
// record has one, is left as it is.

#include "dialog/dialog_record.hpp"

#include <string>
#include <vector>

namespace binora::fuzz {

struct RecordSnapshot {
    std::vector<ControlRecord> controls;
    std::string caption;
    bool caption_set = false;
    int return_value = 1;

    static RecordSnapshot of(const DIALOG_RECORD& record) {
        return {record.controls, record.caption, record.caption_set, record.return_value};
    }
    void restore(DIALOG_RECORD& record) const {
        record.controls = controls;
        record.caption = caption;
        record.caption_set = caption_set;
        record.return_value = return_value;
        record.dirty = false;
    }
};

} // namespace binora::fuzz
