// The MPFR and GMP functions that the window's routines call, defined here so that the window
// does not load these libraries while it starts: each forwards to the library's own function,
// found when it is first called (the first binary128 value read, or written out exactly far
// from 1). Until then neither library is mapped; the window is linked --as-needed, so that
// these definitions leave the libraries out of its start. A library that cannot be loaded
// ends the program with a message on standard error, as the dynamic loader would have at
// start.

#include <dlfcn.h>
#include <gmp.h>

#include <cstdio>
#include <cstdlib>

// mpfr.h declares its binary128 functions with C's name _Float128, which g++ 12 and clang
// do not know in C++; __float128 is the same type there.
#if !defined(__STDCPP_FLOAT128_T__)
#define _Float128 __float128
#endif
#define MPFR_WANT_FLOAT128
#include <mpfr.h>
#undef _Float128

namespace {

[[noreturn]] void cannot_load(const char* what) {
    std::fprintf(stderr, "binora: %s\n", what);
    std::abort();
}

void* load(const char* soname) {
    void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) cannot_load(dlerror());
    return library;
}

void* gmp() {
    static void* const library = load(BINORA_GMP_SONAME);
    return library;
}

void* mpfr() {
    static void* const library = load(BINORA_MPFR_SONAME);
    return library;
}

// The library's function `name`, of the type of the declaration `Function` it stands for.
template <typename Function> Function* real(void* library, const char* name) {
    void* function = dlsym(library, name);
    if (function == nullptr) cannot_load(dlerror());
    return reinterpret_cast<Function*>(function);
}

} // namespace

mpfr_exp_t mpfr_get_emin() {
    static auto* const function = real<decltype(mpfr_get_emin)>(mpfr(), "mpfr_get_emin");
    return function();
}

mpfr_exp_t mpfr_get_emax() {
    static auto* const function = real<decltype(mpfr_get_emax)>(mpfr(), "mpfr_get_emax");
    return function();
}

int mpfr_set_emin(mpfr_exp_t exponent) {
    static auto* const function = real<decltype(mpfr_set_emin)>(mpfr(), "mpfr_set_emin");
    return function(exponent);
}

int mpfr_set_emax(mpfr_exp_t exponent) {
    static auto* const function = real<decltype(mpfr_set_emax)>(mpfr(), "mpfr_set_emax");
    return function(exponent);
}

int mpfr_strtofr(mpfr_ptr x, const char* text, char** end, int base, mpfr_rnd_t rounding) {
    static auto* const function = real<decltype(mpfr_strtofr)>(mpfr(), "mpfr_strtofr");
    return function(x, text, end, base, rounding);
}

int mpfr_subnormalize(mpfr_ptr x, int ternary, mpfr_rnd_t rounding) {
    static auto* const function = real<decltype(mpfr_subnormalize)>(mpfr(), "mpfr_subnormalize");
    return function(x, ternary, rounding);
}

__float128 mpfr_get_float128(mpfr_srcptr x, mpfr_rnd_t rounding) {
    static auto* const function = real<decltype(mpfr_get_float128)>(mpfr(), "mpfr_get_float128");
    return function(x, rounding);
}

void mpfr_init2(mpfr_ptr x, mpfr_prec_t precision) {
    static auto* const function = real<decltype(mpfr_init2)>(mpfr(), "mpfr_init2");
    function(x, precision);
}

void mpfr_clear(mpfr_ptr x) {
    static auto* const function = real<decltype(mpfr_clear)>(mpfr(), "mpfr_clear");
    function(x);
}

double mpfr_get_d(mpfr_srcptr x, mpfr_rnd_t rounding) {
    static auto* const function = real<decltype(mpfr_get_d)>(mpfr(), "mpfr_get_d");
    return function(x, rounding);
}

// gmp.h makes mpz_init, mpz_clear, ... macros for the names the library exports.

void mpz_init(mpz_ptr x) noexcept {
    static auto* const function = real<decltype(mpz_init)>(gmp(), "__gmpz_init");
    function(x);
}

void mpz_clear(mpz_ptr x) {
    static auto* const function = real<decltype(mpz_clear)>(gmp(), "__gmpz_clear");
    function(x);
}

void mpz_import(mpz_ptr x, size_t count, int order, size_t size, int endian, size_t nails,
                const void* words) {
    static auto* const function = real<decltype(mpz_import)>(gmp(), "__gmpz_import");
    function(x, count, order, size, endian, nails, words);
}

void mpz_mul(mpz_ptr product, mpz_srcptr a, mpz_srcptr b) {
    static auto* const function = real<decltype(mpz_mul)>(gmp(), "__gmpz_mul");
    function(product, a, b);
}

void mpz_mul_2exp(mpz_ptr product, mpz_srcptr a, mp_bitcnt_t bits) {
    static auto* const function = real<decltype(mpz_mul_2exp)>(gmp(), "__gmpz_mul_2exp");
    function(product, a, bits);
}

void mpz_ui_pow_ui(mpz_ptr power, unsigned long base, unsigned long exponent) {
    static auto* const function = real<decltype(mpz_ui_pow_ui)>(gmp(), "__gmpz_ui_pow_ui");
    function(power, base, exponent);
}

size_t mpz_sizeinbase(mpz_srcptr x, int base) noexcept {
    static auto* const function = real<decltype(mpz_sizeinbase)>(gmp(), "__gmpz_sizeinbase");
    return function(x, base);
}

char* mpz_get_str(char* text, int base, mpz_srcptr x) {
    static auto* const function = real<decltype(mpz_get_str)>(gmp(), "__gmpz_get_str");
    return function(text, base, x);
}
