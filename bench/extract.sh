#!/usr/bin/env bash
# Extraction benchmark: the launcher unpacking a ~200 MB mixed package under
# wine64 (its own "UnCompressTime" debug line, i.e. ExtractPackage) against
# 7-Zip unpacking a deflate zip of the same files, both writing to the same
# file system, in one run; plus the checksum pass's speed (native) and the
# launcher process's peak resident memory.
#
#   ./run bench extract      (builds first; or bench/extract.sh after a build)
#
# BENCH_ROUNDS (default 5): timed rounds of each side, interleaved; the best
# of each counts (the machine may be shared). BENCH_WINE_ROOT: where the Wine
# prefix is made (default: the tests' root, so no second ~700 MB template is
# kept). BENCH_KEEP=1 keeps the files for a look.
#
# Last line: extract ratio=R ours_MBps=X checksum_MBps=Y peak_MB=Z
# (R = our seconds / 7-Zip's seconds; MB/s = 10^6 unpacked bytes per second;
# memory in MiB).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

work=$top/out/bench/extract
wine_root=${BENCH_WINE_ROOT:-$top/out/build/win64/wine}
wine_name=bench-extract
rounds=${BENCH_ROUNDS:-5}
# A name of its own: the memory watcher finds the Wine process by it.
setup_name=vbench_setup.exe
sevenzip=$(command -v 7zz || command -v 7z || true)

