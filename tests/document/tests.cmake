list(APPEND ORVEL_CORE_TESTS
    tests/document/binary_document_test.cpp
    tests/document/block_pipeline_test.cpp
    tests/document/edit_history_test.cpp
    tests/document/edit_interface_test.cpp
    tests/document/file_io_test.cpp
    tests/document/file_stamp_test.cpp
    tests/document/hex_import_test.cpp
    tests/document/safe_file_writer_test.cpp
    tests/document/undo_differential_test.cpp
)
list(APPEND ORVEL_GUI_TESTS
    tests/document/file_commands_gui_test.cpp
    tests/document/file_jobs_gui_test.cpp
)
