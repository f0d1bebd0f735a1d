#!/usr/bin/env bash
# Runs a command while the tests' HTTP server (http_server.py) listens on a
# free port of 127.0.0.1, exported as VANTOR_HTTP_PORT, and stops the server
# when the command ends.
#
#   with-http-server.sh COMMAND [ARGS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)

# Files a suite publishes for /files/ (Windows tests reach it as Z:<path>).
VANTOR_HTTP_FILES=$(mktemp -d)
export VANTOR_HTTP_FILES

# The server prints its port once it listens: reading it is the wait.
exec 7< <(exec python3 "$here/http_server.py")
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$VANTOR_HTTP_FILES"' EXIT
read -r -t 30 port <&7 || { echo "the HTTP server did not start" >&2; exit 1; }
export VANTOR_HTTP_PORT=$port

"$@"
rc=$?
exit "$rc"
