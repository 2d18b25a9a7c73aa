# The steps the Windows and the browser's static Qt share once configured, sourced by windows-qt.sh and web-qt.sh (which define stage).

# Options both static Qts share so that a new machine builds each from nothing well inside CI's
# time. -optimize-size compiles with -Os: a fifth less compile time with g++ and a tenth with the
# browser's clang, a smaller page, and speed the game never misses (it redraws a few pictures).
# The features are classes the game, its tools and its tests never name, about a twentieth of
# the steps (the graphics view alone is the largest part of the widgets); Qt's configure turns
# off what depends on them. The Windows Vista style goes too: the game draws with Fusion, and
# that style includes the input dialog's header whether the dialog is built or not.
qt_lean_options=(-optimize-size)
for feature in graphicsview graphicseffect calendarwidget datetimeedit mdiarea wizard dockwidget \
  colordialog fontdialog fontcombobox inputdialog columnview datawidgetmapper undoview undogroup \
  undostack undocommand keysequenceedit lcdnumber dial toolbox splashscreen errormessage \
  syntaxhighlighter tablewidget commandlinkbutton pdf movie textodfwriter textmarkdownreader \
  textmarkdownwriter systemtrayicon sessionmanager style-windowsvista; do
  qt_lean_options+=("-no-feature-$feature")
done
unset feature

# Compiles the Qt configured in WORK/build and installs it, the whole output in LOG: every 50th
# step and every line that is not a step (warnings, errors) reach the terminal. Removes WORK.
qt_compile_and_install() { # WORK LOG
  local work=$1 log=$2
  stage "compiling with $(nproc) jobs"
  show_progress() {
    local line
    while IFS= read -r line; do
      if [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
        if ((BASH_REMATCH[1] % 50 == 0 || BASH_REMATCH[1] == BASH_REMATCH[2])); then
          stage "step ${BASH_REMATCH[1]} of ${BASH_REMATCH[2]}"
        fi
      else
        printf '  %s\n' "$line"
      fi
    done
  }
  if ! nice -n 10 ninja -C "$work/build" -j "$(nproc)" 2>&1 | tee -a "$log" | show_progress; then
    tail -n 40 "$log"
    stage "the build failed; the full log is $log"
    exit 1
  fi

  stage "installing"
  cmake --install "$work/build" >>"$log" 2>&1 || {
    tail -n 40 "$log"
    exit 1
  }

  stage "removing the build tree"
  rm -rf "$work"
}

# Earlier configurations are never used again: a change of version or options builds anew. Removes
# every complete install (one holding MARKER) in CACHE but PREFIX.
qt_remove_earlier() { # CACHE PREFIX MARKER
  local cache=$1 prefix=$2 marker=$3 old
  for old in "$cache"/*-*/; do
    old=${old%/}
    case "$old" in
      "$prefix" | "$cache"/build-*) ;;
      *) [ -f "$old/$marker" ] && rm -rf "$old" ;;
    esac
  done
}
