# The main window and start-up, above every subsystem: the program's menus open each one's windows.
list(APPEND BK_UI_SOURCES
    src/shell/cx_application.cpp
    src/shell/form_main.cpp
)
