# What `cmake --install` puts on a desktop: the two programs, the menu entry,
# the icon at the usual sizes, the AppStream description, the puzzle-file
# type and the tool's manual page. The installed game keeps its state per user.
include(GNUInstallDirs)
set(ZORVEK_APP_ID net.zorvek.NumberPuzzles)
set(desktop_dir ${PROJECT_SOURCE_DIR}/data/desktop)

foreach(program ZorvekNumberPuzzles zorvek)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
install(FILES ${desktop_dir}/${ZORVEK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${ZORVEK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/zorvek-puzzle.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${desktop_dir}/icons/app_${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ZORVEK_APP_ID}.png)
endforeach()
install(FILES ${desktop_dir}/icons/app.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZORVEK_APP_ID}.svg)
install(FILES ${desktop_dir}/zorvek.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
