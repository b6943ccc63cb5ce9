list(APPEND ORVEL_CORE_TESTS
    tests/search/find_search_test.cpp
    tests/search/input_search_test.cpp
    tests/search/replace_all_test.cpp
    tests/search/search_panel_rules_test.cpp
    tests/search/search_pattern_test.cpp
    tests/search/searcher_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/search/search_panel_gui_test.cpp
)
