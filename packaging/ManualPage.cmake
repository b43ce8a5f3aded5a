# cmake -DTOOL=zembrook-level -DMANIFEST=levels.tsv -DPAGE=zembrook.6 -DOUTPUT=FILE
# -DPROJECT_VERSION=V -P ManualPage.cmake: the game's manual page, its list of levels made by
# the one manifest reader from the manifest, so that the two cannot disagree.
cmake_minimum_required(VERSION 3.18)

execute_process(COMMAND ${TOOL} manifest ${MANIFEST} --roff
                OUTPUT_VARIABLE MANUAL_LADDER RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the manual's list of levels cannot be made from ${MANIFEST}")
endif()
# The page has the list on a line of its own.
string(REGEX REPLACE "\n$" "" MANUAL_LADDER "${MANUAL_LADDER}")
configure_file(${PAGE} ${OUTPUT} @ONLY)
