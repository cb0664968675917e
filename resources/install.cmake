# What "cmake --install" puts in place besides the executable: the help file, the icons, the
# desktop entry, the word-list file types, the AppStream metadata, the manual pages, and the
# licence and changelog files a Debian package carries.
include(GNUInstallDirs)
set(VOKABO_APP_ID io.github.vokabo.Vokabo)

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/help/Vokabo.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/vokabo)

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/pictures/vokabo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VOKABO_APP_ID}.svg)
set(vokabo_icon_sizes 16 22 24 32 48 64 128 256)
set(vokabo_icon_entries ${vokabo_icon_sizes})
list(TRANSFORM vokabo_icon_entries REPLACE "(.+)" "vokabo:\\1x\\1")
vokabo_bake_pictures(vokabo_icon_pngs ${CMAKE_CURRENT_BINARY_DIR}/icons ${vokabo_icon_entries})
foreach(size IN LISTS vokabo_icon_sizes)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/vokabo_${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VOKABO_APP_ID}.png)
endforeach()
add_custom_target(vokabo_icons ALL DEPENDS ${vokabo_icon_pngs})

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${VOKABO_APP_ID}.xml)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${VOKABO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(vokabo_gzip_script ${CMAKE_CURRENT_SOURCE_DIR}/debian/gzip.cmake)
set(vokabo_compressed)
# Manual pages in English and, under their language folders, in Swedish and Finnish.
foreach(lang en sv fi)
    if(lang STREQUAL en)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/vokabo.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/man/${lang}/vokabo.1)
        set(man_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    endif()
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${lang}/vokabo.1.gz)
    add_custom_command(
        OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man/${lang}
        COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${gz} -P ${vokabo_gzip_script}
        DEPENDS ${source} ${vokabo_gzip_script}
        COMMENT "Compressing the ${lang} manual page"
        VERBATIM)
    list(APPEND vokabo_compressed ${gz})
    install(FILES ${gz} DESTINATION ${man_dir})
endforeach()

# The changelog in Debian's layout, made from CHANGELOG.md.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog)
add_custom_command(
    OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=${changelog}
            -DPACKAGE=vokabo -DMAINTAINER=${VOKABO_MAINTAINER}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.cmake
    COMMAND ${CMAKE_COMMAND} -DIN=${changelog} -DOUT=${changelog}.gz -P ${vokabo_gzip_script}
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog.cmake
            ${vokabo_gzip_script}
    COMMENT "Writing the package changelog"
    VERBATIM)
list(APPEND vokabo_compressed ${changelog}.gz)
add_custom_target(vokabo_compressed_docs ALL DEPENDS ${vokabo_compressed})
install(FILES ${changelog}.gz ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vokabo)
