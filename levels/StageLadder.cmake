# cmake -DTOOL=zembrook-level -DMANIFEST=levels.tsv -DSTAGE=stage/levels -DSTAMP=FILE -P
# StageLadder.cmake: makes STAGE hold the manifest and the files of its levels, as the one
# manifest reader lists them, and nothing else, so that the launcher, the chooser and the
# installation find there exactly the ladder. A manifest the reader refuses stops the build
# with its finding.
cmake_minimum_required(VERSION 3.18)

execute_process(COMMAND ${TOOL} manifest ${MANIFEST} --files
                OUTPUT_VARIABLE listed RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the ladder cannot be staged from ${MANIFEST}")
endif()
# The reader lets through only plain file names: letters, digits, '.', '_' and '-'.
string(REPLACE "\n" ";" files "${listed}")
list(REMOVE_ITEM files "")
get_filename_component(source_folder ${MANIFEST} DIRECTORY)
get_filename_component(manifest_name ${MANIFEST} NAME)

foreach(file ${files})
    if(NOT EXISTS ${source_folder}/${file} OR IS_DIRECTORY ${source_folder}/${file})
        message(FATAL_ERROR "${MANIFEST}: error: the level file ${file} is not in ${source_folder}")
    endif()
endforeach()
file(MAKE_DIRECTORY ${STAGE})
# A level left out of the manifest leaves the stage too.
file(GLOB staged RELATIVE ${STAGE} ${STAGE}/*)
foreach(file ${staged})
    if(NOT file IN_LIST files AND NOT file STREQUAL manifest_name)
        file(REMOVE_RECURSE ${STAGE}/${file})
    endif()
endforeach()
# Copied only when different, so that what uses the stage is not made again for nothing.
foreach(file ${manifest_name} ${files})
    configure_file(${source_folder}/${file} ${STAGE}/${file} COPYONLY)
endforeach()
file(TOUCH ${STAMP})
