# The Debian package, built from the build tree with `cpack -G DEB` (or `cpack`): the
# installed tree under /usr, stripped, with the runtime dependencies found by dpkg-shlibdeps
# from the programs' shared libraries (Qt 6 Widgets, Gui and Core, libquadmath, MPFR, GMP,
# libstdc++, the C library), the Debian changelog and the lintian overrides. Packaging needs
# dpkg-shlibdeps and file (Debian: dpkg-dev, file); deb_package_config.cmake stops it when
# they are missing. The maintainer address and home page are placeholders of ours until the
# project has a public home.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME binora)
set(CPACK_PACKAGE_VENDOR "The Binora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "see how a decimal number is stored in IEEE 754 binary formats")
set(CPACK_PACKAGE_HOMEPAGE_URL https://binora.example.org)
set(CPACK_STRIP_FILES ON)
# Directories made while staging are 0755 whatever the umask, as Debian's packages have them.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/deb_package_config.cmake)

# The package's version is the project's and the Debian revision; the newest entry of the
# Debian changelog names the same.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
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

# The Debian changelog, compressed as Debian's policy asks (gzip -9n, with BINORA_GZIP from
# desktop_install.cmake), and the lintian overrides go into the package only: a plain
# `cmake --install` has no use for them.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.Debian)
add_custom_command(OUTPUT ${changelog}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/debian/changelog
                           ${changelog}
                   COMMAND ${BINORA_GZIP} -9nf ${changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
                   COMMENT "Compressing the Debian changelog"
                   VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
set(CPACK_BINORA_DEBIAN_CHANGELOG ${changelog}.gz)
set(CPACK_BINORA_DOC_DIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_BINORA_LINTIAN_OVERRIDES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides)
set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb_package_files.cmake)

include(CPack)
