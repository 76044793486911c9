# The arithmetic core's oracle as a library of its own: the test suite and the fuzz targets
# both link it. It uses the core's vocabulary types only, never its code.
if(NOT TARGET binora_test_exact)
  add_library(binora_test_exact STATIC ${CMAKE_CURRENT_LIST_DIR}/exact_rounding.cpp)
  target_include_directories(binora_test_exact PUBLIC ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(binora_test_exact PUBLIC PkgConfig::GMPXX PRIVATE binora_warnings)
endif()
