list(APPEND ORVEL_CORE_SOURCES
    src/inspector/caret_place.cpp
    src/inspector/caret_readouts.cpp
    src/inspector/data_inspector.cpp
    src/inspector/field_codec.cpp
    src/inspector/field_encoding.cpp
    src/inspector/unix_time.cpp
    src/inspector/utf8_char.cpp
)
list(APPEND ORVEL_GUI_SOURCES
    src/inspector/data_inspector_dock.cpp
)
