# SPDX-License-Identifier: GPL-3.0-or-later
# A GoogleTest executable as a few CTest tests instead of one per case: each shard is one process
# that runs every n-th case (GoogleTest's own sharding), so a process starts once per shard rather
# than once per case, which under AddressSanitizer costs about a second each. A failing shard
# shows only its failed cases and their assertions (--gtest_brief). One case by hand:
#   build/bin/engine_tests --gtest_filter='Annual/AnnualTax.*'
#
# grovan_add_gtest_shards(<target> [NAME <ctest name>] [SHARDS <n>] [TIMEOUT <s>] [COST <c>]
#                         [ENVIRONMENT <VAR=value>...])
# The tests are named <name> for one shard, <name>.0 ... <name>.<n-1> for more. COST makes CTest
# start the longest tests first, so that a parallel run does not end waiting for one of them.
function(grovan_add_gtest_shards target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "NAME;SHARDS;TIMEOUT;COST" "ENVIRONMENT")
    if(NOT arg_NAME)
        set(arg_NAME ${target})
    endif()
    if(NOT arg_SHARDS)
        set(arg_SHARDS 1)
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 600)
    endif()
    math(EXPR last "${arg_SHARDS} - 1")
    foreach(index RANGE ${last})
        if(arg_SHARDS EQUAL 1)
            set(name ${arg_NAME})
        else()
            set(name ${arg_NAME}.${index})
        endif()
        add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
        set_property(TEST ${name} PROPERTY TIMEOUT ${arg_TIMEOUT})
        set_property(TEST ${name} PROPERTY ENVIRONMENT GTEST_TOTAL_SHARDS=${arg_SHARDS}
                                                       GTEST_SHARD_INDEX=${index} ${arg_ENVIRONMENT})
        if(arg_COST)
            set_property(TEST ${name} PROPERTY COST ${arg_COST})
        endif()
    endforeach()
endfunction()
