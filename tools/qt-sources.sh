# SPDX-FileCopyrightText: 2026 The udjat developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts that build Qt for another platform: fetches the
# source of the Qt that Debian ships (qtbase and qtsvg) into the current
# folder, and builds a configured Qt module with a line of progress now and
# then. Needs $jobs and a log function.

# What udjat and its tests never use, left out with Qt's own configure
# features; configure then turns off what depends on them.
qt_unused_features=(
  # widgets and dialogs the window does not have
  calendarwidget columnview combobox commandlinkbutton completer
  datawidgetmapper datetimeedit dial dockwidget fontcombobox formlayout
  graphicseffect graphicsview keysequenceedit lcdnumber lineedit listview
  listwidget mdiarea progressbar radiobutton rubberband scroller sizegrip
  spinbox splashscreen splitter stackedwidget statusbar statustip
  style-stylesheet syntaxhighlighter tableview tablewidget tabbar tabwidget
  textbrowser toolbox treeview treewidget undoview
  colordialog errormessage filedialog fontdialog inputdialog progressdialog
  wizard
  # models no view shows
  standarditemmodel filesystemmodel sortfilterproxymodel identityproxymodel
  stringlistmodel transposeproxymodel concatenatetablesproxymodel
  # documents and images it neither reads nor writes
  textodfwriter textmarkdownreader textmarkdownwriter pdf picture movie
  imageformat_ppm imageformat_xbm mimetype-database
  # desktop services it does not ask for
  sessionmanager systemtrayicon whatsthis undocommand undostack undogroup
  sharedmemory systemsemaphore filesystemwatcher mimetype
  # touch gestures, calendars and time zones other than the local one, and
  # painting code for pixel formats deeper than 8 bits a channel
  gestures jalalicalendar hijricalendar islamiccivilcalendar timezone
  datetimeparser raster-64bit raster-fp sha3-fast
)

# What stays, checked once configure has run, before the long build: what the
# program cannot do without (the report box with its context menu, scroll bar
# and wheel, focus frames, accessibility, high-DPI, SVG, the Fusion and
# Windows styles, with what they are built on); and what Qt compiles
# unguarded whatever the configuration: item views (the styles' private
# header), button groups (every button), message boxes and their button box
# (accessibility), the main window, menu bar, tool bar and tool button
# (compatibility code).
qt_needed_features=(
  widgets label checkbox pushbutton textedit scrollbar scrollarea slider
  wheelevent menu contextmenu action shortcut clipboard tooltip accessibility
  highdpiscaling style_fusion style_windows cssparser imageformat_png
  translation settings commandlineparser
  itemviews buttongroup groupbox messagebox dialogbuttonbox mainwindow menubar
  toolbar toolbutton
)

# The configure options that leave them out, but those named.
qt_feature_options() {  # kept-feature...
  local feature kept
  for feature in "${qt_unused_features[@]}"; do
    for kept in "$@"; do [ "$feature" = "$kept" ] && continue 2; done
    echo "-no-feature-$feature"
  done
}

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
qt_sources_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Sets $prefix, keyed by a hash of the recipe files given, so a changed
# recipe builds anew and an unchanged one costs nothing; when that Qt is
# built already, prints its prefix and ends the calling script. Otherwise
# makes an empty scratch folder $work and goes there.
use_cached_qt_or_start() {  # platform recipe-files...
  local platform=$1 hash cache
  shift
  hash=$(cat "$@" | sha256sum | cut -c1-12)
  cache=${UDJAT_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/udjat}
  prefix=$cache/qt-$qt_version-$platform-$hash
  if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
  fi
  work=$cache/work-$platform-$hash
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  cd "$work"
}

