# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The licence texts that travel with a static build, beside what it builds:
# LICENSE.txt, udjat's GPL-3.0; LGPL-3.0.txt, Qt's licence, headed by where
# the Qt inside came from; THIRD-PARTY-NOTICES.txt is written by the link of
# udjat itself (app/).
foreach(package qt6-base qt6-svg)
    execute_process(COMMAND dpkg-query -W [=[-f=${source:Version}]=] ${package}-dev
                    OUTPUT_VARIABLE ${package}_version COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(READ ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt lgpl)
file(WRITE ${CMAKE_BINARY_DIR}/LGPL-3.0.txt "\
This program contains Qt ${Qt6_VERSION}, which is under the GNU Lesser General
Public License version 3, below; that licence adds to the GNU General Public
License version 3 in LICENSE.txt. This Qt was built, unchanged, from Debian's
source packages qt6-base ${qt6-base_version} and qt6-svg ${qt6-svg_version}
(https://deb.debian.org/debian/pool/main/q/, and every version ever
published at https://snapshot.debian.org/), or where an archive lacked
qt6-svg, from Qt's own qtsvg-everywhere-src-${Qt6_VERSION}.tar.xz, which
udjat's source carries in tools/windows/sources/. How it was configured is in
udjat's source: tools/qt-sources.sh and tools/*/build-qt.sh. With udjat's
source, under the GPL, the program can be linked again with a changed Qt.

${lgpl}")
configure_file(${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt ${CMAKE_BINARY_DIR}/LICENSE.txt COPYONLY)
set(UDJAT_LICENCE_TEXTS ${CMAKE_BINARY_DIR}/LICENSE.txt ${CMAKE_BINARY_DIR}/LGPL-3.0.txt
    ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
