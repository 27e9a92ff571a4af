#!/usr/bin/env bash
# Writes a full timetable to the path given: 1001 departures and 1001 arrivals (400 trains
# that arrive and leave again count in both tables), with every record type, category, delay
# class and service note, comments and blank lines among them. Every train is due after the
# 5:00 start and, even with the worst delay its class can draw, before midnight: opened as
# shipped, the panels lead with the trains due next.
# The same file every time: the pseudo-random sequence has a fixed seed.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 FILE.vkd" >&2
  exit 2
fi
mkdir -p "$(dirname "$1")"
awk 'BEGIN {
  srand(7041)
  split("Milano Centrale|Roma Termini|Torino Porta Nuova|Venezia Santa Lucia|Napoli Centrale|Bologna Centrale|Firenze Santa Maria Novella|Genova Piazza Principe|Verona Porta Nuova|Trieste Centrale|Bari Centrale|Ancona|Pisa Centrale|La Spezia Centrale|Brescia|Bergamo|Lecco|Como San Giovanni|Domodossola|Ventimiglia", luoghi, "|")
  split("Interregio|Regionale|Diretto|Espresso|Intercity|Eurocity|Eurostar|Cisalpino|Euronight|Intercity Notte|Autobus", categorie, "|")
  split("Parma|Piacenza|Lodi|Modena|Reggio Emilia|Arezzo|Orvieto|Chiusi|Padova|Vicenza|Rovigo|Ferrara", fermate, "|")
  split("Carrozza ristorante|Trasporto bici|Treno storico||Composizione invertita|Servizio minibar", note, "|")
  resto[0] = 601; resto[1] = 601; resto[2] = 400
  # Minutes of the day: the start, and the worst delay each class 0..4 can draw.
  inizio = 5 * 60
  peggiore[0] = 0; peggiore[1] = 5; peggiore[2] = 30; peggiore[3] = 110; peggiore[4] = 230
  r = "\r\n"
  printf "# Orario completo: 1001 partenze e 1001 arrivi%s", r
  printf "Stazione = Nodo di Valcastello%s", r
  printf "Orario di inizio = 5.00%s", r
  printf "Numero binari = 16%s", r
  for (n = 0; resto[0] + resto[1] + resto[2] > 0; n++) {
    do tipo = int(rand() * 3); while (resto[tipo] == 0)
    resto[tipo]--
    printf "%s", r
    if (n % 25 == 0) printf "# Fascia %d%s", n / 25, r
    printf "Prossimo treno:%s", r
    printf "Tipo = %d%s", tipo, r
    numero = 1000 + n * 7
    if (tipo == 2 && n % 3 == 0) numero = numero "-" (numero + 1)
    printf "Numero = %s%s", numero, r
    printf "Destinazione = %s%s", (tipo == 1 ? "-" : luoghi[1 + int(rand() * 20)]), r
    printf "Provenienza = %s%s", (tipo == 0 ? "-" : luoghi[1 + int(rand() * 20)]), r
    categoria = categorie[1 + int(rand() * 11)]
    printf "Categoria = %s%s", categoria, r
    if (n % 40 == 7) printf "# orari da confermare%s", r
    classe = int(rand() * 5)
    sosta = (tipo == 2 ? 2 + int(rand() * 10) : 0)
    ultimo = 24 * 60 - 1 - peggiore[classe] - sosta
    primo = inizio + 1 + int(rand() * (ultimo - inizio))
    arrivo = sprintf(n % 5 == 0 ? "%02d.%02d" : "%d.%d", int(primo / 60), primo % 60)
    partenza = sprintf("%d.%d", int((primo + sosta) / 60), (primo + sosta) % 60)
    printf "Arrivo = %s%s", (tipo == 0 ? "-" : arrivo), r
    printf "Partenza = %s%s", (tipo == 1 ? "-" : (tipo == 0 ? arrivo : partenza)), r
    printf "Binario = %d%s", 1 + int(rand() * 16), r
    printf "Classe ritardo = %d%s", classe, r
    if (tipo != 1) {
      quante = int(rand() * 5)
      if (quante == 0) elenco = "-"
      else {
        elenco = ""
        for (f = 0; f < quante; f++) elenco = elenco fermate[1 + int(rand() * 12)] ","
        elenco = elenco "."
      }
      printf "Fermate successive = %s%s", elenco, r
    }
    codice = int(rand() * 12)
    printf "Indicazioni = %s%s", (codice > 9 ? "-" : codice), r
    printf "Note = %s%s", note[1 + int(rand() * 6)], r
  }
}' > "$1"
