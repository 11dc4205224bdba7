# Removes what installing put under PREFIX, as the install listed it, and nothing else: the
# files the programs wrote beside themselves (cache.04, Configuracion.ini, Mis Colores.log,
# exported pages, cache.txt) stay, and so do the folders that hold them.
#
#   cmake -DPREFIX=~/.local -P cmake/Uninstall.cmake
if(NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DPREFIX=<install prefix> -P Uninstall.cmake")
endif()
get_filename_component(ROOT "${PREFIX}" ABSOLUTE)
set(programs_dir "${ROOT}/share/folia")
set(list_file "${programs_dir}/installed-files.txt")
if(NOT EXISTS "${list_file}")
    message(STATUS "Nothing installed under ${ROOT}")
    return()
endif()

file(STRINGS "${list_file}" installed)
set(folders "${programs_dir}")
foreach(relative IN LISTS installed)
    # Only paths inside the prefix: a damaged list must not reach anything else.
    if(IS_ABSOLUTE "${relative}" OR relative MATCHES "(^|/)\\.\\.(/|$)")
        message(WARNING "Skipped, outside ${ROOT}: ${relative}")
        continue()
    endif()
    set(path "${ROOT}/${relative}")
    if((EXISTS "${path}" OR IS_SYMLINK "${path}") AND NOT IS_DIRECTORY "${path}")
        file(REMOVE "${path}")
        message(STATUS "Removed: ${path}")
    endif()
    get_filename_component(folder "${relative}" DIRECTORY)
    while(folder MATCHES "^share/folia/.")
        list(APPEND folders "${ROOT}/${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
file(REMOVE "${list_file}")

# The programs' folders go when nothing of the user's is left in them, deepest first.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
    file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
    if(IS_DIRECTORY "${folder}" AND NOT left)
        file(REMOVE_RECURSE "${folder}")
        message(STATUS "Removed: ${folder}/")
    endif()
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake")
