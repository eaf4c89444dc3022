# cmake -DPDF=<guide.pdf> -DBRON=<source.md> -P handleidingpdf.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/pdfcontrole.cmake)
controleer_pdf("${PDF}" "${BRON}")
