# What "cmake --install" puts in place besides the executable: the help file, the icons, the
# desktop entry, the word-list file types, the AppStream metadata and the manual page.
include(GNUInstallDirs)
set(VOKABO_APP_ID org.example.Vokabo)

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/help/Vokabo.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/vokabo)

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/pictures/vokabo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VOKABO_APP_ID}.svg)
set(vokabo_icon_pngs)
foreach(size 16 22 24 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${VOKABO_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
        COMMAND vokabo_svg2png ${CMAKE_CURRENT_SOURCE_DIR}/pictures/vokabo.svg ${size} ${png}
        DEPENDS vokabo_svg2png ${CMAKE_CURRENT_SOURCE_DIR}/pictures/vokabo.svg
        COMMENT "Drawing the ${size}x${size} icon")
    list(APPEND vokabo_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(vokabo_icons ALL DEPENDS ${vokabo_icon_pngs})

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VOKABO_APP_ID}.xml)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/man/vokabo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
