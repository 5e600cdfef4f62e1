#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# run_fuzzer.sh: runs a fuzzer for a fixed number of inputs from a fixed seed, growing a
# scratch corpus from the committed one. Usage: run_fuzzer.sh FUZZER CORPUS RUNS
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$1" "$scratch" "$2" -seed=1 -runs="$3" -max_len=4096 -print_final_stats=1 2>&1 | tail -n 12
