#!/usr/bin/env bash
# The Windows stage: cross-builds spawnsmith.exe and its test suites and checks them under Wine
# (see scripts/windows.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/windows.sh
