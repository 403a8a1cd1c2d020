#!/usr/bin/env bash
# Installs what is missing, builds Tramel and starts it, optionally on a drawing.
set -euo pipefail
# A drawing named relative to the folder the user is in keeps that folder
# once the script has moved to its own.
argomenti=()
for a in "$@"; do
  [[ -n "$a" && "$a" != /* ]] && a="$PWD/$a"
  argomenti+=("$a")
done
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tramel
exec ./build/app/tramel "${argomenti[@]}"
