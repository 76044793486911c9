#pragma once

// Property indexes, event kinds and show commands of the dialog layer. Negative property
// numbers are the layer's constants; a positive n addresses list item (or selection) n.

namespace binora {

constexpr int PROP_DEFAULT = -1;
constexpr int PROP_CAPTION = -2;
constexpr int PROP_ENABLED = -3;
constexpr int PROP_STATE = -5;
constexpr int PROP_CARET = -9;
constexpr int PROP_ITEM_COUNT = -13;
constexpr int PROP_APPEND_ITEM = -21;
constexpr int PROP_TEXT_LENGTH = -22;
// Edit: what assistive technology (a screen reader) tells about it beyond its name, such as
// why what it holds cannot be used yet; empty for nothing.
constexpr int PROP_DESCRIPTION = -30;

constexpr int EVENT_INIT = 0;
constexpr int EVENT_CLICKED = -4;
constexpr int EVENT_CHANGED = -6;
constexpr int EVENT_UPDATE = -7;
constexpr int EVENT_SELECTION_CHANGED = -10;
constexpr int EVENT_DOUBLE_CLICK = -14;
constexpr int EVENT_DESTROY = -15;
constexpr int EVENT_FOCUS_GAINED = -18;
constexpr int EVENT_FOCUS_LOST = -19;
constexpr int EVENT_RESIZE = -24;

// Command ids every dialog knows: Enter gives IDOK when the dialog has no default push
// button; Escape and the close box give IDCANCEL, which ends the dialog.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Show commands of a modeless run.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;

} // namespace binora
