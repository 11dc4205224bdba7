# Brings the desktop's caches of menu entries and icons up to date under ROOT (the prefix),
# with the tools that are there; without them the desktop reads the folders directly.
find_program(FOLIA_UPDATE_DESKTOP_DATABASE update-desktop-database)
if(FOLIA_UPDATE_DESKTOP_DATABASE AND IS_DIRECTORY "${ROOT}/share/applications")
    execute_process(COMMAND "${FOLIA_UPDATE_DESKTOP_DATABASE}" -q "${ROOT}/share/applications")
endif()
find_program(FOLIA_GTK_UPDATE_ICON_CACHE gtk-update-icon-cache)
if(FOLIA_GTK_UPDATE_ICON_CACHE AND IS_DIRECTORY "${ROOT}/share/icons/hicolor")
    execute_process(COMMAND "${FOLIA_GTK_UPDATE_ICON_CACHE}" -q -t -f
                            "${ROOT}/share/icons/hicolor")
endif()
