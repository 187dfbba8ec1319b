# The quirk-and-flaw table and its step windows.
list(APPEND BK_CORE_SOURCES
    src/quirks/quirk_flaw.cpp
    src/quirks/quirk_flaw_data.cpp
    src/quirks/quirk_steps.cpp
    src/quirks/cherry_pick.cpp
    src/quirks/quirk_rolls.cpp
    src/quirks/quirk_corrections.cpp
)
list(APPEND BK_UI_SOURCES
    src/quirks/quirk_controls.cpp
    src/quirks/cherry_step7.cpp
    src/quirks/frame_step7.cpp
    src/quirks/quirk_step_openers.cpp
)
