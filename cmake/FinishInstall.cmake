# Last install step: keeps the list of installed files beside the programs, which uninstalling
# reads, and updates the desktop's caches. The list of an earlier install is merged in, so
# that a file an older version installed is still removed.
set(ROOT "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(list_file "${ROOT}/share/folia/installed-files.txt")

set(installed)
if(EXISTS "${list_file}")
    file(STRINGS "${list_file}" installed)
endif()
# The install steps list their files with or without DESTDIR in front; the list keeps them
# relative to the prefix.
string(LENGTH "$ENV{DESTDIR}" staging_length)
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    if(staging_length GREATER 0)
        string(FIND "${file}" "$ENV{DESTDIR}" staging_at)
        if(staging_at EQUAL 0)
            string(SUBSTRING "${file}" ${staging_length} -1 file)
        endif()
    endif()
    file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${file}")
    list(APPEND installed "${relative}")
endforeach()
list(REMOVE_DUPLICATES installed)
list(SORT installed)
list(JOIN installed "\n" content)
message(STATUS "Installing: ${list_file}")
file(WRITE "${list_file}" "${content}\n")

include("${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake")
