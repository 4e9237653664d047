# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows release. `cmake --install` makes the portable folder: udjat.exe
# with exactly the DLLs and plugins it loads, Qt's Bulgarian texts and the
# licence. The target windows-release zips that folder and builds from it the
# Windows Installer package (wixl) and the installer for single machines (NSIS).
set(UDJAT_RELEASE_NAME udjat-${UDJAT_VERSION}-win64)
set(portable ${CMAKE_BINARY_DIR}/${UDJAT_RELEASE_NAME})

install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)
install(FILES ${UDJAT_QT_TRANSLATIONS}/qtbase_bg.qm DESTINATION translations)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME LICENSE.txt)

get_filename_component(compiler_dir ${CMAKE_CXX_COMPILER} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime_dir ${libgcc} DIRECTORY)
install(CODE "
    set(UDJAT_DLL_DIRS \"$<TARGET_FILE_DIR:Qt6::Core>;${runtime_dir};/usr/${MINGW_TRIPLE}/lib\")
    set(UDJAT_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(UDJAT_STRIP \"${CMAKE_STRIP}\")
    include(\"${CMAKE_CURRENT_LIST_DIR}/deploy-dlls.cmake\")
")

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
