# The Windows installation: one folder ("C:\Program Files\Korvanta") with the two programs, the Qt
# DLLs and plugins the window program loads and the MinGW runtime DLLs they need, and the
# installer made of it, build-windows/Korvanta-<version>-win64.exe, by CPack's NSIS generator
# (Debian's nsis). Debian has no windeployqt: what Qt's DLLs need is named here.
set(KORVANTA_ICO ${CMAKE_CURRENT_SOURCE_DIR}/windows/korvanta.ico)

function(korvanta_windows_resource target description)
  set(KORVANTA_NAME ${target})
  set(KORVANTA_DESCRIPTION "${description}")
  configure_file(windows/korvanta.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

korvanta_windows_resource(korvanta-cli "Korvanta command line")
install(TARGETS korvanta-cli RUNTIME DESTINATION .)
if(KORVANTA_WITH_QT)
  korvanta_windows_resource(korvanta "Korvanta")
  # A window program (no console window opens beside it), on the runtime DLLs that Qt uses.
  set_target_properties(korvanta PROPERTIES WIN32_EXECUTABLE ON KORVANTA_SHARED_RUNTIME ON)
  install(TARGETS korvanta RUNTIME DESTINATION .)
  foreach(module Core Gui Widgets Network)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
  endforeach()
  # Qt looks for its plugins beside the program: the platform plugin, without which no window
  # opens, and the style of the Windows version it runs on.
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
  endif()
  install(FILES ${KORVANTA_MINGW_RUNTIME_DLLS} DESTINATION .)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Korvanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Korvanta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "G-code for CNC routers cutting rail holes in fence posts")
set(CPACK_PACKAGE_FILE_NAME Korvanta-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Korvanta)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Korvanta)
set(CPACK_NSIS_PACKAGE_NAME Korvanta)
set(CPACK_NSIS_DISPLAY_NAME Korvanta)
# A 64-bit installer (the default one is 32-bit) that installs under "C:\Program Files".
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${KORVANTA_ICO})
set(CPACK_NSIS_MUI_UNIICON ${KORVANTA_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME korvanta.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# The Start-menu entry starts the program in the user's own shop folder, made on first start;
# the program itself expands %USERPROFILE%, whichever user starts it. (Each backslash and quote is
# escaped twice: CPack writes the value into CPackConfig.cmake as it is.) The installer's finish page
# does not offer to start the program: it would run elevated, as the installer does, and not see
# the user's mapped network drives.
set(shortcut "$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Korvanta.lnk")
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut '${shortcut}' '$INSTDIR\\\\korvanta.exe' '--shop \\\"%USERPROFILE%\\\\Documents\\\\Korvanta\\\"' '$INSTDIR\\\\korvanta.exe' 0")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$MUI_TEMP\\\\Korvanta.lnk'")
include(CPack)
