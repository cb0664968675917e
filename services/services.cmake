# The help file sits beside the program, where the help command looks for it, wherever the
# program is built to.
set(VOKABO_HELP_FILE ${CMAKE_SOURCE_DIR}/resources/help/Vokabo.hlp)
add_custom_target(vokabo_helpfile ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:vokabo>
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VOKABO_HELP_FILE} $<TARGET_FILE_DIR:vokabo>/Vokabo.hlp
    DEPENDS ${VOKABO_HELP_FILE}
    COMMENT "Copying the help file beside the program"
    VERBATIM)
add_dependencies(vokabo_services vokabo_helpfile)
