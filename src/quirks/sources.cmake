# The quirk-and-flaw table and its step windows.
list(APPEND BK_CORE_SOURCES
    src/quirks/quirk_flaw.cpp
    src/quirks/quirk_flaw_data.cpp
)
list(APPEND BK_UI_SOURCES
)
