#!/usr/bin/env bash
# A reliability run of the command line, by hand (never by ctest):
#   bench/fiabilita.sh build/velantra [DOCUMENTS] [SEED]
# Generates documents of every combination with values at the edges of the doubles, and exports each
# to every format over a kind of output path in turn: a new file, an old file, a link to an old file, a
# FIFO with a reader, a link to a device, a folder that is not there, an old file over a file-size limit,
# a name too long. Every run must end with 0, nothing on standard error and a whole file; or with 1, an
# Italian reason and the old file as it was. Never another status, an English word, a changed old file
# or a temporary file left behind. Prints the totals and each fault.
set -uo pipefail
programma=$(readlink -f "${1:?usage: $0 build/velantra [DOCUMENTS] [SEED]}")
documenti=${2:-400}
RANDOM=${3:-20}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cd "$cartella" || exit 2

valori=(0 0 .5 1 2 3 5 -1 -.25 .001 .005 7 1000000 1E-12 1E-154 1E-300 4.94065645841247E-324 1E+200
  1.79769313486232E+308 2E+150 .333333333333333)
tempi=(1E-06 .005 .3 1 3.333 60 100000)
velocita=(1E-09 .028 .12 1 1000 1000000)
percorsi=(nuovo vecchio collegamento fifo dispositivo mancante limite lungo)
formati=(csv txt png svg pdf)
declare -A conteggio=()
guasti=0
n=0
vecchio=$'vecchio\n'

guasto() {
  guasti=$((guasti + 1))
  echo "GUASTO [$1] $(cat doc.vla | tr -d '\r') -> $2: $3"
}

# Whether a file written with status 0 is whole.
intero() {
  case "$1" in
    csv) head -c 36 "$2" | grep -q '^t \[sec\],s \[m\],v \[m/sec\],a \[m/sec^2\]' && [ "$(tail -c 2 "$2" | od -An -c | tr -d ' ')" = '\r\n' ] ;;
    txt) [ "$(grep -c $'\r$' "$2")" -eq 8 ] ;;
    png) [ "$(head -c 4 "$2" | od -An -tx1 | tr -d ' ')" = 89504e47 ] && [ "$(tail -c 8 "$2" | head -c 4)" = IEND ] ;;
    svg) tail -c 8 "$2" | grep -q '</svg>' ;;
    pdf) tail -c 7 "$2" | grep -q '%%EOF' ;;
  esac
}

for ((i = 0; i < documenti; ++i)); do
  if ((i % 2)); then # any values, most of them no motion
    riga=$((RANDOM % 12 - 1))
    for ((k = 0; k < 8; ++k)); do riga+=",${valori[RANDOM % ${#valori[@]}]}"; done
  else # a motion of short, long, slow or fast phases, with all eight values consistent
    riga=$(awk -v s=$((RANDOM % 11)) -v t1="${tempi[RANDOM % ${#tempi[@]}]}" -v t2="${tempi[RANDOM % ${#tempi[@]}]}" \
      -v vm="${velocita[RANDOM % ${#velocita[@]}]}" 'BEGIN {
        s1 = vm * t1 / 2; s2 = vm * t2
        printf "%d,%.15g,%.15g,%.15g,%.15g,%.15g,%.15g,%.15g,%.15g", s, s1, s2, 2 * s1 + s2, t1, t2, 2 * t1 + t2, vm, vm / t1 }')
  fi
  printf '%s\r\n' "$riga" > doc.vla
  for formato in "${formati[@]}"; do
    percorso=${percorsi[n++ % ${#percorsi[@]}]}
    rm -rf uscite && mkdir uscite && printf '%s' "$vecchio" > uscite/vecchio
    uscita=uscite/out.$formato lettore=
    case $percorso in
      vecchio | limite) printf '%s' "$vecchio" > "$uscita" ;;
      collegamento) ln -s vecchio "$uscita" ;;
      fifo) mkfifo "$uscita" && { cat "$uscita" > uscite/letto & lettore=$!; } ;;
      dispositivo) ln -s /dev/null "$uscita" ;;
      mancante) uscita=uscite/manca/out.$formato ;;
      lungo) uscita=uscite/$(printf 'a%.0s' {1..300}).$formato ;;
    esac
    if [ "$percorso" = limite ]; then
      (ulimit -f 4 && exec timeout 120 "$programma" --esporta doc.vla "$uscita") > /dev/null 2> errore
    else
      timeout 120 "$programma" --esporta doc.vla "$uscita" > /dev/null 2> errore
    fi
    stato=$?
    [ -n "$lettore" ] && { [ $stato -eq 0 ] || kill "$lettore" 2> /dev/null; wait "$lettore" 2> /dev/null; }
    conteggio[$percorso/$stato]=$((${conteggio[$percorso/$stato]:-0} + 1))
    letto=$uscita
    [ "$percorso" = collegamento ] && letto=uscite/vecchio
    [ "$percorso" = fifo ] && letto=uscite/letto
    if [ $stato -eq 0 ]; then
      [ -s errore ] && guasto "$percorso" "$formato" "riuscito ma con standard error: $(head -c 200 errore)"
      [ "$percorso" = dispositivo ] || intero "$formato" "$letto" || guasto "$percorso" "$formato" "file non intero"
      [ "$percorso" = fifo ] && ! [ -p "$uscita" ] && guasto "$percorso" "$formato" "la FIFO non è più una FIFO"
      [ "$percorso" = collegamento ] && ! [ -L "$uscita" ] && guasto "$percorso" "$formato" "il collegamento non è più tale"
    elif [ $stato -eq 1 ]; then
      grep -q '^velantra: ' errore || guasto "$percorso" "$formato" "nessun motivo su standard error"
      grep -Eqi 'no such|error|denied|failed|warning' errore && guasto "$percorso" "$formato" "parole inglesi: $(head -c 200 errore)"
      case $percorso in vecchio | limite | collegamento)
        [ "$(cat "$letto")"$'\n' = "$vecchio" ] || guasto "$percorso" "$formato" "il vecchio file è cambiato" ;;
      esac
    else
      guasto "$percorso" "$formato" "stato $stato: $(head -c 200 errore)"
    fi
    ls -A uscite | grep -q '^\.velantra' && guasto "$percorso" "$formato" "file temporaneo rimasto"
  done
done

echo "documenti: $documenti, esportazioni: $((documenti * ${#formati[@]}))"
for chiave in $(printf '%s\n' "${!conteggio[@]}" | sort); do echo "  $chiave: ${conteggio[$chiave]}"; done
echo "guasti: $guasti"
[ $guasti -eq 0 ]
