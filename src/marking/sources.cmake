list(APPEND ORVEL_CORE_SOURCES
    src/marking/block_scan.cpp
    src/marking/mark_dialogs.cpp
    src/marking/mark_patterns.cpp
    src/marking/mark_range.cpp
    src/marking/mark_value.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/marking/paint_channel.cpp
)
