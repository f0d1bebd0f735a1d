#!/usr/bin/env bash
# The main job: packs the sample product (with the test engine as its setup
# engine) into a setup file, runs it under Wine as a user would, and shows
# what happened: the debug trace, the engine's command line, the exit code,
# the work folder gone, and a picture of the progress window. Then it runs
# the update agent file under its own name and shows how it hands over to its
# X_ copy.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=$top/out/demo
rm -rf "$demo"
mkdir -p "$demo/product" "$demo/engine"
winpath() { local p=${1//\//\\}; echo "Z:$p"; }
vpack=$top/out/native/vpack
stub=$top/out/win64/VantorStub.exe

cp -r "$top/sample/product/." "$demo/product/"
cp "$top/out/win64/testengine.exe" "$demo/product/Engine.exe"
"$vpack" setup --stub "$stub" --out "$demo/setup.exe" --dir "$demo/product" --flags 8 \
  --engine "Engine.exe*/TE_WINDOW=1500 /TE_EXIT=3" \
  --lang-block "~ENGLISH~s0=Widget Studio Setup~s1=Unpacking Widget Studio...~" \
  --lang-block "~GERMAN~s0=Widget Studio Installation~s1=Widget Studio wird entpackt...~"
"$vpack" setup --stub "$stub" --out "$demo/WidgetAgent.exe" --agent --flags 16 \
  --agent-name WidgetAgent.exe --info-file Widget.info --update-base "http://127.0.0.1:8080/widget/" \
  --token "widget-studio" --file "$top/sample/product/readme.txt"

echo "=== The setup file"
"$vpack" info "$demo/setup.exe" | grep -E '^(FileSize|FilesCount|ChecksumOk|LanguageTable|FileRecord[0-9]+\.Header)='

# The picture: vshot waits for the launcher's window (its class is the setup's full path).
wine "$top/out/win64/vshot.exe" "$(winpath "$demo/setup.exe")" "$(winpath "$demo/progress_window.png")" 30000 &
shot=$!
export VANTOR_ENGINE_RECORD_DIR
VANTOR_ENGINE_RECORD_DIR=$(winpath "$demo/engine")
rc=0
wine "$top/out/win64/vdebugview.exe" --plain "$(winpath "$demo/trace.txt")" --run "$(winpath "$demo/setup.exe")" /X=1 \
  || rc=$?
wait "$shot" || echo "(no picture of the progress window was taken)"
echo "--- setup.exe exited with $rc (the engine was told to exit with 3); its debug lines:"
tr -d '\r' < "$demo/trace.txt"
echo "--- what the engine saw:"
tr -d '\r' < "$demo/engine/testengine.txt"
work=$(grep '^Folder=' "$demo/engine/testengine.txt" | cut -d= -f2- | tr -d '\r')
unix_work=$(winepath -u "$work" 2>/dev/null || true)
if [ -n "$unix_work" ] && [ ! -e "$unix_work" ]; then echo "--- the work folder $work is gone"; fi
[ -f "$demo/progress_window.png" ] && echo "--- the progress window: $demo/progress_window.png"

echo
echo "=== The update agent, started under its own name"
rm -f "$demo/trace.txt"
wine "$top/out/win64/vdebugview.exe" --plain "$(winpath "$demo/trace.txt")" --run "$(winpath "$demo/WidgetAgent.exe")" /TEST=1
tr -d '\r' < "$demo/trace.txt"
echo "--- its log file X_WidgetAgent.log (its X_ copy goes on to check; ./run demo agent shows a whole update cycle):"
tr -d '\r' < "$demo/X_WidgetAgent.log"
