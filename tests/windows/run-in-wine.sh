#!/usr/bin/env bash
# Runs a command (usually "wine program.exe ...") inside its own Xvfb display
# and its own fresh WINEPREFIX (copied from a template made once per build),
# and stops that prefix's wineserver at the end. The prefix is kept for a look
# when the command fails.
#
#   run-in-wine.sh WINE_ROOT NAME COMMAND [ARGS...]
set -u
root=$1 name=$2; shift 2
mkdir -p "$root"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

template=$root/template
(
  flock 9
  if [ ! -f "$template/.vantor-template-2" ]; then
    rm -rf "$template"
    WINEPREFIX=$template wine wineboot --init >/dev/null 2>&1
    # Xvfb has no window manager: Wine draws the frames itself and does not
    # wait for one when a window goes away.
    WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    WINEPREFIX=$template wineserver -w
    touch "$template/.vantor-template-2"
  fi
) 9>"$root/template.lock"

prefix=$root/prefix-$name
rm -rf "$prefix"
cp -a "$template" "$prefix"
export WINEPREFIX=$prefix

# A display of our own: -displayfd picks a free number without races.
exec 8< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 30 display <&8 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display

"$@"
rc=$?

wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
[ "$rc" -eq 0 ] && rm -rf "$prefix"
exit "$rc"
