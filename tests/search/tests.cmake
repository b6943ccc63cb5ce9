list(APPEND ORVEL_CORE_TESTS
    tests/search/find_search_test.cpp
    tests/search/input_search_test.cpp
    tests/search/search_pattern_test.cpp
    tests/search/searcher_test.cpp
)
