# What a desktop needs besides the programs (installed by src/app and src/cli): the menu
# entries of the two windows, their icons in the hicolor theme, AppStream metadata for
# software centres, the manual pages, and the copyright file with both licences of the
# project (the format Debian reads, plain text for everyone else). Each desktop entry's name
# matches the desktop file name its program announces (binora, binora-arith), so that window
# and menu entry are matched.
include(GNUInstallDirs)

set(binora_data ${PROJECT_SOURCE_DIR}/data)
install(FILES ${binora_data}/binora.desktop ${binora_data}/binora-arith.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${binora_data}/org.example.binora.metainfo.xml
              ${binora_data}/org.example.binora.arith.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${binora_data}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${binora_data}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages are installed compressed, as Debian's policy asks (gzip -9n: no name or
# time stamp, so the package is reproducible).
find_program(BINORA_GZIP gzip REQUIRED)
set(man_pages)
foreach(page binora.1 binora-arith.1 binora-cli.1)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/man/${page})
  set(compressed ${copy}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/${page} ${copy}
                     COMMAND ${BINORA_GZIP} -9nf ${copy}
                     DEPENDS ${PROJECT_SOURCE_DIR}/docs/${page}
                     COMMENT "Compressing the manual page ${page}"
                     VERBATIM)
  list(APPEND man_pages ${compressed})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
