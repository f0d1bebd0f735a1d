#!/usr/bin/env bash
# A vendor signs the setup file after packing it: the signature goes after the
# package and into the PE header, so the program must still find its trailer
# at PackageEnd and the package checksum must still hold.
#
#   signed_setup_test.sh OUT_FOLDER WORK_FOLDER
set -euo pipefail
out=$1 work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work"

printf 'payload of the signed setup\n' > payload.txt
"$out/native/vpack" setup --stub "$out/win32/VantorStub.exe" --out setup.exe --file payload.txt --engine payload.txt
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 -subj "/CN=Vantor Test Vendor" \
  2>/dev/null
osslsigncode sign -certs cert.pem -key key.pem -n "Widget Setup" -in setup.exe -out signed.exe >/dev/null

value() { grep "^$1=" "$2" | cut -d= -f2-; }
"$out/native/vpack" info setup.exe > before.txt
"$out/native/vpack" info signed.exe > after.txt

failed=0
check() { # description, condition...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}
size_before=$(stat -c %s setup.exe)
size_after=$(stat -c %s signed.exe)
check "the signature adds bytes after the package" test "$size_after" -gt "$size_before"
check "PackageEnd still names the package's end" test "$(value PackageEnd after.txt)" = "$size_before"
check "the trailer is found there" test "$(value MagicOk after.txt)" = TRUE
check "the trailer is unchanged" test "$(value PackageChecksum after.txt)" = "$(value PackageChecksum before.txt)"
check "the checksum still holds" test "$(value ChecksumOk after.txt)" = TRUE
check "the file records are where they were" \
  test "$(value FileRecord1.Header after.txt)" = "$(value FileRecord1.Header before.txt)"
verify() { osslsigncode verify -CAfile cert.pem -in signed.exe >verify.txt 2>&1 || { cat verify.txt; return 1; }; }
check "osslsigncode verifies the signature" verify
if [ "$failed" -eq 0 ]; then echo "7 passed, 0 failed"; else exit 1; fi
