#!/usr/bin/env bash
# The main job: packs the sample product into a setup file and an update agent
# file, runs each under Wine with the debug viewer listening, and shows what
# the program did (its debug lines and, for the agent, its log file).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo=$top/out/demo
rm -rf "$demo"
mkdir -p "$demo"
vpack=$top/out/native/vpack
stub=$top/out/win64/VantorStub.exe

"$vpack" setup --stub "$stub" --out "$demo/setup.exe" --dir "$top/sample/product" \
  --lang-block "~ENGLISH~s0=Widget Studio Setup~"
"$vpack" setup --stub "$stub" --out "$demo/WidgetAgent.exe" --agent --flags 16 \
  --agent-name WidgetAgent.exe --info-file Widget.info --update-base "http://127.0.0.1:8080/widget/" \
  --token "widget-studio" --file "$top/sample/product/readme.txt"

run_here() { # a file in out/demo, run under Wine with the viewer capturing its trace
  local name=$1; shift
  rm -f "$demo/trace.txt"
  wine "$top/out/win64/vdebugview.exe" --plain "Z:${demo//\//\\}\\trace.txt" --run "Z:${demo//\//\\}\\$name" "$@" \
    && rc=0 || rc=$?
  echo "--- $name exited with $rc; its debug lines:"
  tr -d '\r' < "$demo/trace.txt"
}

echo "=== The packed setup file"
"$vpack" info "$demo/setup.exe"
run_here setup.exe
echo
echo "=== The update agent, started under its own name"
run_here WidgetAgent.exe /TEST=1
echo "--- its log file X_WidgetAgent.log:"
tr -d '\r' < "$demo/X_WidgetAgent.log"