winpath() { local p=${1//\//\\}; echo "Z:$p"; }

# ---- inside the Wine session (run-in-wine.sh has set WINEPREFIX and DISPLAY)
if [ "${1:-}" = --inside ]; then
  results=$2
  temp_dir=$(echo "$WINEPREFIX"/drive_c/users/*/Temp)
  echo "work_device=$(stat -c %d "$work") temp_device=$(stat -c %d "$temp_dir")" >"$results"
  run_ours() { # setup file, tag
    rm -f "$work/trace.txt"
    python3 "$top/bench/watch_rss.py" "$(basename "$1")" 300 >"$work/rss.txt" &
    local watcher=$! start end
    # Where the launcher unpacks: seen once in the prefix's Temp folder.
    (for _ in $(seq 600); do
       compgen -G "$temp_dir/SETUP_*" >/dev/null && { echo "work folder seen in $temp_dir" >"$work/seen.txt"; break; }
       sleep 0.02
     done) &
    local looker=$!
    start=$(date +%s%N)
    wine "$top/out/win64/vdebugview.exe" --plain "$(winpath "$work/trace.txt")" --run "$(winpath "$1")"
    end=$(date +%s%N)
    wait "$watcher" || true
    kill "$looker" 2>/dev/null || true
    wait "$looker" 2>/dev/null || true
    local ms
    ms=$(tr -d '\r' <"$work/trace.txt" | sed -n 's/^UnCompressTime: \([0-9]*\) MS$/\1/p' | tail -1)
    [ -n "$ms" ] || { echo "no UnCompressTime line from $1" >&2; tr -d '\r' <"$work/trace.txt" >&2; exit 1; }
    # The launcher removes its work folder; nothing of it may be left.
    if compgen -G "$temp_dir/SETUP_*" >/dev/null; then echo "work folder left in $temp_dir" >&2; exit 1; fi
    echo "$2 ms=$ms wall_ms=$(((end - start) / 1000000)) hwm_kib=$(cut -d' ' -f2 "$work/rss.txt")" >>"$results"
  }
  run_peer() {
    rm -rf "$work/peer_out"
    sync
    local start end
    start=$(date +%s%N)
    "$sevenzip" x -y -bd -bso0 -bsp0 -o"$work/peer_out" "$work/peer.zip"
    end=$(date +%s%N)
    echo "peer ms=$(((end - start) / 1000000))" >>"$results"
    rm -rf "$work/peer_out"
  }
  # A tiny package first: the memory a launcher needs anyway, and a warm-up
  # (the first Wine start in a fresh prefix does more); its time is not counted.
  run_ours "$work/tiny_setup.exe" baseline
  for _ in $(seq "$rounds"); do
    run_peer
    sync
    run_ours "$work/$setup_name" ours
  done
  exit 0
fi

[ -x "$top/out/native/vpack" ] && [ -f "$top/out/win64/VantorStub.exe" ] && [ -x "$top/out/native/checksum_bench" ] ||
  { echo "build first: ./run build" >&2; exit 1; }
[ -n "$sevenzip" ] || { echo "7-Zip (7zz) is missing: ./run setup" >&2; exit 1; }

cleanup() {
  [ "${BENCH_KEEP:-0}" = 1 ] && return
  rm -rf "$work"
  # run-in-wine.sh keeps a failed run's prefix (~700 MB); not here.
  rm -rf "${wine_root:?}/prefix-$wine_name"
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
echo "== making the files"
python3 bench/mixed_files.py "$work/files" 200
total_bytes=$(find "$work/files" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
file_count=$(find "$work/files" -type f | wc -l)

echo "== packing"
out/native/vpack setup --stub out/win64/VantorStub.exe --out "$work/$setup_name" --dir "$work/files" >/dev/null
mkdir -p "$work/tiny"
echo "one small file" >"$work/tiny/readme.txt"
out/native/vpack setup --stub out/win64/VantorStub.exe --out "$work/tiny_setup.exe" --dir "$work/tiny" >/dev/null
(cd "$work/files" && "$sevenzip" a -tzip -mm=Deflate -bd -bso0 -bsp0 "$work/peer.zip" .)
# The largest record, compressed and inflated: what the memory target is measured against.
first_record=$(out/native/vpack info "$work/$setup_name" | sed -n 's/^FileRecordsOffset=//p')
read -r largest_c largest_u largest_name < <(python3 - "$work/$setup_name" "$first_record" <<'EOF'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
high, low = struct.unpack_from("<II", data, 248)  # PackageEnd: high word first
end = (high << 32 | low) or len(data)
pos = int(sys.argv[2])
best = (0, 0, "")
while end - pos > 74:
    length = struct.unpack_from("<i", data, pos)[0]
    size = abs(length)
    body = data[pos + 4:pos + 4 + size]
    text = zlib.decompress(body) if length > 0 else body
    if size + len(text) > best[0] + best[1]:
        best = (size, len(text), text.split(b"\0", 1)[0].split(b"|")[1].decode())
    pos += 4 + size
print(*best)
EOF
)

# The checksum pass over a 50 MB file (the limit is 52,428,800 bytes); what
# is summed does not matter for the speed, so a slice of the package will do.
dd if="$work/$setup_name" of="$work/checksum.bin" bs=1M iflag=skip_bytes,count_bytes skip=1000000 count=50000000 \
  status=none
checksum_line=$(out/native/checksum_bench "$work/checksum.bin" 7)
rm -f "$work/checksum.bin"

echo "== timing ($rounds rounds each, interleaved)"
tests/windows/run-in-wine.sh "$wine_root" "$wine_name" "$0" --inside "$work/results.txt"

[ -f "$work/seen.txt" ] || { echo "the launcher's work folder was never seen in the prefix's Temp folder" >&2; exit 1; }
read -r work_device temp_device < <(sed -n '1s/work_device=\([0-9]*\) temp_device=\([0-9]*\)/\1 \2/p' "$work/results.txt")
timings() { sed -n "s/^$1 ms=\([0-9]*\).*/\1/p" "$work/results.txt" | sort -n; }
mapfile -t ours_all < <(timings ours)
mapfile -t peer_all < <(timings peer)
ours_ms=${ours_all[0]} ours_median=${ours_all[$((${#ours_all[@]} / 2))]}
peer_ms=${peer_all[0]} peer_median=${peer_all[$((${#peer_all[@]} / 2))]}
hwm_kib=$(sed -n 's/^ours .* hwm_kib=\([0-9]*\)$/\1/p' "$work/results.txt" | sort -n | tail -1)
base_kib=$(sed -n 's/^baseline .* hwm_kib=\([0-9]*\)$/\1/p' "$work/results.txt")
# The median: single rounds of a 50 MB sum vary with the machine's other work.
checksum_mbps=$(sed -n 's/.* median_MBps=\([0-9]*\) .*/\1/p' <<<"$checksum_line")

awk -v total="$total_bytes" -v files="$file_count" -v ours="$ours_ms" -v peer="$peer_ms" -v hwm="$hwm_kib" \
    -v ours_med="$ours_median" -v peer_med="$peer_median" \
    -v base="$base_kib" -v ck="$checksum_mbps" -v lc="$largest_c" -v lu="$largest_u" -v ln="$largest_name" \
    -v same="$([ "$work_device" = "$temp_device" ] && echo yes || echo NO)" -v sz="$sevenzip" '
function mib(b) { return b / 1048576 }
BEGIN {
  ratio = ours / peer
  peak = hwm / 1024
  limit = mib(lc + lu) + 32
  printf "files: %d, %.1f MB unpacked (%.1f MiB)\n", files, total / 1e6, mib(total)
  printf "largest record: %s, %.1f MiB compressed + %.1f MiB inflated\n", ln, mib(lc), mib(lu)
  printf "work folder and 7-Zip output on the same file system: %s\n", same
  printf "ours (ExtractPackage under wine64): best %.3f s = %.0f MB/s, median %.3f s\n",
         ours / 1000, total / 1e6 / (ours / 1000), ours_med / 1000
  printf "peer (%s x of a deflate zip): best %.3f s = %.0f MB/s, median %.3f s\n",
         sz, peer / 1000, total / 1e6 / (peer / 1000), peer_med / 1000
  printf "ratio of the best rounds %.2f, of the medians %.2f\n", ours / peer, ours_med / peer_med
  printf "checksum pass (native, median of 7 rounds over 50 MB): %d MB/s\n", ck
  printf "peak resident memory of the launcher: %.1f MiB (a launcher with a tiny package: %.1f MiB)\n", peak, base / 1024
  printf "targets: ratio %.2f <= 1.30 %s; checksum %d >= 1000 MB/s %s; peak %.1f <= %.1f MiB %s\n",
         ratio, (ratio <= 1.3 ? "met" : "MISSED"), ck, (ck >= 1000 ? "met" : "MISSED"),
         peak, limit, (peak <= limit ? "met" : "MISSED")
}'
echo "rounds:"
sed 's/^/  /' "$work/results.txt"
echo "  $checksum_line"
awk -v total="$total_bytes" -v ours="$ours_ms" -v peer="$peer_ms" -v hwm="$hwm_kib" -v ck="$checksum_mbps" 'BEGIN {
  printf "extract ratio=%.2f ours_MBps=%.0f checksum_MBps=%d peak_MB=%.1f\n", ours / peer, total / 1e6 / (ours / 1000), ck, hwm / 1024
}'
