#pragma once

// MPFR keeps caches for each thread that uses it (pools of GMP integers, constants). A thread
// other than the main one that has used the numeric or arithmetic core frees its own before
// it ends; otherwise they outlive it, unreachable.

namespace binora {

// Frees the calling thread's MPFR caches; MPFR builds them again when next needed.
void free_thread_caches();

} // namespace binora
