#!/usr/bin/env bash
# A reliability run of the command line, by hand (never by ctest):
#   bench/fiabilita.sh build/velantra [DOCUMENTS] [SEED]
# Generates documents of every combination with values at the edges of the doubles, and exports each
# to every format over a kind of output path in turn: a new file, an old file, a link to an old file, a
# FIFO with a reader, a link to a device, a folder that is not there, an old file over a file-size limit,
# a name too long, an old file that anyone may write in a folder that takes no new files (as another user
# when run by the super-user), the report written onto its own document, an old file with the export
# ended by a signal (INT, TERM, HUP or KILL) at a random moment (of a large CSV, or of the example's
# picture; half the catchable ones, for the super-user, where /proc is hidden and no unnamed file can
# be made), and twenty exports at once onto one name. Every run must end with 0, nothing on standard
# error and a whole file; or with 1, an Italian reason and the old file as it was; or, ended by its
# signal, with the old file as it was or the whole new one. Never another status, an English word, a
# changed old file or a temporary file left behind; each of the twenty ends as it does alone and leaves
# the file of one of them. Prints the totals and each fault.
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
percorsi=(nuovo vecchio collegamento fifo dispositivo mancante limite lungo chiusa proprio ucciso concorrenti)
segnali=(INT TERM HUP KILL)
formati=(csv txt png svg pdf)
declare -A conteggio=()
guasti=0
n=0
vecchio=$'vecchio\n'
chmod 755 . # for the other user of the folder that takes no new files
printf '0,.25,0,2,0,0,5,0,0\r\n' > es.vla
printf '0,250,0,1000,0,0,999,0,0\r\n' > grande.vla # a CSV of 60 MB, a second or more to write
senzaproc=
[ "$(id -u)" = 0 ] && unshare -m true 2> /dev/null && senzaproc=1

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

# Whether two exports are the same file, but for a PDF's time of creation.
uguale() { cmp -s <(sed 's/(D:[0-9]*Z)//' "$1" 2> /dev/null) <(sed 's/(D:[0-9]*Z)//' "$2" 2> /dev/null); }

