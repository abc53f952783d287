# What `cmake --install build --prefix P` puts in P:
#   lib/veltrane/          the game folder: the program and every data file (no saved
#                          games: an installed game keeps them in the player's data folder)
#   bin/veltrane           the launcher
#   share/applications/    the desktop entry, its command the launcher's full path
#   share/metainfo/        the AppStream description
#   share/icons/hicolor/   the icon in the usual sizes, drawn by the forge
set(VT_APP_ID org.veltrane.Veltrane)
set(VT_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

add_custom_command(
  OUTPUT ${VT_ICON_DIR}/veltrane-256.png
  COMMAND forge --icons ${VT_ICON_DIR}
  DEPENDS forge
  COMMENT "Drawing the desktop's icons"
  VERBATIM)
add_custom_target(desktop_icons ALL DEPENDS ${VT_ICON_DIR}/veltrane-256.png)

install(TARGETS veltrane RUNTIME DESTINATION lib/veltrane)
install(DIRECTORY ${VELTRANE_GAME_DIR}/ DESTINATION lib/veltrane
  FILES_MATCHING PATTERN "*.dat"
  REGEX "/Zorl1[5-9]\\.dat$" EXCLUDE)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/veltrane-launcher.sh DESTINATION bin
  RENAME veltrane)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${VT_ICON_DIR}/veltrane-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${VT_APP_ID}.png)
endforeach()
# The desktop entry and the AppStream file are written at install time, so that the
# entry's command names the prefix the game is installed into.
install(CODE "
  set(VT_APP_ID ${VT_APP_ID})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/veltrane.desktop.in
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${VT_APP_ID}.desktop\" @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/veltrane.metainfo.xml.in
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/metainfo/${VT_APP_ID}.metainfo.xml\" @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/applications/${VT_APP_ID}.desktop\")
")
