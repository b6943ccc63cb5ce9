list(APPEND ORVEL_CORE_SOURCES
    src/view/dump_export.cpp
    src/view/dump_layout.cpp
    src/view/dump_lines.cpp
    src/view/dump_stream.cpp
    src/view/dump_text.cpp
    src/view/view_command_table.cpp
    src/view/typing.cpp
    src/view/color_table.cpp
    src/view/mark_page_pool.cpp
    src/view/mark_store.cpp
)
list(APPEND ORVEL_CLI_SOURCES
    src/cli/dump_verb.cpp
    src/cli/export_verb.cpp
)
list(APPEND ORVEL_CORE_SOURCES
    src/view/caret_navigation.cpp
    src/view/cell_grid.cpp
    src/view/styled_line.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/view/color_combo_box.cpp
    src/view/dump_appearance.cpp
    src/view/dump_line_painter.cpp
    src/view/dump_printer.cpp
    src/view/export_command.cpp
    src/view/orvel_view.cpp
    src/view/undo_commands.cpp
    src/view/view_command_handlers.cpp
    src/view/view_watch.cpp
)
