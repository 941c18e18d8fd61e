# Shared build helpers.

# quivex_test(NAME SOURCES ... LIBS ...)
# A QtTest executable registered with CTest, run hermetically and offscreen.
function(quivex_test nom)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${nom} ${T_SOURCES})
  target_link_libraries(${nom} PRIVATE Qt6::Test ${T_LIBS})
  set_target_properties(${nom} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  add_test(NAME ${nom} COMMAND ${nom})
  set_tests_properties(${nom} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Europe/Paris;LANG=C.UTF-8;QUIVEX_PROGRAMME_DIR=${QUIVEX_PROGRAMME_DIR}"
    TIMEOUT 300)
endfunction()

# An installed program loads the Qt copied beside it, not the system's. The
# search path is DT_RPATH rather than RUNPATH: it also serves the libraries
# that Qt's plugins load, which a RUNPATH would leave to the system.
function(quivex_origine cible)
  set_target_properties(${cible} PROPERTIES BUILD_RPATH "$ORIGIN")
  target_link_options(${cible} PRIVATE "LINKER:--disable-new-dtags")
endfunction()

# Programs land in the program folder, next to their data and the component.
function(quivex_programme cible)
  set_target_properties(${cible} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${QUIVEX_PROGRAMME_DIR}")
  quivex_origine(${cible})
endfunction()
