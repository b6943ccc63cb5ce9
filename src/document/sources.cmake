list(APPEND ORVEL_CORE_SOURCES
    src/document/binary_document.cpp
    src/document/byte_buffer.cpp
    src/document/file_io.cpp
    src/document/hex_import.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/import_verb.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/document/hex_import_command.cpp
    src/document/orvel_doc.cpp
)
