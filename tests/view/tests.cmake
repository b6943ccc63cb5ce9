list(APPEND ORVEL_CORE_TESTS
    tests/view/cell_grid_test.cpp
    tests/view/color_table_test.cpp
    tests/view/dump_export_test.cpp
    tests/view/dump_layout_test.cpp
    tests/view/dump_lines_test.cpp
    tests/view/dump_stream_test.cpp
    tests/view/dump_text_test.cpp
    tests/view/mark_store_test.cpp
    tests/view/styled_line_test.cpp
    tests/view/typing_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/view/color_combo_box_gui_test.cpp
    tests/view/dump_appearance_gui_test.cpp
    tests/view/dump_printer_test.cpp
    tests/view/orvel_view_test.cpp
    tests/view/undo_gui_test.cpp
    tests/view/view_geometry_test.cpp
)
