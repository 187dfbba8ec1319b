# Character files: XML writer and reader, saved-character list, HTML sheet.
list(APPEND BK_CORE_SOURCES
    src/files/character_file_path.cpp
    src/files/character_file_check.cpp
    src/files/xml_text.cpp
    src/files/character_file_fields.cpp
    src/files/character_derived_values.cpp
    src/files/character_xml_writer.cpp
    src/files/character_xml_reader.cpp
    src/files/saved_characters.cpp
    src/files/character_sheet.cpp
    src/files/character_sheet_details.cpp
    src/files/character_save.cpp
)
list(APPEND BK_UI_SOURCES
    src/files/saved_character_view.cpp
    src/files/file_frame.cpp
)
