#!/usr/bin/env bash
# Puts one small fault at a time into the sources, rebuilds the checking build (Debug, ASan,
# UBSan) and runs every test: a fault is caught when some test fails. A smaller suite must
# still catch every fault that the full one catches.
#
#   tools/mutate.sh [-j N] [ID...]    every fault, or only those named; N jobs (default 3)
#
# Builds in build-mutation/ of the checkout. Progress goes to standard error, the table to
# standard output and to build-mutation/mutation.md, each fault's build and test output to
# build-mutation/logs/ID.log. The file under change is restored when the run ends or is stopped;
# after a kill -9 the next run restores it first.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-mutation"
jobs=3
while getopts "j:" opt; do
  case $opt in
    j) jobs=$OPTARG ;;
    *) sed -n '6p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# id | file | text found exactly once in the file | its replacement | the fault
mutants=$(cat <<'EOF'
flap-wrap | src/boards/flap.h | prossimo >= oltre ? 0 | prossimo > oltre ? 0 | a cycle wraps one code late
flap-hour-end | src/boards/flap.h | kOltreOra = 25; | kOltreOra = 24; | the hour cycle of a platform board ends before the blank hour
flap-delay-step | src/boards/flap.h | RitardoMinuti < 60 ? 5 : 10 | RitardoMinuti <= 60 ? 5 : 10 | the delay flaps step 5 minutes from 1'00 too
anim-ticks | src/boards/animazione.cpp | ++conttimer < kTickAnimazione) | ++conttimer < kTickAnimazione - 1) | a platform board run lasts 64 ticks, not 65
anim-suspend | src/boards/animazione.cpp | sim_.binari[r].PulsantiSospesi = true; | sim_.binari[r].PulsantiSospesi = false; | buttons switched off for a run are not switched back on
delay-keep | src/boards/immissione.cpp | value_or(r.RitardoMinutiFinale) | value_or(0) | an unknown delay text clears the delay instead of keeping it
tile-letter | src/boards/tile_tables.cpp | "punto.bmp", "trattino.bmp" | "trattino.bmp", "punto.bmp" | letter tiles of "." and "-" exchanged
tile-category | src/boards/tile_tables.cpp | "interregio.bmp", "regionale.bmp" | "regionale.bmp", "interregio.bmp" | category tiles of Interregio and Regionale exchanged
tile-hours | src/boards/tile_tables.cpp | "2ore.bmp", "3ore.bmp" | "3ore.bmp", "2ore.bmp" | hours words of 2 and 3 hours exchanged
tile-bus | src/boards/tile_tables.cpp | Voce(kCategorie, codice, kCategorie.size() - 1) | Voce(kCategorie, codice) | platform boards know the bus category
tile-clock | src/boards/tile_tables.cpp | valore >= limite | valore > limite | the clock draws a pair equal to its limit (hour 24, minute 60)
tile-whole-hour | src/boards/tile_tables.cpp | if (ora >= 0 && ora < 10) return | if (ora == 0) return | a central board's hours 1..9 lose the tens "0"
tile-whole-delay | src/boards/tile_tables.cpp | kCifre[minuti % 10], TesseraVuota} | kCifre[minuti % 10], std::nullopt} | a delay below the hour leaves the hours word as it was
central-full-start | src/central/quadro.cpp | if (!PrimaRigaLibera(quadro)) return std::nullopt; | ; | "Ok" and "Aggiorna Tutto" on a full board first finish the running turn
central-letter-end | src/central/quadro.cpp | kGiroLettera = 31; | kGiroLettera = 30; | central letter cycle loses its extra code
central-ticks | src/central/quadro.cpp | ++quadro.contatime < kTickAnimazione) | ++quadro.contatime < kTickAnimazione - 1) | a central board run lasts 64 ticks, not 65
central-up-pair | src/central/quadro.cpp | Sposta_Binario(quadro, riga - 1); | Sposta_Binario(quadro, riga); | "up" exchanges the row with the one below
central-exchange | src/central/quadro.cpp | MostraFinaliDi(giu, su); | MostraFinaliDi(giu, giu); | after an exchange the lower row shows its new train at once
central-no-restore | src/central/quadro.cpp | quadro.basta = false; | quadro.basta = true; | "Aggiorna Tutto" blanks the rows and never brings them back
central-restore-end | src/central/quadro.cpp | r < kRigheQuadro; ++r) quadro.Righe[r] = | r < kRigheQuadro - 1; ++r) quadro.Righe[r] = | compaction does not restore the bottom row
central-up-button | src/central/quadro.cpp | j> 0); | j>= 0); | the top row's "up" button is switched on
central-menu-rest | src/central/quadro.cpp | vista.AbilitaMenu(false); | vista.AbilitaMenu(true); | the menus stay on while a central board turns
entry-bus | src/central/immissione_quadro.cpp | kCategoriaAutobus = 11; | kCategoriaAutobus = 10; | Intercity Notte instead of Autobus shows no platform
conv-letters | src/core/codici.h | ".", "-" | "-", "." | letter codes of "." and "-" exchanged
conv-delay | src/core/convertitori.cpp | return ElencoRitardi[*i]; | return *i; | a delay text converts to its list position, not its minutes
conv-category | src/core/convertitori.cpp | Categoria(testo, kCategorieBinari) | Categoria(testo, kCategorieBinari - 1) | platform boards lose Intercity Notte
conv-lower | src/core/convertitori.cpp | c[0] <= 'Z' | c[0] < 'Z' | "Z" is not lowered
delay-hour-wrap | src/core/ritardi.cpp | if (OraCalcolo == 24) OraCalcolo = 0; | if (OraCalcolo > 24) OraCalcolo = 0; | a delay past midnight gives hour 24
delay-band-edge | src/core/ritardi.cpp | casuale >= b.da | casuale > b.da | a draw on a band's lower edge gets the band below
delay-class | src/core/ritardi.cpp | case 3: return 7500; | case 3: return 7000; | delay class 3 draws below 7500
monitor-five | src/core/monitor.cpp | passo < 5; | passo < 4; | the warning starts four minutes before, not five
monitor-blink | src/core/monitor.cpp | pannelli.contmonitor == 6 | pannelli.contmonitor == 5 | rows blink every sixth tick, not every seventh
monitor-remove | src/core/monitor.cpp | l.tabella.begin() + l.numero + 1, | l.tabella.begin() + l.numero, | removing the head loses the table's last train
panel-time | src/core/pannelli.cpp | minuto < 10 ? ":0" | minuto <= 10 ? ":0" | minute 10 written ":010"
clock-wrap | src/core/orologio.cpp | ++orologio.OraSimulazione >= 24 | ++orologio.OraSimulazione > 24 | the clock shows hour 24 after 23:59:59
text-crlf | src/core/testo_file.cpp | testo[i + 1] == '\n') ++i; | testo[i + 1] == '\r') ++i; | CR LF ends two lines, not one
text-cp1252 | src/core/testo_file.cpp | 0x2013, 0x2014 | 0x2014, 0x2013 | Windows-1252 bytes 0x96 and 0x97 exchanged
read-hour | src/core/lettore_righe.cpp | (0-23)", 23} | (0-23)", 24} | the readers accept hour 24
read-full-table | src/core/lettore_righe.cpp | std::ssize(tabella) >= kPostiTabella | std::ssize(tabella) > kPostiTabella | the readers accept a 1002nd train
read-type | src/core/orario_file.cpp | tipo < 0 || tipo > 2) return; | tipo < 0 || tipo >= 2) return; | timetable records of type 2 are skipped
read-arrival-delay | src/core/orario_file.cpp | Ritardo_Casuale_Arrivo(*a, partenza) | Ritardo_Casuale_Arrivo(*a, false) | the arrival half of a through train draws its own delay
save-seconds | src/core/simulazione_file.cpp | file.Tempo(file.Valore(file.Leggi()), 3) | file.Tempo(file.Valore(file.Leggi()), 2) | a save resumes without its seconds
save-rename | src/core/testo_file.cpp | fs::rename(temporaneo, destinazione, ec); | fs::copy_file(temporaneo, destinazione, fs::copy_options::overwrite_existing, ec); | saving copies over the target and leaves the temporary file
speak-word | src/announce/annunci.cpp | return "Eurosity"; | return "Eurocity"; | Eurocity is spoken as written
speak-time | src/announce/annunci.cpp | Cifre(t.Ora) + " " | Cifre(t.OraEffettiva) + " " | announcements give the effective hour, not the scheduled one
qt-text1 | src/central/entry_dialog.cpp | setMaxLength(kLettereQuadro); | setMaxLength(kLettereQuadro - 1); | the central entry takes 19 characters, not 20
qt-insert-ok | src/boards/insert_dialog.cpp | Command1->setEnabled(Combo6->count() > 0); | Command1->setEnabled(Combo6->count() >= 0); | "Ok" is on with no free board
qt-speed | src/mainwindow/main_window_clock.cpp | if (Clicca == 6) | if (Clicca == 5) | "+" switches off one speed early
tool-hours | tools/genera_tessere.cpp | {"2ore.bmp", oreRitardo(2)} | {"2ore.bmp", oreRitardo(1)} | the 2-hours tile is drawn as 1 hour
monitor-stable | src/core/monitor.cpp | std::stable_sort(inizio, fine, PrimaDi); | std::sort(inizio, fine, PrimaDi); | trains due at the same minute change places when a tick sorts the tables
clear-listed | src/core/ritardi.cpp | orario.Partenze.fill(vuoto); | for (int i = 0; i < orario.NumeroPartenze; ++i) orario.Partenze[i] = vuoto; | clearing a timetable leaves the departure slots past the listed count as they were
registry-hex | src/mainwindow/about_dialog.cpp | QString::number(numero, 16).toUpper() | QString::number(numero, 16) | a number read from the registry is written in lower case
dialog-suffix | src/mainwindow/servizi_sistema.cpp | salva && unaEstensione ? | unaEstensione ? | the open dialog adds the extension to a typed name
EOF
)