# qtbase and qtsvg into $work/qtbase and $work/qtsvg. A private apt
# configuration with deb-src for the suites the system uses keeps the
# machine's own sources as they are. Debian's qt6-svg source may be missing
# from the mirror: Qt's own tarball stands in, checked by its hash.
fetch_qt_sources() {
  local apt_dir=$work/apt f
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    case "$f" in
      *.sources) sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/$(basename "$f")" ;;
      *) sed -n 's/^deb /deb-src /p' "$f" >"$apt_dir/$(basename "$f")" ;;
    esac
  done
  apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_dir"
               -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
               -o APT::Sandbox::User=root -qq)
  log "fetching the source index"
  apt-get "${apt_private[@]}" update
  log "fetching Debian's qt6-base source"
  fetch_source qt6-base qtbase qt6-base-dev
  log "fetching Debian's qt6-svg source"
  if ! fetch_source qt6-svg qtsvg qt6-svg-dev 2>/dev/null; then
    local tarball
    tarball=$(qtsvg_tarball) || exit 1
    log "using $tarball instead"
    echo "$qtsvg_sha256  $tarball" | sha256sum -c --quiet
    rm -rf "$work/qtsvg" && mkdir "$work/qtsvg"
    tar -xJf "$tarball" -C "$work/qtsvg" --strip-components=1
  fi
}

fetch_source() {  # source-package folder-name binary-package-of-the-host-Qt
  ( cd "$work" && apt-get "${apt_private[@]}" source "$1=$(dpkg-query -W -f='${source:Version}' "$3")" ) >&2 \
    && mv "$work/$1-"*/ "$work/$2"
}

# The first of: $UDJAT_QTSVG_TARBALL, the copy kept in the repository (not in
# the source package), the shared folder beside the checkout.
qtsvg_tarball() {
  local name=qtsvg-everywhere-src-$qt_version.tar.xz candidate
  for candidate in ${UDJAT_QTSVG_TARBALL:-} "$qt_sources_dir/windows/sources/$name" \
                   "$qt_sources_dir/../../shared/qt-sources/$name"; do
    [ -f "$candidate" ] && { echo "$candidate"; return 0; }
  done
  echo "Debian's qt6-svg source could not be downloaded. Provide Qt's own" >&2
  echo "$name and name it in UDJAT_QTSVG_TARBALL." >&2
  return 1
}

# Builds and installs the module configured in the current folder, showing
# one of ninja's [n/total] lines in fifty; the compiler's chatter goes to
# build.log. A failed step does not stop the others, so that one build shows
# every error, which are then shown.
build_qt_module() {  # label
  cmake --build . --parallel "$jobs" -- -k 0 2>&1 | tee build.log \
    | awk -v label="$1" '/^\[[0-9]+\/[0-9]+\]/ { if (++n % 50 == 0) { print "[" label " " strftime("%H:%M:%S") "] " $1; fflush() } }' >&2 \
    || { grep -A4 'error:' build.log | head -80 >&2; exit 1; }
  cmake --install . >/dev/null
}

# Configures qtbase in $work/qtbase-build with the given options, installing
# into $prefix, then builds it.
build_qtbase() {  # label configure-options...
  local label=$1
  shift
  log "configuring qtbase"
  mkdir -p "$work/qtbase-build"
  cd "$work/qtbase-build"
  "$work/qtbase/configure" -prefix "$prefix" "$@" >configure.log 2>&1 \
    || { tail -40 configure.log >&2; exit 1; }
  local feature
  for feature in "${qt_needed_features[@]}"; do
    grep -q "^QT_FEATURE_$feature:INTERNAL=ON" CMakeCache.txt \
      || { log "configured without $feature, which udjat needs"; exit 1; }
  done
  log "building qtbase"
  build_qt_module "$label"
}

# qtsvg on top of the qtbase in $prefix; then which object files carry which
# third-party code is kept beside that Qt, the prefix is marked complete and
# the sources go.
build_qtsvg_and_finish() {  # label
  log "building qtsvg"
  mkdir -p "$work/qtsvg-build"
  cd "$work/qtsvg-build"
  "$prefix/bin/qt-configure-module" "$work/qtsvg" >configure.log 2>&1 \
    || { tail -40 configure.log >&2; exit 1; }
  build_qt_module "$1"
  python3 "$qt_sources_dir/third_party.py" record "$work" "$prefix"
  touch "$prefix/.complete"
  rm -rf "$work"
}
