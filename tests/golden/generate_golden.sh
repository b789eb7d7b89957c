#!/usr/bin/env bash
# Regenerates tests/golden/golden.tsv and golden_nonfinite.tsv from the plain
# implementation: builds the baseline commit (default: the tag perf-baseline,
# else commit 00b5258) in a temporary worktree under build/, links the
# generator against it and runs it. The golden files are the contract of every
# later change: regenerate them only for a deliberate change of results.
#
# usage: tests/golden/generate_golden.sh [commit]
set -euo pipefail
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
base=${1:-perf-baseline}
git -C "$repo" rev-parse --verify -q "$base^{commit}" >/dev/null || base=00b5258
work="$repo/build/golden-baseline"
src="$work/src"
rm -rf "$work"
mkdir -p "$work"
git -C "$repo" worktree add --detach "$src" "$base" >/dev/null
trap 'git -C "$repo" worktree remove --force "$src"' EXIT
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUORVEX_BUILD_TESTS=OFF -DQUORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$work/build" --target quorvex_core -j2 >/dev/null
g++ -std=c++20 -O2 -ffp-contract=off -fno-fast-math -Wall -Wextra \
    -I "$src" "$repo/tests/golden/generate_golden.cpp" "$work/build/libquorvex_core.a" \
    -o "$work/generate_golden"
"$work/generate_golden" "$repo/tests/golden"
echo "baseline $(git -C "$repo" rev-parse --short "$base")"
