# The Debian package, built from the build tree with `cpack -G DEB` (or `cpack`): the
# installed tree under /usr, stripped, with the runtime dependencies found by dpkg-shlibdeps
# from the programs' shared libraries (Qt 6 Widgets, Gui and Core, libquadmath, MPFR, GMP,
# libstdc++, the C library). Debian: dpkg-dev and file. The maintainer address and home page are
# placeholders of ours until the project has a public home.
find_program(BINORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(BINORA_FILE file)
if(NOT BINORA_DPKG_SHLIBDEPS OR NOT BINORA_FILE)
  message(WARNING "dpkg-shlibdeps or file is missing (Debian: dpkg-dev, file): a Debian "
                  "package built now would name no runtime dependencies")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME binora)
set(CPACK_PACKAGE_VENDOR "The Binora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "see how a decimal number is stored in IEEE 754 binary formats")
set(CPACK_PACKAGE_HOMEPAGE_URL https://binora.example.org)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Binora developers <binora@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the description's first line; this is the rest of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Binora is a desktop teaching tool that shows how a real number is stored in
the IEEE 754 binary formats binary32, binary64 and binary128: the sign,
exponent and significand bits of a typed value, the class and canonical value
of typed bits, and for finite values the exponent, significand, ULP, both
nearest neighbours and epsilon. Every conversion is exact to the last bit.
The interface speaks Romanian and English.
.
The package also holds binora-cli, which gives the same read-outs without a
window as text, TSV or JSON.")

include(CPack)
