list(APPEND ORVEL_CORE_SOURCES
    src/editing/address_dialogs.cpp
    src/editing/bitwise_kernels.cpp
    src/editing/block_kernels.cpp
    src/editing/clipboard_codec.cpp
    src/editing/clipboard_text.cpp
    src/editing/edit_command_table.cpp
    src/editing/field_checks.cpp
    src/editing/find_fields.cpp
    src/editing/find_pattern.cpp
    src/editing/number_text.cpp
    src/editing/validators.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/find_verb.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/editing/address_dialog.cpp
    src/editing/clipboard_transfer.cpp
    src/editing/edit_command_handlers.cpp
    src/editing/edit_commands.cpp
    src/editing/field_edits.cpp
    src/editing/hex_edit.cpp
    src/editing/find_bytes_dlg.cpp
    src/editing/find_commands.cpp
    src/editing/radio_group.cpp
)
