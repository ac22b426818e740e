#!/usr/bin/env bash
# Installs what is missing, builds vornView and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" --target vornView -j"$(nproc)"
# The program keeps its settings files in the working directory.
mkdir -p "$root/build/run"
cd "$root/build/run"
exec "$root/build/app/vornView"
