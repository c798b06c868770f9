# The Windows build (configured with cmake/toolchain-i686-w64-mingw32.cmake):
# the plug-in DLL and tovrins.exe, no tests or benchmarks. The header-only
# libraries come from the build machine's Debian packages through a folder
# of their own, so no Linux system header reaches the cross compiler;
# pugixml is compiled from its Debian source (scripts/build-windows fetches
# it and passes TOVRINS_PUGIXML_SOURCE). zlib has a mingw-w64 build in
# Debian (libz-mingw-w64-dev).
set(TOVRINS_WINDOWS ON)
set(TOVRINS_SANITIZE OFF CACHE BOOL "" FORCE)

set(TOVRINS_HEADER_ONLY_DIR ${CMAKE_BINARY_DIR}/debian-headers)
file(MAKE_DIRECTORY ${TOVRINS_HEADER_ONLY_DIR})
foreach(dir nlohmann CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "the Windows build needs /usr/include/${dir} (nlohmann-json3-dev, libcli11-dev)")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${TOVRINS_HEADER_ONLY_DIR}/${dir} SYMBOLIC)
endforeach()

add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${TOVRINS_HEADER_ONLY_DIR})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 INTERFACE ${TOVRINS_HEADER_ONLY_DIR})

set(TOVRINS_PUGIXML_SOURCE "" CACHE PATH "Debian's pugixml source tree (with src/pugixml.cpp)")
if(NOT EXISTS ${TOVRINS_PUGIXML_SOURCE}/src/pugixml.cpp)
  message(FATAL_ERROR "the Windows build needs pugixml's source: set TOVRINS_PUGIXML_SOURCE "
    "(scripts/build-windows fetches it with apt-get source pugixml)")
endif()
add_library(pugixml STATIC ${TOVRINS_PUGIXML_SOURCE}/src/pugixml.cpp)
target_include_directories(pugixml SYSTEM PUBLIC ${TOVRINS_PUGIXML_SOURCE}/src)
add_library(pugixml::pugixml ALIAS pugixml)

# zlib (for .svgz) from Debian's mingw-w64 build, linked in: no zlib1.dll.
set(ZLIB_USE_STATIC_LIBS ON)

# tovrins.exe beside the plug-in, as a user would keep them.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
