# Records, dice, dice log, reset and options: the foundation every other folder builds on.
list(APPEND BK_CORE_SOURCES
    src/app/text_encoding.cpp
    src/app/numbers.cpp
    src/app/prompts.cpp
    src/app/item_lists.cpp
    src/app/character.cpp
    src/app/program_data.cpp
    src/app/safe_file.cpp
    src/app/options_file.cpp
    src/app/dice.cpp
    src/app/roll_stats.cpp
    src/app/clear_all.cpp
    src/app/dice_log.cpp
)
list(APPEND BK_UI_SOURCES
    src/app/app_globals.cpp
    src/app/wx_prompter.cpp
    src/app/app_icon.cpp
    src/app/shutdown.cpp
    src/app/dice_log_window.cpp
    src/app/window_placement.cpp
)
