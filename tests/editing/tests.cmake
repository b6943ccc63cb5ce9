list(APPEND ORVEL_CORE_TESTS
    tests/editing/find_pattern_test.cpp
    tests/editing/find_search_test.cpp
)
