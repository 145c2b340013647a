# A second build of the engine and its tests with AddressSanitizer and UndefinedBehaviorSanitizer,
# from the same source lists, registered with CTest under the prefix "sanitized.".
set(_san_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

get_target_property(_engine_sources grovan_engine SOURCES)
add_library(grovan_engine_sanitized STATIC ${_engine_sources})
target_include_directories(grovan_engine_sanitized PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_compile_options(grovan_engine_sanitized PRIVATE ${GROVAN_WARNINGS} ${_san_flags})
target_link_options(grovan_engine_sanitized PUBLIC ${_san_flags})
target_link_libraries(grovan_engine_sanitized PUBLIC SQLiteCpp SQLite::SQLite3)

get_target_property(_test_sources engine_tests SOURCES)
add_executable(engine_tests_sanitized ${_test_sources})
target_compile_options(engine_tests_sanitized PRIVATE ${GROVAN_WARNINGS} ${_san_flags})
target_link_libraries(engine_tests_sanitized PRIVATE grovan_engine_sanitized GTest::gtest GTest::gtest_main)
gtest_discover_tests(engine_tests_sanitized TEST_PREFIX "sanitized." DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                     PROPERTIES TIMEOUT 120 ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1")
