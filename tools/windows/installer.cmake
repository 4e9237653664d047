# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows release. `cmake --install` makes the portable folder: udjat.exe,
# which carries Qt, its plugins, Qt's Bulgarian texts and the MinGW runtime,
# and the licence texts. The target windows-release zips that folder and
# builds from it the Windows Installer package (wixl) and the installer for
# single machines (NSIS).
set(UDJAT_RELEASE_NAME udjat-${UDJAT_VERSION}-win64)
set(portable ${CMAKE_BINARY_DIR}/${UDJAT_RELEASE_NAME})
install(FILES ${UDJAT_LICENCE_TEXTS} DESTINATION .)

configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${CMAKE_BINARY_DIR}/installer.nsi @ONLY)
add_custom_target(windows-release
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${portable} --strip
    COMMAND ${CMAKE_COMMAND} -E rm -f ${UDJAT_RELEASE_NAME}.zip
    COMMAND ${CMAKE_COMMAND} -E tar cf ${UDJAT_RELEASE_NAME}.zip --format=zip ${UDJAT_RELEASE_NAME}
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/installer_files.py
            ${portable} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/${UDJAT_RELEASE_NAME}.msi
            --version ${UDJAT_VERSION} --product ${UDJAT_PRODUCT_NAME} --publisher ${UDJAT_PUBLISHER}
            --icon ${PROJECT_SOURCE_DIR}/assets/icon.ico --homepage ${PROJECT_HOMEPAGE_URL}
    COMMAND makensis -V2 -INPUTCHARSET UTF8 ${CMAKE_BINARY_DIR}/installer.nsi
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS udjat
    COMMENT "Portable folder, zip, MSI and installer of ${UDJAT_RELEASE_NAME}"
    VERBATIM)
file(WRITE ${CMAKE_BINARY_DIR}/version.txt ${UDJAT_VERSION})
