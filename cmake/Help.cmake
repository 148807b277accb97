# The help document as installed: res/help/DVK.html with its pictures folded in as data:
# addresses, so the one file is all that the program, the installer and the package carry.
add_executable(dvk-help-inline ${PROJECT_SOURCE_DIR}/tools/helpinline/main.cpp)
target_link_libraries(dvk-help-inline PRIVATE Qt6::Core dvk_options)

file(GLOB_RECURSE dvk_help_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/help/*)
set(DVK_HELP_FILE ${PROJECT_BINARY_DIR}/help/DVK.html)
add_custom_command(OUTPUT ${DVK_HELP_FILE}
    COMMAND dvk-help-inline ${PROJECT_SOURCE_DIR}/res/help/DVK.html ${DVK_HELP_FILE}
    DEPENDS dvk-help-inline ${dvk_help_sources}
    COMMENT "Folding the help pictures into DVK.html")
add_custom_target(dvk_help ALL DEPENDS ${DVK_HELP_FILE})
