# Creation step windows and the background roll tables.
list(APPEND BK_CORE_SOURCES
    src/steps/fighter_background.cpp
    src/steps/free_weapon_prof.cpp
    src/steps/ability_race_rules.cpp
    src/steps/background_chain.cpp
    src/steps/background_family.cpp
    src/steps/background_handover.cpp
    src/steps/background_rolls.cpp
    src/steps/background_siblings.cpp
    src/steps/class_handover.cpp
    src/steps/class_rules.cpp
    src/steps/roll_protocol.cpp
    src/steps/thief_skills_rules.cpp
    src/steps/inheritance_tables.cpp
    src/steps/starting_honor.cpp
    src/steps/character_finish.cpp
    src/steps/equipment_purse.cpp
    src/steps/skill_shop.cpp
    src/steps/money_rolls.cpp
)
list(APPEND BK_UI_SOURCES
    src/steps/retired_button.cpp
    src/steps/frame_fighter_bg.cpp
    src/steps/frame_fighter_bgq.cpp
    src/steps/alignment_step.cpp
    src/steps/equip_frame.cpp
    src/steps/frame_step3.cpp
    src/steps/frame_step6.cpp
    src/steps/frame_step8.cpp
    src/steps/skill_frame.cpp
    src/steps/thief_skills_frame.cpp
    src/steps/frame_step10.cpp
)
