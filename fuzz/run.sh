#!/usr/bin/env bash
# Runs the fuzz targets: fuzz/run.sh TARGET|all SECONDS
#   TARGET    parametres, valeurs or donne (all: each in turn)
#   SECONDS   how long each target runs (after its seed corpus)
# Builds the "fuzz" configuration first (KORVALO_FUZZ_BUILD, default build-fuzz;
# configured with the "fuzz" preset when missing). New inputs go to
# <build>/fuzz/travail/TARGET, crashes to <build>/fuzz/trouvailles/TARGET/;
# the seed corpus in fuzz/corpus/ is only read. Runs under nice. Exit status 1
# when a target found something.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"

CIBLES=(parametres valeurs donne)
# Longest input per target: the parameters file must be able to hold a line
# over 4096 characters.
declare -A LONGUEUR_MAX=([parametres]=12000 [valeurs]=4096 [donne]=2048)

if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 TARGET|all SECONDS   (targets: ${CIBLES[*]})" >&2
  exit 2
fi
if [ "$1" = all ]; then
  choisies=("${CIBLES[@]}")
else
  [[ " ${CIBLES[*]} " == *" $1 "* ]] || { echo "unknown target: $1 (targets: ${CIBLES[*]})" >&2; exit 2; }
  choisies=("$1")
fi
secondes="$2"

construction="${KORVALO_FUZZ_BUILD:-build-fuzz}"
if [ ! -f "$construction/CMakeCache.txt" ]; then
  if [ "$construction" = build-fuzz ]; then
    cmake --preset fuzz
  else
    cmake --preset fuzz -B "$construction"
  fi
fi
nice -n 19 cmake --build "$construction" --target fuzz -j "$(nproc)"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
echec=0
for cible in "${choisies[@]}"; do
  travail="$construction/fuzz/travail/$cible"
  trouvailles="$construction/fuzz/trouvailles/$cible"
  mkdir -p "$travail" "$trouvailles"
  echo "== fuzz_$cible: $secondes s"
  debut=$(date +%s)
  if nice -n 19 "$construction/fuzz/fuzz_$cible" -max_total_time="$secondes" -timeout=10 \
      -max_len="${LONGUEUR_MAX[$cible]}" -print_final_stats=1 -artifact_prefix="$trouvailles/" \
      "$travail" "fuzz/corpus/$cible" 2>"$construction/fuzz/$cible.log"; then
    statut=0
  else
    statut=$?
  fi
  fin=$(date +%s)
  grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$construction/fuzz/$cible.log" | tr '\n' ' ' || true
  echo "ran $((fin - debut)) s"
  if [ "$statut" -ne 0 ]; then
    echo "fuzz_$cible FOUND A PROBLEM (status $statut); input kept in $trouvailles/, log:" >&2
    tail -n 60 "$construction/fuzz/$cible.log" >&2
    echec=1
  fi
done
exit "$echec"
