# Lays out the distribution medium (cmake -DENTREES=<file> -P support.cmake).
# ENTREES names the programs, the data folder and the runtime table. The
# medium holds the installer, the files its list file "Lire.Pie" names, laid
# out as they are named there, the name file "Broxel.dll" and the runtime
# files; it is made anew each time.

include("${ENTREES}")

set(dossier "Quivex\\${NOM}")
set(liste "${NOM}\r\n")

# One line of the list: two fields of 60 characters.
function(ligne gauche droite)
  foreach(champ IN ITEMS "${gauche}" "${droite}")
    string(LENGTH "${champ}" longueur)
    if(longueur GREATER 60)
      message(FATAL_ERROR "Lire.Pie : « ${champ} » dépasse 60 caractères")
    endif()
  endforeach()
  string(LENGTH "${gauche}" longueur)
  math(EXPR blancs "60 - ${longueur}")
  string(REPEAT " " ${blancs} bourrage)
  set(liste "${liste}${gauche}${bourrage}${droite}\r\n" PARENT_SCOPE)
endfunction()

# A file of the suite: on the medium under `nom` (folders joined by '\' in
# the list) and listed for the program folder.
function(livrer source nom)
  string(REPLACE "\\" "/" chemin "${nom}")
  get_filename_component(sous "${SUPPORT}/${chemin}" DIRECTORY)
  file(MAKE_DIRECTORY "${sous}")
  file(COPY_FILE "${source}" "${SUPPORT}/${chemin}")
  ligne("${nom}" "${dossier}\\${nom}")
  set(liste "${liste}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${SUPPORT}")
file(MAKE_DIRECTORY "${SUPPORT}")
file(COPY_FILE "${INSTALLEUR}" "${SUPPORT}/install")

set(programmes "${CALENDRIER}" "${CALENDRIER_PDF}" "${ARBROVUE}" "${RAVALOIRE}")
set(icones "")
foreach(programme IN LISTS programmes)
  if(programme)
    get_filename_component(nom "${programme}" NAME)
    livrer("${programme}" "${nom}")
  endif()
endforeach()
foreach(nom Prenoms Couleur Calend.html)
  livrer("${DONNEES}/${nom}" "${nom}")
endforeach()
livrer("${ICONE}" "calendrier.png")
file(GLOB images RELATIVE "${DONNEES}/Images" "${DONNEES}/Images/*")
list(SORT images)
foreach(nom IN LISTS images)
  livrer("${DONNEES}/Images/${nom}" "Images\\${nom}")
endforeach()

string(APPEND liste "[ICONE]\r\n")
get_filename_component(calendrier "${CALENDRIER}" NAME)
ligne("${NOM}" "${dossier}\\${calendrier}")
if(RAVALOIRE)
  get_filename_component(ravaloire "${RAVALOIRE}" NAME)
  ligne("Ravaloire" "${dossier}\\${ravaloire}")
endif()
file(WRITE "${SUPPORT}/Lire.Pie" "${liste}")
file(WRITE "${SUPPORT}/Broxel.dll" "${NOM}\r\n")

# The runtime table, in its folders, as the installed programs find it.
foreach(nom IN LISTS BIBLIOTHEQUES)
  file(COPY_FILE "${QT_BIBLIOTHEQUES}/${nom}" "${SUPPORT}/${nom}")
endforeach()
foreach(nom IN LISTS MODULES)
  get_filename_component(sous "${SUPPORT}/${nom}" DIRECTORY)
  file(MAKE_DIRECTORY "${sous}")
  file(COPY_FILE "${QT_MODULES}/${nom}" "${SUPPORT}/${nom}")
endforeach()
file(WRITE "${SUPPORT}/qt.conf" "[Paths]\nPrefix = .\nPlugins = .\n")
