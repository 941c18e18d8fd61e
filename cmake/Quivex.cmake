# Shared build helpers.

# quivex_test(NAME SOURCES ... LIBS ...)
# A QtTest executable registered with CTest, run hermetically and offscreen.
function(quivex_test nom)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${nom} ${T_SOURCES})
  target_link_libraries(${nom} PRIVATE Qt6::Test plateforme_essais_sortie ${T_LIBS})
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

# quivex_couche(TARGET LEVEL [SANS_FENETRE])
# Places a library in the layers: it may link only libraries of lower levels,
# and a SANS_FENETRE one only libraries that are SANS_FENETRE too, never Qt's
# widgets. quivex_verifier_couches(), once every target exists, refuses
# whatever breaks that, so a wrong dependency fails at configure time.
function(quivex_couche cible niveau)
  cmake_parse_arguments(C "SANS_FENETRE" "" "" ${ARGN})
  set_target_properties(${cible} PROPERTIES QUIVEX_COUCHE ${niveau} QUIVEX_SANS_FENETRE "${C_SANS_FENETRE}")
  set_property(GLOBAL APPEND PROPERTY QUIVEX_COUCHES ${cible})
endfunction()

function(quivex_verifier_couches)
  get_property(cibles GLOBAL PROPERTY QUIVEX_COUCHES)
  foreach(cible IN LISTS cibles)
    get_target_property(niveau ${cible} QUIVEX_COUCHE)
    get_target_property(sans ${cible} QUIVEX_SANS_FENETRE)
    get_target_property(liens ${cible} LINK_LIBRARIES)
    foreach(lien IN LISTS liens)
      if(sans AND lien MATCHES "^Qt6::(Widgets|PrintSupport|OpenGLWidgets)$")
        message(FATAL_ERROR "${cible} ne doit pas lier ${lien} : il reste sans fenêtre.")
      endif()
      if(NOT TARGET ${lien})
        continue()
      endif()
      get_target_property(autre ${lien} QUIVEX_COUCHE)
      if(autre STREQUAL "autre-NOTFOUND")
        continue()
      endif()
      if(NOT autre LESS niveau)
        message(FATAL_ERROR "${cible} (couche ${niveau}) lie ${lien} (couche ${autre}) : "
                            "une couche ne lie que celles d'en dessous.")
      endif()
      get_target_property(autre_sans ${lien} QUIVEX_SANS_FENETRE)
      if(sans AND NOT autre_sans)
        message(FATAL_ERROR "${cible} reste sans fenêtre et ne peut pas lier ${lien}.")
      endif()
    endforeach()
  endforeach()
endfunction()
