#!/usr/bin/env bash
# Runs a Windows console program under Wine in a private prefix:
#   wine_run.sh PREFIX BITS PROGRAM [ARGUMENTS...]
# BITS is 64 or 32. The prefix is created on first use (slow once, then
# reused; concurrent first uses wait for each other). Standard input and
# output pass through; the exit status is the program's.
# Exits 77 when this machine cannot run programs of that bitness under
# Wine (no Wine, or a kernel without 32-bit support), so that a test can
# report itself skipped with the reason on standard error.
set -uo pipefail

if [ "$#" -lt 3 ]; then
  echo "usage: wine_run.sh PREFIX BITS PROGRAM [ARGUMENTS...]" >&2
  exit 2
fi
prefix="$1"
bits="$2"
shift 2

# Debian ships the two loaders under /usr/lib/wine; its /usr/bin/wine
# wrapper prefers the 32-bit one, so each bitness names its own.
loader_for() {
  local candidates
  if [ "$1" = 64 ]; then
    candidates=(/usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)")
  else
    candidates=(/usr/lib/wine/wine "$(command -v wine || true)")
  fi
  for c in "${candidates[@]}"; do
    if [ -n "$c" ] && [ -x "$c" ]; then
      echo "$c"
      return 0
    fi
  done
  return 1
}

loader="$(loader_for "$bits")" || { echo "wine_run: no Wine loader for $bits-bit programs" >&2; exit 77; }

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers: they would ask to download and are not needed.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY

# A loader the kernel cannot execute (32-bit programs on a kernel without
# 32-bit emulation) fails with "Exec format error" before Wine starts.
if ! "$loader" --version >/dev/null 2>&1; then
  echo "wine_run: $loader cannot run on this machine (for 32-bit Wine the kernel needs 32-bit emulation)" >&2
  exit 77
fi

mkdir -p "$prefix"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    init_loader="$(loader_for 64 || loader_for 32)"
    timeout 900 "$init_loader" wineboot -i </dev/null >"$prefix.init.log" 2>&1
    # Wait for the server to write the registry out.
    "$(dirname "$init_loader")/wineserver" -w 2>/dev/null || true
  fi
) 9>"$prefix.lock"

exec "$loader" "$@"
