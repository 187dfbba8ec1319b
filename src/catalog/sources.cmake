# Game-data catalogues and the character's item lists.
list(APPEND BK_CORE_SOURCES
    src/catalog/item_lists.cpp
    src/catalog/catalogues.cpp
)
list(APPEND BK_UI_SOURCES
)
