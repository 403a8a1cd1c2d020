#!/usr/bin/env bash
# Installs what is missing, builds Tramel and starts it, optionally on a drawing.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tramel
exec ./build/app/tramel "$@"
