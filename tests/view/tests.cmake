list(APPEND ORVEL_CORE_TESTS
    tests/view/color_table_test.cpp
    tests/view/dump_hexdump_crosscheck_test.cpp
    tests/view/dump_export_test.cpp
    tests/view/dump_layout_test.cpp
    tests/view/dump_text_test.cpp
    tests/view/mark_store_test.cpp
    tests/view/typing_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/view/orvel_view_test.cpp
)
