# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser edition: the page udjat.html (Bulgarian, the window at its own
# size, a live region for screen readers), its style sheet and its web app
# manifest beside what Qt builds; the core suites, run in the browser's own
# number model; and the floor program, for the load-time benchmark, on the
# same page.

# The window's size, from its stored description.
file(READ ${PROJECT_SOURCE_DIR}/window/MainForm.ui form)
string(REGEX MATCH "<width>([0-9]+)</width>" _ "${form}")
set(UDJAT_WINDOW_WIDTH ${CMAKE_MATCH_1})
string(REGEX MATCH "<height>([0-9]+)</height>" _ "${form}")
set(UDJAT_WINDOW_HEIGHT ${CMAKE_MATCH_1})
# The window's background: the first colour of its palette.
string(REGEX MATCH "<red>([0-9]+)</red>[ \n]*<green>([0-9]+)</green>[ \n]*<blue>([0-9]+)</blue>" _ "${form}")
set(UDJAT_WINDOW_COLOUR "rgb(${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_3})")
configure_file(${CMAKE_CURRENT_LIST_DIR}/udjat.css.in ${CMAKE_BINARY_DIR}/site/udjat.css @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/udjat.webmanifest.in ${CMAKE_BINARY_DIR}/site/udjat.webmanifest @ONLY)

foreach(page udjat udjat-floor)
    set(UDJAT_WEB_APP ${page})
    configure_file(${CMAKE_CURRENT_LIST_DIR}/page.html.in ${CMAKE_BINARY_DIR}/site/${page}.html @ONLY)
endforeach()

# Qt's fallback faces (DejaVu Sans and Mono, Vera: 1 MB, 0.56 MB gzipped)
# are not linked: every text the window and its menu show is in the bundled
# Liberation Serif, which covers it. The floor carries the same face.
set_property(TARGET Qt6::QWasmIntegrationPlugin_resources_1 PROPERTY IMPORTED_OBJECTS_RELEASE "")

qt_add_executable(udjat-floor ${PROJECT_SOURCE_DIR}/bench/floor.cpp)
target_link_libraries(udjat-floor PRIVATE Qt6::Widgets)
udjat_static_plugins(TARGETS udjat-floor)
set(serif /usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf)
set_source_files_properties(${serif} PROPERTIES QT_RESOURCE_ALIAS fonts/LiberationSerif-Regular.ttf)
qt_add_resources(udjat-floor "floor_font" PREFIX "/udjat" FILES ${serif})

foreach(suite tst_eye_parts tst_sum_report)
    qt_add_executable(${suite} ${PROJECT_SOURCE_DIR}/tests/${suite}.cpp)
    target_include_directories(${suite} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${suite} PRIVATE Qt6::Test fraction)
    # QTEST_APPLESS_MAIN passes no arguments to a variadic macro.
    target_compile_options(${suite} PRIVATE -Wno-gnu-zero-variadic-macro-arguments)
endforeach()
