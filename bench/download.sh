#!/usr/bin/env bash
# Download benchmark: HTTP_DownloadFile_Incremental under wine64 (timed inside
# download_probe.exe around the call) against curl -s -o run natively (timed
# around the process), both fetching the same generated file from the tests'
# HTTP server on 127.0.0.1, in one run; plus the peak resident memory of the
# Wine process downloading, for three file sizes, and where our time goes
# (the call split at its progress reports, the transfer loop's steps replayed
# and timed apart: per-chunk wait, read, append).
#
#   ./run bench download      (builds first; or bench/download.sh after a build)
#
# BENCH_MIB (default 64): the file size in MiB; the memory check also fetches
# a quarter of it. BENCH_ROUNDS (default 3): timed rounds of each side,
# interleaved; the best of each counts (the machine may be shared).
# BENCH_WINE_ROOT: where the Wine prefix is made (default: the tests' root, so
# no second template is kept). BENCH_KEEP=1 keeps the files for a look.
#
# Last line: download ratio=R ours_MBps=X curl_MBps=Y peak_MB=Z
# (R = our seconds / curl's seconds, so curl's MB/s / ours; MB/s = 10^6 bytes
# per second; memory in MiB).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

work=$top/out/bench/download
wine_root=${BENCH_WINE_ROOT:-$top/out/build/win64/wine}
wine_name=bench-download
rounds=${BENCH_ROUNDS:-3}
big_mib=${BENCH_MIB:-64}
small_mib=$((big_mib / 4))
probe=$top/out/win64/download_probe.exe

