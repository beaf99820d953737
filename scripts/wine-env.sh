# Sourced by the scripts: one place for the root and build paths, the Wine
# environment, the Japanese locale and the test bed this host gives.
# Sets VELNOR_ROOT, VELNOR_BUILD, the Wine variables and the locale.
VELNOR_ROOT=${VELNOR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
VELNOR_BUILD=${VELNOR_BUILD:-$VELNOR_ROOT/build}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
# GetACP() answers 932 only when the C locale is Japanese; LANG alone is not
# enough. The locale is given to Wine's processes only (run them through env
# "${VELNOR_WINE_ENV[@]}"): the shell itself need not know it.
LOCPATH="$VELNOR_BUILD/locale"
VELNOR_WINE_ENV=(LOCPATH="$LOCPATH" LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8)

# The locale source and charmap a locale's name is made from, as "SOURCE
# CHARMAP" (de_DE.UTF-8: de_DE UTF-8; sr_RS.UTF-8@latin: sr_RS@latin UTF-8);
# status 1 for a name that does not give both.
velnor_locale_parts() {
  [[ "$1" =~ ^([a-z]{2,3}_[A-Z]{2})\.([A-Za-z0-9_-]+)(@[a-z]+)?$ ]] || return 1
  echo "${BASH_REMATCH[1]}${BASH_REMATCH[3]} ${BASH_REMATCH[2]}"
}

# Compiles into LOCPATH Japanese (code page 932), an English one (1252)
# where the program shows its English texts, and each locale NAME given.
# With LOCPATH set glibc looks nowhere else, so a locale not made here would
# leave Wine quietly in the C locale. Status 1 when the locales package is
# missing, 2 for a NAME that cannot be made.
velnor_locale() {
  local name parts
  for name in ja_JP.UTF-8 en_US.UTF-8 "$@"; do
    [ ! -e "$LOCPATH/$name/LC_CTYPE" ] || continue
    if ! parts=$(velnor_locale_parts "$name"); then
      echo "The locale $name is not one to make: give it as language_TERRITORY.CHARMAP, e.g. de_DE.UTF-8." >&2
      return 2
    fi
    mkdir -p "$LOCPATH"
    # localedef fails for warnings too, and makes the directory even when it
    # writes nothing into it: what it leaves is what counts.
    localedef -i "${parts% *}" -f "${parts#* }" "$LOCPATH/$name" 2>/dev/null || true
    if [ ! -e "$LOCPATH/$name/LC_CTYPE" ]; then
      rm -rf "${LOCPATH:?}/$name"
      # The two made first need nothing but the locales package.
      case "$name" in
        ja_JP.UTF-8 | en_US.UTF-8) echo "localedef failed: is the locales package installed?" >&2; return 1 ;;
      esac
      echo "The locale $name cannot be made: glibc has no source ${parts% *} or no charmap ${parts#* }." >&2
      return 2
    fi
  done
}

# The Windows builds: the product, and the x86-64 test build of the same
# sources for hosts that run no 32-bit programs.
VELNOR_WIN32_BUILD="$VELNOR_BUILD/win"
VELNOR_WIN64_BUILD="$VELNOR_BUILD/win64"

# A static i386 program of 125 bytes: it asks the kernel's uname for the
# machine and exits with status 3 when it is x86_64, 4 when it is anything
# else. A 32-bit program on a 64-bit kernel is told x86_64; qemu-i386 tells
# the programs it emulates i686.
VELNOR_I386_PROBE=7f454c46010101000000000000000000020003000100000054800408340000000000000000000000
VELNOR_I386_PROBE+=340020000100000000000000010000000000000000800408008004087d000000000400000700000000
VELNOR_I386_PROBE+=100000b87a000000bb80800408cd80bb04000000813d848104087838365f7505bb03000000b801000000cd80

