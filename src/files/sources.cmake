# Character files: XML writer and reader, saved-character list, HTML sheet.
list(APPEND BK_CORE_SOURCES
    src/files/character_file_path.cpp
)
list(APPEND BK_UI_SOURCES
)
