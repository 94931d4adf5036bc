# Shared compile settings for every target of the project.
add_library(quenvar_options INTERFACE)
target_compile_options(quenvar_options INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers>)
target_include_directories(quenvar_options INTERFACE ${CMAKE_SOURCE_DIR}/src/core)

# One object library per core subsystem (src/core/<name>/*.cpp). A test links
# only the subsystems it needs, so a subsystem in progress never breaks the
# others' builds; quenvar_core is the union of all of them.
set(QUENVAR_CORE_MODULES "" CACHE INTERNAL "")
function(quenvar_core_module name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(qv_${name} OBJECT ${sources})
  target_link_libraries(qv_${name} PUBLIC quenvar_options PkgConfig::FONTCONFIG JPEG::JPEG PNG::PNG)
  set_target_properties(qv_${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  set(QUENVAR_CORE_MODULES ${QUENVAR_CORE_MODULES} ${name} CACHE INTERNAL "")
endfunction()

# quenvar_test(<name> SOURCES_DIR <dir> MODULES <m>... [LIBS <lib>...])
function(quenvar_test name)
  cmake_parse_arguments(T "" "SOURCES_DIR" "MODULES;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${T_SOURCES_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(objects "")
  foreach(m IN LISTS T_MODULES)
    if(TARGET qv_${m})
      list(APPEND objects $<TARGET_OBJECTS:qv_${m}>)
    endif()
  endforeach()
  add_executable(${name} ${sources} ${objects})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE quenvar_options quenvar_testsupport GTest::gtest GTest::gtest_main
    PkgConfig::FONTCONFIG JPEG::JPEG PNG::PNG ${T_LIBS})
  target_compile_definitions(${name} PRIVATE QUENVAR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QUENVAR_SOURCE_ASSETS="${CMAKE_SOURCE_DIR}/assets" QUENVAR_BUILD_BASE="${QUENVAR_BASE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QUENVAR_ASSETS=${CMAKE_SOURCE_DIR}/assets;QUENVAR_TEST_BASE=${QUENVAR_BASE_DIR}")
endfunction()
