# SPDX-License-Identifier: GPL-3.0-or-later
# A second build of the engine and its tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# from the same source lists, registered with CTest as the shards sanitized.engine_tests.0 and .1.
# Unoptimised and with assert() on, whatever the build type: AddressSanitizer and all but
# UBSan's object-size check work without optimisation, optimised code is tested by the other
# builds, and an instrumented -O2 compile of a test file takes up to six times as long.
set(_san_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
set(_san_compile_flags ${_san_flags} -O0 -g -UNDEBUG)

get_target_property(_engine_sources grovan_engine SOURCES)
add_library(grovan_engine_sanitized STATIC ${_engine_sources})
target_include_directories(grovan_engine_sanitized PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_options(grovan_engine_sanitized PRIVATE ${GROVAN_WARNINGS} ${_san_compile_flags})
target_link_options(grovan_engine_sanitized PUBLIC ${_san_flags})
target_link_libraries(grovan_engine_sanitized PUBLIC SQLiteCpp SQLite::SQLite3)

get_target_property(_test_sources engine_tests SOURCES)
add_executable(engine_tests_sanitized ${_test_sources})
target_compile_options(engine_tests_sanitized PRIVATE ${GROVAN_WARNINGS} ${_san_compile_flags})
target_link_libraries(engine_tests_sanitized PRIVATE grovan_engine_sanitized GTest::gtest GTest::gtest_main)
grovan_add_gtest_shards(engine_tests_sanitized NAME sanitized.engine_tests SHARDS 2 COST 1000
                        ENVIRONMENT ASAN_OPTIONS=detect_leaks=1)
