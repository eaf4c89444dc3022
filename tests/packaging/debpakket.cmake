# cmake -DBOUWMAP=<build> -DDOEL=<empty folder> -DVERSIE=<project version> -P debpakket.cmake
# Builds the Debian package as `cpack` does, and checks it the way Debian does.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${DOEL}")
execute_process(COMMAND cpack -G DEB -B "${DOEL}" WORKING_DIRECTORY "${BOUWMAP}"
                RESULT_VARIABLE status OUTPUT_VARIABLE uitvoer ERROR_VARIABLE uitvoer)
file(GLOB pakket "${DOEL}/hovelink_*.deb")
if(NOT status EQUAL 0 OR NOT pakket)
  message(FATAL_ERROR "cpack mislukt (${status}):\n${uitvoer}")
endif()

execute_process(COMMAND lintian --fail-on error "${pakket}"
                RESULT_VARIABLE status OUTPUT_VARIABLE uitvoer ERROR_VARIABLE uitvoer)
message(STATUS "lintian:\n${uitvoer}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lintian meldt fouten (${status})")
endif()

# The package carries the program's version, and needs what the program uses at run time.
execute_process(COMMAND dpkg-deb -f "${pakket}" Version OUTPUT_VARIABLE versie OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT versie STREQUAL VERSIE)
  message(FATAL_ERROR "pakketversie ${versie}, programmaversie ${VERSIE}")
endif()
execute_process(COMMAND dpkg-deb -f "${pakket}" Depends OUTPUT_VARIABLE afhankelijk OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX REPLACE " *\\([^)]*\\)" "" namen "${afhankelijk}")
string(REPLACE ", " ";" namen "${namen}")
foreach(nodig xdg-utils qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6)
  if(NOT nodig IN_LIST namen)
    message(FATAL_ERROR "Depends mist ${nodig}: ${afhankelijk}")
  endif()
endforeach()
