list(APPEND ORVEL_CORE_TESTS
    tests/ui/file_filter_test.cpp
    tests/ui/menu_entry_test.cpp
)
