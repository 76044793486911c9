#include "state/comun.hpp"

namespace binora {

Comun COMUN;

void reset_shared_state() {
    COMUN = Comun{};
}

} // namespace binora
