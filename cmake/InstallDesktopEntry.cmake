# Install step: writes one menu entry with the path of the installed executable.
# Expects FOLIA_ENTRY_TEMPLATE, FOLIA_ENTRY_NAME and FOLIA_EXECUTABLE (relative to the prefix).

# Exec takes a quoted argument: ", `, $ and \ get a backslash inside the quotes, then every
# backslash is doubled once more as in any desktop entry value, and % is a field code.
set(exec "${CMAKE_INSTALL_PREFIX}/${FOLIA_EXECUTABLE}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "\"" "\\\"" exec "${exec}")
string(REPLACE "`" "\\`" exec "${exec}")
string(REPLACE "$" "\\$" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(FOLIA_EXEC "\"${exec}\"")

set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/${FOLIA_ENTRY_NAME}")
message(STATUS "Installing: ${entry}")
configure_file("${FOLIA_ENTRY_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
