# Game-master helpers: critical hits and honor tracking.
list(APPEND BK_CORE_SOURCES
    src/gm/critical_table.cpp
    src/gm/critical_roll.cpp
)
list(APPEND BK_UI_SOURCES
    src/gm/critical_frame.cpp
)
