list(APPEND ORVEL_CORE_SOURCES
    src/document/binary_document.cpp
    src/document/block_pipeline.cpp
    src/document/byte_buffer.cpp
    src/document/byte_transforms.cpp
    src/document/document_command_table.cpp
    src/document/edit_history.cpp
    src/document/end_marker.cpp
    src/document/file_access.cpp
    src/document/file_error.cpp
    src/document/file_io.cpp
    src/document/file_metadata.cpp
    src/document/file_stamp.cpp
    src/document/hex_import.cpp
    src/document/input_reader.cpp
    src/document/safe_file_writer.cpp
    src/document/undo_record.cpp
    src/document/write_all.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/import_verb.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/document/document_command_handlers.cpp
    src/document/hex_import_command.cpp
    src/document/orvel_doc.cpp
    src/document/overwrite_prompt.cpp
    src/document/undo_settings.cpp
)
