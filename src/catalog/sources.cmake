# Game-data catalogues and the character's item lists.
list(APPEND BK_CORE_SOURCES
    src/catalog/catalogues.cpp
    src/catalog/catalog_reader.cpp
    src/catalog/race_catalog.cpp
    src/catalog/class_catalog.cpp
    src/catalog/skill_catalog.cpp
    src/catalog/talent_catalog.cpp
    src/catalog/equipment_catalog.cpp
)
list(APPEND BK_UI_SOURCES
)
