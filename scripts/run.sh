#!/usr/bin/env bash
# Installs what is missing, builds, and starts one program from its working
# folder: Veritabula (the default), Figurinex or Korventa.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

program="${1:-Veritabula}"
case "$program" in
    Veritabula|Figurinex|Korventa) ;;
    *) echo "run: unknown program '$program' (Veritabula, Figurinex or Korventa)" >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"
"$root/scripts/build.sh" normal
echo "run: starting $program in $root/build/$program"
cd "$root/build/$program"
exec "./$program"
