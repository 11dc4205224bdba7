# The portable archive (`cpack -G TGZ`): one folder per program and language build, each with
# its executable (and FOLIA's samples), to be unpacked anywhere the user can write. It holds
# no menu entries or launchers, which would name the folder it was built in.
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME folia)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
string(TOLOWER "folia-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}"
       CPACK_PACKAGE_FILE_NAME)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};portable;/")
include(CPack)
