#!/usr/bin/env bash
# Installs what is missing, builds Orvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVEL_CORE_ONLY=OFF \
    -DORVEL_FUZZ=OFF -DORVEL_SANITIZE= >/dev/null
cmake --build build -j"$(nproc)" --target orvel
exec ./build/orvel "$@"
