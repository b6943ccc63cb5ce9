list(APPEND ORVEL_CORE_SOURCES
    src/tools/ascii_table.cpp
    src/tools/notation.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/tools/ascii_table_dlg.cpp
    src/tools/close_buttons.cpp
    src/tools/notation_convert_dlg.cpp
)
