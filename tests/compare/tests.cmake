list(APPEND ORVEL_CORE_TESTS
    tests/compare/byte_aligner_test.cpp
    tests/compare/compare_document_test.cpp
    tests/compare/compare_engine_test.cpp
    tests/compare/diff_buckets_test.cpp
    tests/compare/diff_list_test.cpp
    tests/compare/diff_navigation_test.cpp
    tests/compare/file_block_reader_test.cpp
    tests/compare/gap_aligner_test.cpp
    tests/compare/input_compare_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/compare/compare_diffs_gui_test.cpp
    tests/compare/compare_window_gui_test.cpp
    tests/compare/compare_undo_gui_test.cpp
    tests/compare/compare_worker_gui_test.cpp
)
