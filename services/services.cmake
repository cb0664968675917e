# The help file sits beside the program, where the help command looks for it.
set(VOKABO_HELP_FILE ${CMAKE_SOURCE_DIR}/resources/help/Vokabo.hlp)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/app/Vokabo.hlp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/app
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOKABO_HELP_FILE} ${CMAKE_BINARY_DIR}/app/Vokabo.hlp
    DEPENDS ${VOKABO_HELP_FILE}
    COMMENT "Copying the help file beside the program")
add_custom_target(vokabo_helpfile ALL DEPENDS ${CMAKE_BINARY_DIR}/app/Vokabo.hlp)
add_dependencies(vokabo_services vokabo_helpfile)
