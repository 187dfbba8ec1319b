# Creation step windows and the background roll tables.
list(APPEND BK_CORE_SOURCES
)
list(APPEND BK_UI_SOURCES
)
