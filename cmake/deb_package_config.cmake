# Read by cpack for each generator it runs (CPACK_PROJECT_CONFIG_FILE). A Debian package needs
# dpkg-shlibdeps, and file to tell it which files are programs: without them CPack would
# write a package that names no runtime dependencies, so packaging stops instead.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(BINORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(BINORA_FILE file)
  if(NOT BINORA_DPKG_SHLIBDEPS OR NOT BINORA_FILE)
    message(FATAL_ERROR "dpkg-shlibdeps or file is missing (Debian: dpkg-dev, file): without "
                        "them the package would name no runtime dependencies")
  endif()
endif()