saved="$build/mutant.orig"  # the untouched file while a fault is in it
where="$build/mutant.path"  # that file, relative to the checkout
restore() {
  [ -f "$where" ] || return 0
  local f; f=$(cat "$where")
  cp "$saved" "$root/$f" && touch "$root/$f" && rm -f "$saved" "$where"
}
# Builds and tests run in the background and are waited for, so that an interrupt or a kill is
# acted on at once: the trap stops them, waits for them, and the exit restores the file.
child=""
run() { "$@" & child=$!; wait "$child"; local rc=$?; child=""; return $rc; }
stop() { [ -n "$child" ] && kill "$child" 2>/dev/null && wait "$child"; exit 130; }
trap restore EXIT
trap stop INT TERM HUP

# Replaces the one occurrence of $2 in file $1 by $3; fails, changing nothing, on none or more.
mutate() {
  python3 - "$root/$1" "$2" "$3" <<'PY'
import sys
path, find, repl = sys.argv[1], sys.argv[2].encode(), sys.argv[3].encode()
data = open(path, 'rb').read()
if data.count(find) != 1:
    sys.exit(1)
open(path, 'wb').write(data.replace(find, repl))
PY
}

# Runs every test, output to log $1; fails when some test fails, naming them in $failed.
suite() {
  local list="$build/Testing/Temporary/LastTestsFailed.log"
  rm -f "$list"
  run ctest --test-dir "$build" --timeout 60 -j "$jobs" --no-tests=error --output-on-failure \
    >>"$1" 2>&1
  local rc=$?
  failed=$([ -f "$list" ] && cut -d: -f2- "$list" | sort)
  return $rc
}

