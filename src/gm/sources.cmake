# Game-master helpers: critical hits and honor tracking.
list(APPEND BK_CORE_SOURCES
)
list(APPEND BK_UI_SOURCES
)