# Starts an export of the example that surely writes, and ends it with a random signal within the
# time the export takes (some hundredths of a second, over a second for the CSV).
uccidi() {
  local segnale=${segnali[RANDOM % ${#segnali[@]}]} comando=("$programma" --esporta es.vla "$uscita") pid
  local attesa=0.0$(printf %02d $((RANDOM % 80)))
  [ "$formato" = csv ] && comando=("$programma" --esporta grande.vla "$uscita" --intervallo 0.001) &&
    attesa=$((RANDOM % 2)).$(printf %03d $((RANDOM % 1000)))
  set -m # or the export would ignore INT, as a background job of a script does
  if [ -n "$senzaproc" ] && [ "$segnale" != KILL ] && ((RANDOM % 2)); then
    unshare -m bash -c 'mount -t tmpfs none /proc && exec "$@"' - "${comando[@]}" > /dev/null 2> errore &
  else
    "${comando[@]}" > /dev/null 2> errore &
  fi
  pid=$!
  set +m
  sleep "$attesa"
  kill -"$segnale" $pid 2> /dev/null
  wait $pid 2> /dev/null
}

# Twenty exports at once onto one name, of the document and of the example in turn.
concorrenti() {
  local da_solo=() pid=() k s
  "$programma" --esporta doc.vla uscite/uno."$formato" > /dev/null 2>&1
  da_solo+=($?)
  "$programma" --esporta es.vla uscite/due."$formato" > /dev/null 2>&1
  da_solo+=($?)
  for ((k = 0; k < 20; ++k)); do
    timeout 120 "$programma" --esporta "$( ((k % 2)) && echo es || echo doc).vla" "$uscita" > /dev/null 2>> errore &
    pid+=($!)
  done
  for ((k = 0; k < 20; ++k)); do
    wait "${pid[k]}"
    s=$?
    [ $s = "${da_solo[k % 2]}" ] || guasto "$percorso" "$formato" "uno scrittore finisce con $s, da solo con ${da_solo[k % 2]}"
  done
  uguale "$uscita" uscite/uno."$formato" || uguale "$uscita" uscite/due."$formato" ||
    guasto "$percorso" "$formato" "il file non è quello di uno scrittore"
  grep -Eqi 'no such|error|denied|failed|warning' errore && guasto "$percorso" "$formato" "parole inglesi: $(head -c 200 errore)"
  rm -f uscite/uno."$formato" uscite/due."$formato" errore # a failing document's reason is not a fault here
  touch errore
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
    chmod -f 755 uscite/chiusa
    rm -rf uscite && mkdir uscite && printf '%s' "$vecchio" > uscite/vecchio && : > errore
    uscita=uscite/out.$formato lettore=
    case $percorso in
      vecchio | limite | ucciso | concorrenti) printf '%s' "$vecchio" > "$uscita" ;;
      chiusa)
        mkdir uscite/chiusa && uscita=uscite/chiusa/out.$formato && printf '%s' "$vecchio" > "$uscita"
        chmod 666 "$uscita" && chmod 555 uscite/chiusa
        ;;
      proprio) cp doc.vla "$uscita" ;;
      collegamento) ln -s vecchio "$uscita" ;;
      fifo) mkfifo "$uscita" && { cat "$uscita" > uscite/letto & lettore=$!; } ;;
      dispositivo) ln -s /dev/null "$uscita" ;;
      mancante) uscita=uscite/manca/out.$formato ;;
      lungo) uscita=uscite/$(printf 'a%.0s' {1..300}).$formato ;;
    esac
    come=
    [ "$percorso" = chiusa ] && [ "$(id -u)" = 0 ] && come='setpriv --reuid 65534 --regid 65534 --clear-groups'
    case $percorso in
      limite) (ulimit -f 4 && exec timeout 120 "$programma" --esporta doc.vla "$uscita") > /dev/null 2> errore ;;
      proprio) timeout 120 "$programma" --relazione "$uscita" "$uscita" > /dev/null 2> errore ;;
      ucciso) uccidi ;;
      concorrenti) concorrenti ;;
      *) HOME=/tmp timeout 120 $come "$programma" --esporta doc.vla "$uscita" > /dev/null 2> errore ;;
    esac
    stato=$?
    [ "$percorso" = ucciso ] && ((stato > 128)) && stato=segnale
    [ -n "$lettore" ] && { [ "$stato" = 0 ] || kill "$lettore" 2> /dev/null; wait "$lettore" 2> /dev/null; }
    conteggio[$percorso/$stato]=$((${conteggio[$percorso/$stato]:-0} + 1))
    letto=$uscita
    [ "$percorso" = collegamento ] && letto=uscite/vecchio
    [ "$percorso" = fifo ] && letto=uscite/letto
    if [ $stato = 0 ]; then
      [ "$percorso" = chiusa ] && guasto "$percorso" "$formato" "scritto in una cartella che non prende file nuovi"
      [ -s errore ] && guasto "$percorso" "$formato" "riuscito ma con standard error: $(head -c 200 errore)"
      [ "$percorso" = dispositivo ] || intero "$formato" "$letto" || guasto "$percorso" "$formato" "file non intero"
      [ "$percorso" = fifo ] && ! [ -p "$uscita" ] && guasto "$percorso" "$formato" "la FIFO non è più una FIFO"
      [ "$percorso" = collegamento ] && ! [ -L "$uscita" ] && guasto "$percorso" "$formato" "il collegamento non è più tale"
    elif [ $stato = 1 ] || [ $stato = segnale ]; then
      if [ $stato = 1 ]; then
        grep -q '^velantra: ' errore || guasto "$percorso" "$formato" "nessun motivo su standard error"
        grep -Eqi 'no such|error|denied|failed|warning' errore && guasto "$percorso" "$formato" "parole inglesi: $(head -c 200 errore)"
      fi
      case $percorso in
        ucciso) # ended after the new file was put in place, or before: never between
          printf '%s' "$vecchio" | cmp -s - "$letto" || intero "$formato" "$letto" || guasto "$percorso" "$formato" "né il vecchio file né uno nuovo intero" ;;
        vecchio | limite | collegamento | chiusa)
          [ "$(cat "$letto")"$'\n' = "$vecchio" ] || guasto "$percorso" "$formato" "il vecchio file è cambiato" ;;
        proprio) cmp -s doc.vla "$uscita" || guasto "$percorso" "$formato" "il documento è cambiato" ;;
      esac
    else
      guasto "$percorso" "$formato" "stato $stato: $(head -c 200 errore)"
    fi
    find uscite -name '.velantra*' | grep -q . && guasto "$percorso" "$formato" "file temporaneo rimasto"
  done
done

echo "documenti: $documenti, esportazioni: $((documenti * ${#formati[@]}))"
for chiave in $(printf '%s\n' "${!conteggio[@]}" | sort); do echo "  $chiave: ${conteggio[$chiave]}"; done
echo "guasti: $guasti"
[ $guasti -eq 0 ]