mkdir -p "$build/logs"
[ -f "$where" ] && echo "Restoring $(cat "$where") left by an interrupted run" >&2 && restore

if [ $# -gt 0 ]; then
  for id in "$@"; do
    grep -q "^$id | " <<<"$mutants" || { echo "No fault named $id" >&2; exit 2; }
  done
fi
selected=$(grep -v '^$' <<<"$mutants" | while IFS= read -r line; do
  [ $# -eq 0 ] || [[ " $* " == *" ${line%% | *} "* ]] && printf '%s\n' "$line"
done)
total=$(grep -c . <<<"$selected")

echo "Building and testing the unchanged sources in $build" >&2
log="$build/logs/baseline.log"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DARDENVO_SANITIZE=ON \
  -DARDENVO_TESTS=ON -DARDENVO_WERROR=ON >"$log" 2>&1 &&
  run ninja -C "$build" -j "$jobs" >>"$log" 2>&1 || { echo "The build fails: $log" >&2; exit 1; }
suite "$log" || { echo "The suite fails without any fault: $failed; see $log" >&2; exit 1; }

table="| id | file | fault | result | caught by |"$'\n'"|---|---|---|---|---|"
caught=0 escaped=0 missing=0 broken=0 n=0 started=$SECONDS
while IFS=$'\x1f' read -r -u 3 id file find repl what; do
  n=$((n + 1)) t=$SECONDS by=""
  log="$build/logs/$id.log"
  : >"$log"
  if ! { cp "$root/$file" "$saved" && echo "$file" >"$where"; } 2>/dev/null ||
     ! mutate "$file" "$find" "$repl"; then
    rm -f "$saved" "$where"
    result="NOT APPLIED" by="text not found exactly once" missing=$((missing + 1))
  elif ! run ninja -C "$build" -j "$jobs" >>"$log" 2>&1; then
    result="NO BUILD" broken=$((broken + 1))
  elif suite "$log"; then
    result="ESCAPED" escaped=$((escaped + 1))
  else
    result="CAUGHT" caught=$((caught + 1))
    by=$(head -3 <<<"$failed" | paste -sd, - | sed 's/,/, /g')
    [ -n "$by" ] || by="ctest failed, see the log"
    more=$(($(grep -c . <<<"$failed") - 3))
    [ $more -gt 0 ] && by="$by (+$more more)"
  fi
  restore
  printf '[%d/%d] %s: %s %s (%ds)\n' "$n" "$total" "$id" "$result" "$by" $((SECONDS - t)) >&2
  table+=$'\n'"| $id | $file | ${what//|/\\|} | $result | $by |"
done 3< <(sed 's/ | /\x1f/g' <<<"$selected")

summary="$caught caught, $escaped escaped, $missing not applied"
[ $broken -gt 0 ] && summary+=", $broken not built"
printf '%s\n\n%s\n' "$table" "$summary" | tee "$build/mutation.md"
echo "Done in $(((SECONDS - started) / 60)) min" >&2
