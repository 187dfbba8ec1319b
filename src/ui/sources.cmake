# Options dialog, character tree, ability tables and derived statistics.
list(APPEND BK_CORE_SOURCES
    src/ui/ability_tables.cpp
    src/ui/ability_scores.cpp
    src/ui/derived_stats.cpp
    src/ui/tree_model.cpp
    src/ui/tree_edit.cpp
    src/ui/tree_pushers.cpp
)
list(APPEND BK_UI_SOURCES
    src/ui/options_dialog.cpp
    src/ui/wx_tree_model.cpp
    src/ui/pc_tree_frame.cpp
    src/ui/list_selection.cpp
)
