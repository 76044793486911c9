#pragma once

namespace binora {

// Width in bits of the field shown by the bit edit `id` for the current KIND_REAL; stores
// it in COMUN.FIELD_WIDTH too. A sign edit gives 1 whatever the kind; an edit of another
// kind, or any other id, gives 0.
int IFIELD(int id);

} // namespace binora
