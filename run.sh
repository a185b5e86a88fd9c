#!/usr/bin/env bash
# Builds what is missing and starts Lumpforge Compiler.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j"$(nproc)" >/dev/null
if [ -x "$here/build/src/lumpforge" ]; then
  exec "$here/build/src/lumpforge" "$@"
fi
# Until the windowed program is built, compile the bundled samples.
exec "$here/build/src/cli/lumpforge-cli" compile "$here/samples"
