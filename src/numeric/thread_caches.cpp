#include "numeric/thread_caches.hpp"

#include <mpfr.h>

namespace binora {

void free_thread_caches() {
    mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE);
}

} // namespace binora
