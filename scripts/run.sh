#!/usr/bin/env bash
# Installs what is missing, builds Morvel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh
exec build/morvel
