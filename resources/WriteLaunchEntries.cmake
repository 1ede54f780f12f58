# Run by `cmake --install` (and cpack): writes the desktop entry and the
# session bus's service file from their templates in binary_dir, with the
# path the program is installed at as their command.
#   in: CMAKE_INSTALL_PREFIX (as the install has it), bindir, binary_dir, app_id
cmake_path(APPEND CMAKE_INSTALL_PREFIX "${bindir}" pomelo OUTPUT_VARIABLE program)
# Both read their Exec line as a shell does: a path with anything but plain
# characters is quoted, with \ " ` $ escaped inside the quotes.
if(program MATCHES "[^A-Za-z0-9/._+-]")
    string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" program "${program}")
    set(program "\"${program}\"")
endif()
set(POMELO_PROGRAM "${program}")
configure_file(${binary_dir}/${app_id}.service.in ${binary_dir}/installed/${app_id}.service
    @ONLY)
# A desktop entry's values escape each backslash once more, and % starts a
# field code there.
string(REPLACE "\\" "\\\\" POMELO_PROGRAM "${POMELO_PROGRAM}")
string(REPLACE "%" "%%" POMELO_PROGRAM "${POMELO_PROGRAM}")
configure_file(${binary_dir}/${app_id}.desktop.in ${binary_dir}/installed/${app_id}.desktop
    @ONLY)
