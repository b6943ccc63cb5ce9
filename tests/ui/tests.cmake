list(APPEND ORVEL_CORE_TESTS
    tests/ui/command_registry_test.cpp
    tests/ui/file_filter_test.cpp
    tests/ui/menu_entry_test.cpp
)
