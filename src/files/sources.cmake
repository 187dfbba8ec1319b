# Character files: XML writer and reader, saved-character list, HTML sheet.
list(APPEND BK_CORE_SOURCES
)
list(APPEND BK_UI_SOURCES
)
