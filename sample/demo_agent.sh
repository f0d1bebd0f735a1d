#!/usr/bin/env bash
# The main job's second half: installs the sample product with its update
# agent into a folder, publishes an update of it on a local web server
# (VANTOR_HTTP_PORT and VANTOR_HTTP_FILES, from with-http-server.sh), starts
# the agent with /TEST=1 and shows the whole update cycle: the questions
# (answered with Enter, each saved as a picture), the download, the product
# closed and started again, the update's setup run by the test engine, and the
# installed version before and after.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=$top/out/demo-agent
rm -rf "$demo"
mkdir -p "$demo/installed" "$demo/update" "$demo/engine" "$demo/pictures"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
vpack=$top/out/native/vpack
bin=$top/out/win64
server=http://127.0.0.1:$VANTOR_HTTP_PORT/files
published=$VANTOR_HTTP_FILES
token=widget-studio

echo "=== Publishing Widget Studio 2 on $server"
cp -r "$top/sample/product/." "$demo/update/"
sed -i 's/1\.0/2.0/' "$demo/update/readme.txt" "$demo/update/widget.ini"
cp "$bin/testengine.exe" "$demo/update/Engine.exe"
"$vpack" setup --stub "$bin/VantorStub.exe" --out "$published/WidgetUpdate.exe" --dir "$demo/update" \
  --engine "Engine.exe*/TE_WINDOW=1500" --token "$token"
"$vpack" update-info --out "$published/Widget.info" --version 2 --program-name "Widget Studio" \
  --url "$server" --update-file "$published/WidgetUpdate.exe" --running-process "<InstallDir>WidgetStudio.exe"
tr -d '\r' < "$published/Widget.info"

echo "=== Installing Widget Studio 1 with its agent in $(winpath "$demo/installed")"
"$vpack" setup --stub "$bin/VantorStub.exe" --out "$demo/installed/WidgetAgent.exe" --agent --flags 16 \
  --agent-name WidgetAgent.exe --info-file Widget.info --update-base "$server" --token "$token" \
  --file "$top/sample/product/readme.txt"
cp "$bin/testhost.exe" "$demo/installed/WidgetStudio.exe"
printf '%s\r\n' "[OriginalSetup]" "VersionOriginal=1" "Stamp=1" "ProgramName=Widget Studio" \
  "ProbeSecondsInterval=86400" "ReAskSecondsInterval=604800" \
  "[Directories]" "TargetDir=$(winpath "$demo/installed")" \
  "[AutoUpdate]" \
  "s11=<B>PROG_NAME</B> has a new version." "s12=<P>Download and install it now?" \
  "s15=Please close PROG_NAME so that it can be updated." \
  "s16=PROG_NAME is up to date now." "s17=<P>Start it again?" \
  "s21=There is no new version of PROG_NAME." > "$demo/installed/Widget.original"
echo "--- the installed version: $(grep VersionOriginal "$demo/installed/Widget.original" | tr -d '\r')"

export VANTOR_ENGINE_RECORD_DIR
VANTOR_ENGINE_RECORD_DIR=$(winpath "$demo/engine")
wine "$bin/vdebugview.exe" --plain "$(winpath "$demo/trace.txt")" &
wine "$bin/vshot.exe" --answer VMsgBox "$(winpath "$demo/pictures/question")" 30000 &
answers=$!
wine "$demo/installed/WidgetStudio.exe" --record "$(winpath "$demo/product.txt")" &
for _ in $(seq 100); do [ -s "$demo/product.txt" ] && break; sleep 0.1; done

echo "=== Starting the agent: WidgetAgent.exe /TEST=1"
wine "$demo/installed/WidgetAgent.exe" /TEST=1
# The agent's copy runs the check, then ends two timer steps later and
# removes its own file.
for _ in $(seq 1200); do [ -e "$demo/installed/X_WidgetAgent.exe" ] || break; sleep 0.1; done
wait "$answers" || true

echo "--- the agent's log file X_WidgetAgent.log:"
tr -d '\r' < "$demo/installed/X_WidgetAgent.log"
echo "--- its debug lines:"
tr -d '\r' < "$demo/trace.txt" | grep -E ' (Fire|GetOkToPerformAU=|==== Perform|ShotTimeStatus=)' || true
echo "--- what the update's setup engine saw:"
tr -d '\r' < "$demo/engine/testengine.txt" || echo "(the engine did not run)"
echo "--- the product's record (it was closed with WM_CLOSE, then started again):"
tr -d '\r' < "$demo/product.txt"
if pgrep -f 'WidgetStudio.exe' > /dev/null; then echo "--- WidgetStudio.exe runs again, started by the agent"; fi
echo "--- the installed version now: $(grep VersionOriginal "$demo/installed/Widget.original" | tr -d '\r')"
echo "--- the questions, as pictures:"
ls "$demo/pictures"/*.png
