# Installs the build tree into a fresh prefix as `cmake --install` does for a user, checks that
# every file a desktop needs landed, and builds the MIME database a desktop would then have.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DFILE_LIST=... -DDESKTOP=... -P install_into_prefix.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# FILE_LIST: every file an install must lay down, one path under the prefix a line.
file(STRINGS ${FILE_LIST} expected)
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

# The system's MIME database as it stands once the package is installed: the system's type
# definitions and ours merged into one database in DESKTOP/share/mime. update-mime-database
# reports a malformed definition on its error output only (and a database outside XDG_DATA_DIRS,
# hence the variable).
set(mime ${DESKTOP}/share/mime)
file(REMOVE_RECURSE ${DESKTOP})
file(GLOB system_types /usr/share/mime/packages/*.xml)
file(COPY ${system_types} ${PREFIX}/share/mime/packages/org.example.tessarine.xml
     DESTINATION ${mime}/packages)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${DESKTOP}/share
                        update-mime-database ${mime}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(result OR NOT errors STREQUAL "")
    message(FATAL_ERROR "update-mime-database (${result}): ${errors}")
endif()
