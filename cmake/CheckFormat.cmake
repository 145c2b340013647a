# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when any C++ source differs from what clang-format makes of it (.clang-format).
find_program(CLANG_FORMAT NAMES clang-format clang-format-14 REQUIRED)
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/core/*.h ${SOURCE_DIR}/core/*.cpp ${SOURCE_DIR}/shell/*.h ${SOURCE_DIR}/shell/*.cpp
     ${SOURCE_DIR}/paye/*.h ${SOURCE_DIR}/paye/*.cpp ${SOURCE_DIR}/package/*.h ${SOURCE_DIR}/package/*.cpp
     ${SOURCE_DIR}/vehicle/*.h ${SOURCE_DIR}/vehicle/*.cpp ${SOURCE_DIR}/finance/*.h ${SOURCE_DIR}/finance/*.cpp
     ${SOURCE_DIR}/cli/*.h ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cpp
     ${SOURCE_DIR}/benchmarks/*.h ${SOURCE_DIR}/benchmarks/*.cpp ${SOURCE_DIR}/tools/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Sources need clang-format (run: clang-format -i <file>):\n${errors}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted as .clang-format asks")
