# Game-master helpers: critical hits and honor tracking.
list(APPEND BK_CORE_SOURCES
    src/gm/critical_table.cpp
    src/gm/critical_roll.cpp
    src/gm/honor_table.cpp
    src/gm/honor_party.cpp
)
list(APPEND BK_UI_SOURCES
    src/gm/critical_frame.cpp
    src/gm/honor_tracking_frame.cpp
    src/gm/honor_file_frame.cpp
)
