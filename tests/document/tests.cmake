list(APPEND ORVEL_CORE_TESTS
    tests/document/binary_document_test.cpp
    tests/document/file_io_test.cpp
    tests/document/hex_import_test.cpp
)
list(APPEND ORVEL_CORE_TESTS tests/support/temp_dir.cpp)
