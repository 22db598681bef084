# libjpeg-turbo and libpng for the Windows builds, cross-built once from
# Debian's source packages and kept in QUELLON_DEPS_DIR (shared by the
# product and test builds of the same architecture).
set(QUELLON_DEPS_DIR "${CMAKE_SOURCE_DIR}/build/deps" CACHE PATH "Cross-built libraries")
set(_arch ${CMAKE_SYSTEM_PROCESSOR})
set(_prefix ${QUELLON_DEPS_DIR}/${_arch})
if(NOT EXISTS ${_prefix}/.done)
  message(STATUS "Cross-building libjpeg-turbo and libpng for ${_arch} (once)")
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/deps.sh ${QUELLON_DEPS_DIR} ${_arch}
                  RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "scripts/deps.sh failed (${_rc})")
  endif()
endif()

add_library(dep_jpeg STATIC IMPORTED GLOBAL)
set_target_properties(dep_jpeg PROPERTIES IMPORTED_LOCATION ${_prefix}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include)
add_library(dep_zlib STATIC IMPORTED GLOBAL)
set_target_properties(dep_zlib PROPERTIES
  IMPORTED_LOCATION /usr/${_arch}-w64-mingw32/lib/libz.a)
add_library(dep_png STATIC IMPORTED GLOBAL)
set_target_properties(dep_png PROPERTIES IMPORTED_LOCATION ${_prefix}/lib/libpng16.a
  INTERFACE_INCLUDE_DIRECTORIES ${_prefix}/include
  INTERFACE_LINK_LIBRARIES dep_zlib)
