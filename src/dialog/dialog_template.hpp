#pragma once

// Dialog templates: the caption, font, size and controls of a dialog, as data. Rectangles
// are in dialog units (x: a quarter of the font's average character width, y: an eighth of
// its height). Templates and image resources are looked up by id through replaceable
// sources, so that tests can run with a registry that lacks a template.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace binora {

// A drop-down list (ComboBox) holds items and a selection like a list box. A table holds rows
// whose cells are separated by tab characters, under column headings that its caption holds
// the same way; its selection is the row marked. A number line holds marks (line_mark.hpp) and
// a caption that says what they show.
enum class ControlKind {
    Static,
    GroupBox,
    PushButton,
    CheckBox,
    RadioButton,
    Edit,
    ListBox,
    ComboBox,
    Table,
    NumberLine
};

// Style bits of a control template item.
enum ControlStyle : unsigned {
    STYLE_HIDDEN = 1U << 0, // created without the visible style
    STYLE_DISABLED = 1U << 1,
    STYLE_GROUP = 1U << 2, // starts a radio group / a tab group
    STYLE_DEFAULT_BUTTON = 1U << 3,
    STYLE_READ_ONLY = 1U << 4,    // edit
    STYLE_NUMBER = 1U << 5,       // edit: the keyboard accepts digits only
    STYLE_AUTO_HSCROLL = 1U << 6, // edit
    STYLE_STATIC_EDGE = 1U << 7,
    STYLE_SUNKEN = 1U << 8, // static with a sunken edge
    STYLE_NOTIFY = 1U << 9, // list box reports selection changes
    STYLE_VSCROLL = 1U << 10,
    STYLE_NO_INTEGRAL_HEIGHT = 1U << 11,
    STYLE_NO_WORD_WRAP = 1U << 12, // static
    STYLE_ICON = 1U << 13,         // push button or static showing the icon `image_id`
    STYLE_BITMAP = 1U << 14,       // static showing the bitmap `image_id`
    STYLE_CENTER_IMAGE = 1U << 15,
    STYLE_TRANSPARENT = 1U << 16,
    STYLE_FLAT = 1U << 17, // edit: a one-pixel sunken edge instead of the style's frame
    // A check box with STYLE_READ_ONLY is an indicator: the program sets it, the user cannot.
};

struct DialogUnits {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// How assistive technology (a screen reader) names a control that its own caption does not
// name, such as an edit or a list box: by the current caption of its label, the control
// `label_id`, while that caption is not blank; otherwise by the fixed name in the dialog's
// current interface language, `names[0]` or `names[1]`. A radio button whose `language` is 1
// or 2 selects that language while it is checked; the first applies while none is.
//
// A label whose caption has a mnemonic ("&Format:") gives the keyboard focus to the controls
// that follow it in template order, up to the next label (mnemonics.hpp).
struct AccessibleName {
    int label_id = 0;
    std::array<std::string, 2> names = {};
    int language = 0;
};

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = 0;
    std::string caption;
    DialogUnits rect;
    unsigned style = 0;
    int image_id = 0; // icon or bitmap resource for STYLE_ICON / STYLE_BITMAP
    AccessibleName accessible = {};
};

// Style bits of a dialog template.
enum DialogStyle : unsigned {
    DIALOG_MINIMIZE_BOX = 1U << 0,
    DIALOG_APP_WINDOW = 1U << 1, // own task-bar button
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    DialogUnits rect;
    std::string font_name;
    int font_points = 8;
    unsigned style = 0;
    std::vector<ControlTemplate> controls; // template order = tab order
};

// An image resource: an icon or bitmap of width x height pixels as an 8-bit indexed image,
// ready to be shown without decoding: one palette index a pixel, rows top to bottom, and the
// palette of `colours` colours 0xAARRGGBB (a transparent pixel's colour is 0).
struct ImageResource {
    int id = 0;
    int width = 0;
    int height = 0;
    const std::uint8_t* indices = nullptr;
    const std::uint32_t* palette = nullptr;
    int colours = 0;
};

using TemplateSource = std::function<const DialogTemplate*(int id)>;
using ImageSource = std::function<const ImageResource*(int id)>;

// Installs the template source; returns the previous one.
TemplateSource set_template_source(TemplateSource source);
// The template with this id, or nullptr.
const DialogTemplate* find_dialog_template(int id);

// Installs the image source; returns the previous one.
ImageSource set_image_source(ImageSource source);
// The image with this id, or nullptr.
const ImageResource* find_image_resource(int id);

} // namespace binora
