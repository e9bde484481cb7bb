# The layer libraries without a window, and the function that makes every
# layer. Included by the program's build and by the fuzz build, which makes
# the same targets with its instrumentation.
get_filename_component(TERVALO_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Each layer and subsystem is a library that sees only the headers of what it
# links. Its include root holds one link, NAME -> src/NAME, so "core/..." and
# "widgets/..." resolve only in targets that link tervalo_core or
# tervalo_widgets; a widgets file that includes "lotsize/..." or one subsystem
# that includes another's headers does not compile.
# KIND SHARED makes a library the program loads at run time (the web browser);
# the others are static.
function(tervalo_layer name)
  cmake_parse_arguments(L "" "KIND" "SOURCES;LINKS" ${ARGN})
  if(NOT L_KIND)
    set(L_KIND STATIC)
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${name})
    file(CREATE_LINK ${TERVALO_ROOT}/src/${name} ${root}/${name} SYMBOLIC)
  endif()
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${TERVALO_ROOT}/src/${name}/*.cpp ${TERVALO_ROOT}/src/${name}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/src/app/main.cpp$")
  add_library(tervalo_${name} ${L_KIND} ${srcs} ${L_SOURCES})
  target_include_directories(tervalo_${name} PUBLIC ${root})
  target_link_libraries(tervalo_${name} PUBLIC ${L_LINKS})
endfunction()

# core: plain C++, no Qt on its include path or link line.
set(CMAKE_AUTOMOC OFF)
tervalo_layer(core)

set(CMAKE_AUTOMOC ON)
# data: Qt SQL; SQLite itself for the statements a connection keeps prepared.
find_package(SQLite3 REQUIRED)
tervalo_layer(data LINKS tervalo_core Qt6::Core Qt6::Sql SQLite::SQLite3)
# rtf: the RTF reader and writer (the document windows, the log saved as RTF), their
# code pages, and twips (the measure window sizes and positions are given in).
tervalo_layer(rtf LINKS Qt6::Gui)
# import: the warehouse's import of sales records (text, dBase and Excel files
# read, converted and stored), without a window.
tervalo_layer(import LINKS tervalo_data tervalo_rtf Qt6::Core)
# The import reads dBase tables with shapelib.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
pkg_check_modules(SHAPELIB REQUIRED IMPORTED_TARGET shapelib)
target_link_libraries(tervalo_import PRIVATE PkgConfig::SHAPELIB)

# The workbook parser of tervalo-xls-reader with the import's sheet framing:
# plain C++, no Qt. Whoever links it links libfreexl too.
set(CMAKE_AUTOMOC OFF)
add_library(tervalo_xls_parser STATIC ${TERVALO_ROOT}/src/xlsreader/XlsWorkbookParser.cpp
  ${TERVALO_ROOT}/src/import/XlsSheetFraming.cpp)
target_include_directories(tervalo_xls_parser PUBLIC ${TERVALO_ROOT}/src/xlsreader ${CMAKE_BINARY_DIR}/include/import)
target_link_libraries(tervalo_xls_parser PUBLIC tervalo_core)
# The workbook reader's system-call filter (libseccomp), which the reader, the
# fuzz build and the tests install.
pkg_check_modules(SECCOMP REQUIRED IMPORTED_TARGET libseccomp)
add_library(tervalo_xls_sandbox STATIC ${TERVALO_ROOT}/src/xlsreader/ReaderSandbox.cpp)
target_include_directories(tervalo_xls_sandbox PUBLIC ${TERVALO_ROOT}/src/xlsreader
  PRIVATE ${CMAKE_BINARY_DIR}/include/import)
target_link_libraries(tervalo_xls_sandbox PRIVATE PkgConfig::SECCOMP)
