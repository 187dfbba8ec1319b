# Main window, options dialog, character tree, ability tables and derived statistics.
list(APPEND BK_CORE_SOURCES
)
list(APPEND BK_UI_SOURCES
    src/ui/form_main.cpp
)
