#!/usr/bin/env bash
# Installs what is missing, builds, and makes a few puzzles with the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
mkdir -p puzzles
./build/src/cli/zorvek generate sudoku --difficulty medium --count 3 --out puzzles
./build/src/cli/zorvek show "$(ls -t puzzles/SudokuMedium_*.puz | head -1)"