# Prints the name of an enabled binfmt_misc entry (in DIR) that claims a file
# starting with the bytes HEX, if there is one. The kernel tries such entries
# before its own loader, so a 32-bit program may "run" under an emulator.
velnor_binfmt_claimant() {
  local dir=$1 hex=$2 entry key value magic mask offset i bits
  [ "$(head -n1 "$dir/status" 2>/dev/null)" = enabled ] || return 0
  for entry in "$dir"/*; do
    case "${entry##*/}" in status | register) continue ;; esac
    [ "$(head -n1 "$entry" 2>/dev/null)" = enabled ] || continue
    magic="" mask="" offset=0
    while read -r key value; do
      case "$key" in
        magic) magic=$value ;;
        mask) mask=$value ;;
        offset) offset=$value ;;
      esac
    done <"$entry"
    [ -n "$magic" ] || continue  # an entry by file name extension
    [ $((2 * offset + ${#magic})) -le ${#hex} ] || continue
    for ((i = 0; i < ${#magic}; i += 2)); do
      bits=${mask:i:2}
      bits=$((16#${bits:-ff}))
      [ $((16#${hex:2 * offset + i:2} & bits)) -eq $((16#${magic:i:2} & bits)) ] || continue 2
    done
    echo "${entry##*/}"
    return 0
  done
}

# Which test bed this host gives the end-to-end tests and `make run`: the
# 32-bit product under 32-bit Wine where the host runs 32-bit programs, the
# x86-64 test build under 64-bit Wine where it does not, or where the switch
# VELNOR_TESTBED=x86-64 asks for it. Found out by running the probe, never
# guessed. Sets VELNOR_ARCH (i386 or x86-64), VELNOR_ARCH_WHY, VELNOR_WIN (the
# directory of the Windows build under test) and VELNOR_WINE (the command
# that runs it: Debian's `wine` starts the 32-bit loader whenever wine32 is
# installed, even where it cannot run, so the x86-64 test bed names the
# 64-bit one).
velnor_testbed() {
  VELNOR_ARCH=x86-64
  case "${VELNOR_TESTBED:-}" in
    "") ;;
    x86-64) VELNOR_ARCH_WHY="VELNOR_TESTBED=x86-64 asks for it" ;;
    *)
      echo "VELNOR_TESTBED=$VELNOR_TESTBED: the one value is x86-64 (unset, the host decides)" >&2
      return 2
      ;;
  esac
  if [ -z "${VELNOR_TESTBED:-}" ]; then
    local claimant probe status=0
    claimant=$(velnor_binfmt_claimant /proc/sys/fs/binfmt_misc "$VELNOR_I386_PROBE")
    if [ -n "$claimant" ]; then
      VELNOR_ARCH_WHY="binfmt_misc entry '$claimant' would run 32-bit programs in an emulator, which is no test bed"
    else
      mkdir -p "$VELNOR_BUILD"
      probe=$(mktemp "$VELNOR_BUILD/.i386-probe.XXXXXX")
      printf "$(sed 's/../\\x&/g' <<<"$VELNOR_I386_PROBE")" >"$probe"
      chmod +x "$probe"
      "$probe" 2>/dev/null || status=$?
      rm -f "$probe"
      if [ "$status" -eq 3 ] || { [ "$status" -eq 4 ] && [ "$(uname -m)" != x86_64 ]; }; then
        VELNOR_ARCH=i386
        VELNOR_ARCH_WHY="this host runs 32-bit programs"
      elif [ "$status" -eq 4 ]; then
        VELNOR_ARCH_WHY="32-bit programs run here only in an emulator, which is no test bed"
      else
        VELNOR_ARCH_WHY="this host cannot run 32-bit programs"
      fi
    fi
  fi
  if [ "$VELNOR_ARCH" = i386 ]; then
    VELNOR_WIN=$VELNOR_WIN32_BUILD
    VELNOR_WINE=wine
  else
    VELNOR_WIN=$VELNOR_WIN64_BUILD
    VELNOR_WINE=/usr/lib/wine/wine64
    # The loader that Wine's own processes start their children with.
    export WINELOADER=$VELNOR_WINE
  fi
  export VELNOR_ARCH VELNOR_WIN VELNOR_WINE
}

# The test bed in one plain line.
velnor_testbed_line() {
  if [ "$VELNOR_ARCH" = i386 ]; then
    echo "test bed: velnor.exe under 32-bit Wine ($VELNOR_ARCH_WHY)"
  else
    echo "test bed: the x86-64 test build under 64-bit Wine, not the 32-bit product ($VELNOR_ARCH_WHY)"
  fi
}

# The closing lines of a run on the x86-64 test bed: what was skipped there,
# since it needs the 32-bit executable itself, one line per part with the
# modes it was skipped in. FILE holds one line per mode and part: mode, part
# and why, separated by tabs (tests/e2e/run_tests.py and velnor_e2e.py's
# note_skipped write them).
# Usage: velnor_skipped_lines WHAT FILE   (WHAT: what ran, e.g. "The end-to-end tests")
velnor_skipped_lines() {
  [ "$VELNOR_ARCH" = x86-64 ] || return 0
  echo
  echo "$1 ran against the x86-64 test build, not velnor.exe: $VELNOR_ARCH_WHY."
  [ -s "$2" ] || return 0
  echo "Skipped there, since they need the 32-bit executable itself:"
  awk -F'\t' '{ key = $2 "\t" $3; if (!(key in modes)) order[n++] = key
                modes[key] = modes[key] (modes[key] == "" ? "" : ", ") $1 }
              END { for (i = 0; i < n; i++) { split(order[i], part, "\t")
                      printf "  %s (%s): %s\n", part[1], modes[order[i]], part[2] } }' "$2"
}

# The Wine prefix of a platform mode: win98 (platform kind 1), winxp (kind 2)
# or win64 (a 64-bit prefix running the program under WOW64). The x86-64
# test bed has 64-bit prefixes of its own for win98 and winxp.
velnor_prefix() {
  if [ "${VELNOR_ARCH:-i386}" = x86-64 ]; then
    echo "$VELNOR_BUILD/wine/$1-x86-64"
  else
    echo "$VELNOR_BUILD/wine/$1"
  fi
}

# Copies a prefix for a run. Wine's binaries and fonts under drive_c/windows
# are written once by wineboot and only read after, so the copy shares them
# as hard links (a 64-bit prefix is 1.3 GB, most of it DLLs, and a test run
# makes several copies); the registry, the .ini files and everything else
# are real copies, since a run writes them.
# Usage: velnor_copy_prefix FROM TO
velnor_copy_prefix() {
  local from=$1 to=$2
  rm -rf "$to"
  # Also where the caller tests the status (errexit is off there).
  cp -al "$from" "$to" || return
  find "$to" -type f ! \( -path "$to/drive_c/windows/*" -a \( \
      -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.nls' \
      -o -iname '*.ocx' -o -iname '*.acm' -o -iname '*.cpl' -o -iname '*.tlb' -o -iname '*.ax' \
      -o -iname '*.ds' -o -iname '*.vxd' -o -iname '*.ttf' -o -iname '*.ttc' -o -iname '*.fon' \) \) \
    -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' velnor-copy {} +
}

# Runs a command in a platform mode's prefix under an X server of its own
# (Xvfb, 1024 x 768 in 24-bit colour), with the Japanese locale, the build
# paths and the test bed in its environment, and gives back its status: the
# one way the scripts run Wine without a display. A persistent Wine server
# starts first and is stopped after: registry fixtures of the volatile keys
# live as long as it does, and every command of the session shares it. With
# --sessions the command runs its own Wine sessions instead (it waits for the
# end of each, to read the prefix's files after it).
# Usage: velnor_session [--sessions] PREFIX MODE [NAME=value...] -- COMMAND [ARGUMENTS...]
velnor_session() {
  local persistent=yes
  if [ "$1" = --sessions ]; then persistent=no; shift; fi
  local prefix=$1 mode=$2 settings=()
  shift 2
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  local run=(sh -c 'wineserver -p; "$@"; rc=$?; wineserver -k; exit $rc' velnor-session "$@")
  [ "$persistent" = yes ] || run=("$@")
  env "${VELNOR_WINE_ENV[@]}" WINEPREFIX="$prefix" VELNOR_MODE="$mode" VELNOR_BUILD="$VELNOR_BUILD" \
    PYTHONPATH="$VELNOR_ROOT/tests/e2e:$VELNOR_ROOT/bench" PYTHONDONTWRITEBYTECODE=1 "${settings[@]}" \
    xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}"
}

# Runs a command as velnor_session does, in a fresh copy of a platform mode's
# prefix (made by scripts/wine-prefix.sh) that is deleted once the command has
# ended, however it ended: what one run writes there, registry or files,
# never reaches the next. The copy lies beside the prefix, its name ending in
# -NAME. With --prepare FUNCTION, FUNCTION is called with the copy's path
# before the session starts (for what must be there before Wine's first
# process, such as drives). Gives back the command's status.
# Usage: velnor_fresh_session [--sessions] [--prepare FUNCTION] MODE NAME [NAME=value...] -- COMMAND [ARGUMENTS...]
velnor_fresh_session() {
  local options=() prepare=""
  while :; do
    case "$1" in
      --sessions) options+=(--sessions); shift ;;
      --prepare) prepare=$2; shift 2 ;;
      *) break ;;
    esac
  done
  local mode=$1 name=$2 pristine copy status=0
  shift 2
  pristine=$("$VELNOR_ROOT/scripts/wine-prefix.sh" "$mode") || return
  copy="$pristine-$name"
  velnor_copy_prefix "$pristine" "$copy" || status=$?
  [ "$status" -ne 0 ] || [ -z "$prepare" ] || "$prepare" "$copy" || status=$?
  [ "$status" -ne 0 ] || velnor_session "${options[@]}" "$copy" "$mode" "$@" || status=$?
  rm -rf "$copy"
  return "$status"
}
