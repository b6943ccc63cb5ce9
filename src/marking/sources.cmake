list(APPEND ORVEL_CORE_SOURCES
    src/marking/block_scan.cpp
    src/marking/mark_command_table.cpp
    src/marking/mark_dialogs.cpp
    src/marking/mark_patterns.cpp
    src/marking/mark_range.cpp
    src/marking/mark_value.cpp
    src/marking/run_batcher.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/marking/mark_blocks_dlg.cpp
    src/marking/mark_bytes_dlg.cpp
    src/marking/mark_command_handlers.cpp
    src/marking/mark_commands.cpp
    src/marking/mark_dlg.cpp
    src/marking/mark_patterns_dlg.cpp
    src/marking/mark_units_dlg.cpp
    src/marking/marking_run.cpp
)
