# Run by cpack while it stages a package (CPACK_INSTALL_SCRIPTS): adds what only the Debian
# package holds, the compressed Debian changelog beside the copyright file and the lintian
# overrides. file(INSTALL) writes below the staging directory (DESTDIR), under the prefix the
# package installs into.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(modes FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(INSTALL ${CPACK_BINORA_DEBIAN_CHANGELOG}
       DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_BINORA_DOC_DIR} ${modes})
  file(INSTALL ${CPACK_BINORA_LINTIAN_OVERRIDES}
       DESTINATION ${CPACK_PACKAGING_INSTALL_PREFIX}/share/lintian/overrides
       RENAME ${CPACK_PACKAGE_NAME} ${modes})
endif()