winpath() { local p=${1//\//\\}; echo "Z:$p"; }

# Follows the peak resident set (VmHWM, KiB) of the process whose command name
# is $1 (Wine sets it to the Windows program's file name, cut to 15
# characters) until it ends; writes "PID HWM_KIB COMMAND_LINE" to $2. VmHWM
# only grows, so polling loses nothing but the last interval.
watch_hwm() {
  local name=${1:0:15} out=$2 pid="" hwm=0 value comm f key val _
  for _ in $(seq 3000); do
    for f in /proc/[0-9]*/comm; do
      read -r comm 2>/dev/null <"$f" || continue
      [ "$comm" = "$name" ] && { pid=${f#/proc/}; pid=${pid%/comm}; break 2; }
    done
    sleep 0.01
  done
  [ -n "$pid" ] || { echo "none 0 -" >"$out"; return 1; }
  local cmd
  cmd=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
  while :; do
    value=""
    { while read -r key val _; do [ "$key" = VmHWM: ] && { value=$val; break; }; done <"/proc/$pid/status"; } \
      2>/dev/null || true
    [ -n "$value" ] || break
    hwm=$value
    sleep 0.05
  done
  echo "$pid $hwm $cmd" >"$out"
}

# ---- inside the Wine session, with the server (VANTOR_HTTP_PORT, VANTOR_HTTP_FILES)
if [ "${1:-}" = --inside ]; then
  results=$2
  served=$VANTOR_HTTP_FILES
  base=http://127.0.0.1:$VANTOR_HTTP_PORT/files
  head -c $((big_mib * 1048576)) /dev/urandom >"$served/big.bin"
  head -c $((small_mib * 1048576)) /dev/urandom >"$served/small.bin"
  head -c 1048576 /dev/urandom >"$served/warm.bin"

  # A query of its own per fetch: the same URL is never fetched twice, so the
  # internet library's cache can never answer in place of the server.
  fetch=0
  url_of() { fetch=$((fetch + 1)); echo "$base/$1?fetch=$fetch"; }

  run_ours() { # served file, tag
    local target=$work/ours.bin
    rm -f "$target" "$target".*
    watch_hwm download_probe.exe "$work/hwm.txt" &
    local watcher=$!
    wine "$probe" download "$(url_of "$1")" "$(winpath "$target")" | tr -d '\r' >"$work/probe.txt" || true
    wait "$watcher" || true
    grep -q ' error=none$' "$work/probe.txt" || { echo "our download failed: $(cat "$work/probe.txt")" >&2; exit 1; }
    cmp -s "$target" "$served/$1" || { echo "our download of $1 differs from the served file" >&2; exit 1; }
    read -r pid hwm cmd <"$work/hwm.txt"
    case $cmd in
      *download_probe.exe\ download\ *) ;;
      *) echo "the memory watcher followed the wrong process: $pid $cmd" >&2; exit 1 ;;
    esac
    # Sampling may miss the last growth; the process's own figure (Wine reads
    # the same VmHWM) is taken after the transfer: the larger counts.
    local own
    own=$(sed -n 's/.* peak_ws_kib=\([0-9]*\) .*/\1/p' "$work/probe.txt")
    echo "$2 $(cat "$work/probe.txt") hwm_kib=$hwm peak_kib=$((hwm > own ? hwm : own))" >>"$results"
    rm -f "$target" "$target".*
  }
  run_curl() { # served file
    local target=$work/curl.bin start end
    rm -f "$target"
    start=$(date +%s%N)
    curl -s -o "$target" "$(url_of "$1")"
    end=$(date +%s%N)
    cmp -s "$target" "$served/$1" || { echo "curl's download of $1 differs from the served file" >&2; exit 1; }
    echo "curl ms=$(((end - start) / 1000000))" >>"$results"
    rm -f "$target"
  }

  # A small file first: a warm-up (the first Wine start in a fresh prefix does
  # more) and the memory a download needs anyway; its time is not counted.
  run_ours warm.bin warm
  for _ in $(seq "$rounds"); do
    run_curl big.bin
    run_ours big.bin ours
  done
  run_ours small.bin small
  # Where the time goes inside the transfer loop: its steps replayed and timed
  # apart (wait, read, append), and the library's reads alone; before it, the
  # priming request alone; the wait back to back and the tick count's step.
  echo "loop $(wine "$probe" loop "$(url_of big.bin)" "$(winpath "$work/loop.bin")" | tr -d '\r')" >>"$results"
  cmp -s "$work/loop.bin" "$served/big.bin" || { echo "the replayed loop's file differs from the served file" >&2; exit 1; }
  rm -f "$work/loop.bin"
  echo "read $(wine "$probe" read "$(url_of big.bin)" | tr -d '\r')" >>"$results"
  echo "prime $(wine "$probe" prime "$(url_of big.bin)" | tr -d '\r')" >>"$results"
  echo "costs $(wine "$probe" costs 1000 | tr -d '\r')" >>"$results"
  # What the library kept in its own cache beside our file (each fetch above).
  cache=$(find "$WINEPREFIX/drive_c/users" -path '*INetCache*' -type f -size +1M -printf '%s\n' |
    awk '{n++; s += $1} END {printf "files=%d bytes=%d", n, s}')
  echo "cache $cache" >>"$results"
  exit 0
fi

[ -f "$probe" ] || { echo "build first: ./run build" >&2; exit 1; }
command -v curl >/dev/null || { echo "curl is missing: ./run setup" >&2; exit 1; }

cleanup() {
  [ "${BENCH_KEEP:-0}" = 1 ] && return
  rm -rf "$work"
  # run-in-wine.sh keeps a failed run's prefix; not here.
  rm -rf "${wine_root:?}/prefix-$wine_name"
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
echo "== downloading ${big_mib} MiB from 127.0.0.1 ($rounds rounds each, interleaved), then ${small_mib} MiB"
tests/windows/with-http-server.sh tests/windows/run-in-wine.sh "$wine_root" "$wine_name" \
  "$0" --inside "$work/results.txt"

r=$work/results.txt
field() { # tag, name: the values of NAME= on TAG's lines
  sed -n "s/^$1 .*\b$2=\([0-9.]*\).*/\1/p" "$r"
}
best=$(grep '^ours ' "$r" | sort -t= -k2 -g | head -1)  # the fastest round, split below
fieldof() { sed -n "s/.*\b$1=\([0-9.]*\).*/\1/p" <<<"$best"; }

awk -v mib="$big_mib" -v smib="$small_mib" -v ours="$(fieldof ms)" -v before="$(fieldof before_ms)" \
    -v inloop="$(fieldof loop_ms)" -v after="$(fieldof after_ms)" -v chunks="$(fieldof chunks)" \
    -v curl="$(field curl ms | sort -g | head -1)" \
    -v hb="$(field ours peak_kib | sort -g | tail -1)" -v hs="$(field small peak_kib)" -v hw="$(field warm peak_kib)" \
    -v lw="$(field loop wait_ms)" -v lr="$(field loop read_ms)" -v la="$(field loop append_ms)" \
    -v ln="$(field loop reads)" -v lms="$(field loop ms)" -v rd="$(field read ms)" \
    -v prime="$(field prime ms)" -v bw="$(field costs wait_ms)" -v tick="$(field costs tick_step_ms)" \
    -v cb="$(field cache bytes)" -v cf="$(field cache files)" '
function pct(ms) { return 100 * ms / ours }
BEGIN {
  bytes = mib * 1048576
  printf "file: %d MiB = %.1f MB, read in %d chunks of at most 10240 bytes (expected %d)\n",
         mib, bytes / 1e6, chunks, int((bytes + 10239) / 10240)
  printf "ours (HTTP_DownloadFile_Incremental to a file, wine64, timed around the call, best round): %.3f s = %.1f MB/s\n",
         ours / 1000, bytes / 1e6 / (ours / 1000)
  printf "peer (curl -s -o, native, timed around the process, best round): %.3f s = %.1f MB/s\n",
         curl / 1000, bytes / 1e6 / (curl / 1000)
  printf "peak resident memory (VmHWM) of the Wine process downloading: %.1f MiB for %d MiB, %.1f MiB for %d MiB, %.1f MiB for 1 MiB\n",
         hb / 1024, mib, hs / 1024, smib, hw / 1024
  print "where our time goes (best round):"
  printf "  before the loop: %.2f s = %.0f%%: the 100 ms wait at the start, then the priming request (alone: %.2f s; closing it unread makes the library read the whole reply), then opening the URL\n",
         before / 1000, pct(before), prime / 1000
  printf "  the transfer loop: %.2f s = %.0f%%, %.2f ms a chunk; replayed step by step (%.2f s):\n",
         inloop / 1000, pct(inloop), inloop / chunks, lms / 1000
  printf "    per-chunk wait: %.2f ms a chunk (nominal 2 ms; %.2f ms back to back; GetTickCount, which ends it, moves in %.1f ms steps while nothing calls the wineserver)\n",
         lw / ln, bw, tick
  printf "    read through the internet library: %.2f ms a chunk (alone, with no wait: %.3f s = %.0f MB/s)\n",
         lr / ln, rd / 1000, bytes / 1e6 / (rd / 1000)
  printf "    append to the partial file (open, write, close): %.3f ms a chunk\n", la / ln
  printf "  after the loop (the rename): %.2f s\n", after / 1000
  waits = 100 + chunks * lw / ln
  printf "  waiting in all: 100 ms + %d chunks x %.2f ms = %.2f s = %.0f%% of ours (the nominal 2 ms: %.2f s = %.0f%%)\n",
         chunks, lw / ln, waits / 1000, pct(waits), (100 + 2 * chunks) / 1000, pct(100 + 2 * chunks)
  printf "  besides: the internet library writes what it reads to its cache too; the prefix held %d such files (%.1f MiB) at the end\n",
         cf, cb / 1048576
}'
echo "rounds:"
sed 's/^/  /' "$r"
ours_ms=$(fieldof ms)
curl_ms=$(field curl ms | sort -g | head -1)
hwm_big=$(field ours peak_kib | sort -g | tail -1)
awk -v mib="$big_mib" -v ours="$ours_ms" -v curl="$curl_ms" -v hb="$hwm_big" 'BEGIN {
  bytes = mib * 1048576
  printf "download ratio=%.2f ours_MBps=%.1f curl_MBps=%.1f peak_MB=%.1f\n",
         ours / curl, bytes / 1e6 / (ours / 1000), bytes / 1e6 / (curl / 1000), hb / 1024
}'
