# Sourced by the scripts that run Wine: one place for the environment.
# Sets VELNOR_ROOT, VELNOR_BUILD, the Wine variables and the Japanese locale.
VELNOR_ROOT=${VELNOR_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
VELNOR_BUILD=${VELNOR_BUILD:-$VELNOR_ROOT/build}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=${WINEDEBUG:--all}
# GetACP() answers 932 only when the C locale is Japanese; LANG alone is not
# enough. The locale is given to Wine's processes only (run them through env
# "${VELNOR_WINE_ENV[@]}"): the shell itself need not know it.
LOCPATH="$VELNOR_BUILD/locale"
VELNOR_WINE_ENV=(LOCPATH="$LOCPATH" LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8)

velnor_locale() {
  if [ ! -d "$LOCPATH/ja_JP.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" 2>/dev/null || true
    [ -d "$LOCPATH/ja_JP.UTF-8" ] || { echo "localedef failed: is the locales package installed?" >&2; return 1; }
  fi
}

# The Wine prefix of a platform mode: win98 (platform kind 1), winxp (kind 2)
# or win64 (a 64-bit prefix running the program under WOW64).
velnor_prefix() {
  echo "$VELNOR_BUILD/wine/$1"
}
