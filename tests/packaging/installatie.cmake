# cmake -DBOUWMAP=<build> -DDOEL=<empty prefix> -DBRON=<guide source> -P installatie.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/pdfcontrole.cmake)

file(REMOVE_RECURSE "${DOEL}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BOUWMAP}" --prefix "${DOEL}"
                RESULT_VARIABLE status OUTPUT_VARIABLE uitvoer ERROR_VARIABLE uitvoer)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install mislukt (${status}):\n${uitvoer}")
endif()

function(moet_bestaan pad)
  if(NOT EXISTS "${pad}" OR IS_DIRECTORY "${pad}")
    message(FATAL_ERROR "niet geïnstalleerd: ${pad}")
  endif()
endfunction()

# bin/hovelink is a relative link (the installed tree can move) to the executable in a folder of
# its own, and the guide lies beside the executable: that is the folder the program sees.
set(koppeling "${DOEL}/bin/hovelink")
if(NOT IS_SYMLINK "${koppeling}")
  message(FATAL_ERROR "geen symbolische koppeling: ${koppeling}")
endif()
file(READ_SYMLINK "${koppeling}" doel)
if(IS_ABSOLUTE "${doel}")
  message(FATAL_ERROR "koppeling is absoluut: ${doel}")
endif()
file(REAL_PATH "${koppeling}" programma)
moet_bestaan("${programma}")
execute_process(COMMAND test -x "${programma}" RESULT_VARIABLE uitvoerbaar)
if(NOT uitvoerbaar EQUAL 0)
  message(FATAL_ERROR "niet uitvoerbaar: ${programma}")
endif()
get_filename_component(programmamap "${programma}" DIRECTORY)
file(REAL_PATH "${DOEL}/bin" binmap)
if(programmamap STREQUAL binmap)
  message(FATAL_ERROR "het programma staat niet in een eigen map: ${programma}")
endif()
controleer_pdf("${programmamap}/Overzicht werking hovelink.pdf" "${BRON}")

# The desktop entry starts the program by the name on the PATH and shows the installed icon.
set(bureaublad "${DOEL}/share/applications/hovelink.desktop")
moet_bestaan("${bureaublad}")
file(STRINGS "${bureaublad}" regels)
foreach(regel "[Desktop Entry]" "Type=Application" "Name=Hovelink" "Exec=hovelink" "Icon=hovelink")
  if(NOT regel IN_LIST regels)
    message(FATAL_ERROR "${bureaublad} mist de regel ${regel}")
  endif()
endforeach()

# A PNG whose header says 256 x 256 pixels.
set(icoon "${DOEL}/share/icons/hicolor/256x256/apps/hovelink.png")
moet_bestaan("${icoon}")
file(READ "${icoon}" kop LIMIT 24 HEX)
if(NOT kop STREQUAL "89504e470d0a1a0a0000000d494844520000010000000100")
  message(FATAL_ERROR "${icoon} is geen PNG van 256 x 256 pixels (${kop})")
endif()
