# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run at install time: copies beside udjat.exe exactly the DLLs that it and
# its plugins import, found by walking their import tables, and strips them.
# Expects UDJAT_DLL_DIRS, UDJAT_OBJDUMP and UDJAT_STRIP.
cmake_policy(VERSION 3.25)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${UDJAT_OBJDUMP})

set(root ${CMAKE_INSTALL_PREFIX})
file(GLOB plugins ${root}/*/*.dll)
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${root}/udjat.exe
    LIBRARIES ${plugins}
    DIRECTORIES ${UDJAT_DLL_DIRS}
    # Qt and the MinGW runtime travel with the program; Windows has the rest.
    PRE_INCLUDE_REGEXES "^qt6" "^libstdc" "^libgcc" "^libwinpthread"
    PRE_EXCLUDE_REGEXES ".*"
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR missing)
# CMake looks for Windows names in lower case, which a Linux file system
# does not match to Qt6Core.dll: look again, ignoring case.
foreach(dir ${UDJAT_DLL_DIRS})
    file(GLOB candidates ${dir}/*.dll)
    foreach(candidate ${candidates})
        get_filename_component(name ${candidate} NAME)
        string(TOLOWER ${name} name)
        if(name IN_LIST missing)
            list(APPEND dlls ${candidate})
            list(REMOVE_ITEM missing ${name})
        endif()
    endforeach()
endforeach()
if(missing)
    message(FATAL_ERROR "DLLs not found: ${missing}")
endif()
file(INSTALL ${dlls} DESTINATION ${root})
file(GLOB shipped ${root}/*.dll ${root}/*/*.dll)
execute_process(COMMAND ${UDJAT_STRIP} --strip-unneeded ${shipped} COMMAND_ERROR_IS_FATAL ANY)
