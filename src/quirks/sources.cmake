# The quirk-and-flaw table and its step windows.
list(APPEND BK_CORE_SOURCES
)
list(APPEND BK_UI_SOURCES
)
