# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with the words of ARGUMENTS and writes its standard output into OUTPUT, and with
# GZIP_OUTPUT also a copy compressed without a time stamp (as Debian wants its manual pages).
#   cmake -DPROGRAM=... -DARGUMENTS="word word" -DOUTPUT=... [-DGZIP_OUTPUT=...] -P RunToFile.cmake
separate_arguments(_arguments UNIX_COMMAND "${ARGUMENTS}")
get_filename_component(_folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${_folder}")
execute_process(COMMAND "${PROGRAM}" ${_arguments} OUTPUT_FILE "${OUTPUT}.part"
                RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    file(REMOVE "${OUTPUT}.part")
    message(FATAL_ERROR "${PROGRAM} ${ARGUMENTS} failed: ${_result}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
if(GZIP_OUTPUT)
    get_filename_component(_folder "${GZIP_OUTPUT}" DIRECTORY)
    file(MAKE_DIRECTORY "${_folder}")
    execute_process(COMMAND gzip -9 -n -c "${OUTPUT}" OUTPUT_FILE "${GZIP_OUTPUT}"
                    RESULT_VARIABLE _result)
    if(NOT _result EQUAL 0)
        message(FATAL_ERROR "gzip ${OUTPUT} failed: ${_result}")
    endif()
endif()
