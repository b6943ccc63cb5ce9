list(APPEND ORVEL_CORE_TESTS
    tests/view/dump_export_test.cpp
    tests/view/dump_layout_test.cpp
    tests/view/dump_text_test.cpp
)
