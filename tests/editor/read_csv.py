"""Reads the two CSV files of the balance project the way a spreadsheet user's
script would, and compares every row with the values worked by hand in
balance_by_hand.md. Exits non-zero, naming the first difference."""
import csv
import sys

TABLE = "Thermostatventil DN 15, 8 Stufen"
BALANCE = [
    ["Strang", "Verbraucher", "TS Ventil", "Ventil", "kv", "Massenstrom kg/h", "Bedarf mbar",
     "Überschuss mbar", "Drosseldruck mbar", "kv erforderlich", "Tabelle", "Stufe",
     "Durchfluss %", "Hinweise"],
    ["3", "12", "02", "Thermostatventil", "2,500", "485,8", "45,1", "5,5", "43,0", "2,335",
     TABLE, "8", "33",
     "Auch die größte Voreinstellung (kv 0,720) reicht nicht: Durchfluss 33 %."],
    ["4", "31", "11", "Thermostatventil", "0,660", "64,5", "50,6", "0,0", "9,5", "0,660",
     TABLE, "8", "108",
     "Dieser Stromkreis braucht 50,6 mbar, mehr als der ungünstigste Stromkreis (45,1 mbar). "
     "Die Pumpe muss 5,5 mbar mehr fördern; größere Nennweiten in diesem Stromkreis würden "
     "helfen."],
    ["5", "41", "21", "Thermostatventil", "0,300", "51,6", "31,4", "19,2", "48,6", "0,233",
     TABLE, "4", "90", ""],
    ["6", "51", "31", "Thermostatventil", "1,000", "129,0", "23,0", "27,6", "44,1", "0,612",
     TABLE, "7", "85", ""],
]
# Steel DN 25, d 27,0 mm: 20 + 8 m, π/4 × 27² × 28 / 1000 = 16,03 l; DN 15
# (corrected), d 15,75 mm: 6 + 25 + 4 m, 6,82 l; two bends in every section.
QUANTITIES = [
    ["Art", "Rohrart", "DN", "Bezeichnung", "Länge m", "Wasserinhalt l", "Anzahl", "kv"],
    ["Rohr", "Stahlrohr", "15", "", "35,00", "6,8", "", ""],
    ["Rohr", "Stahlrohr", "25", "", "28,00", "16,0", "", ""],
    ["Bogen", "", "", "", "", "", "10", ""],
    ["T-Stück", "", "", "", "", "", "0", ""],
    ["Anbindung", "", "", "", "", "", "0", ""],
    ["Reduzierung", "", "", "", "", "", "0", ""],
    ["Ventil", "", "", "Thermostatventil", "", "", "1", "2,500"],
    ["Ventil", "", "", "Thermostatventil", "", "", "1", "0,660"],
    ["Ventil", "", "", "Thermostatventil", "", "", "1", "0,300"],
    ["Ventil", "", "", "Thermostatventil", "", "", "1", "1,000"],
    ["Summe", "", "", "", "63,00", "22,9", "", ""],
]


def rows(path):
    with open(path, encoding="utf-8-sig", newline="") as file:
        return list(csv.reader(file, delimiter=";"))


def main(folder):
    for name, expected in (("Abgleich", BALANCE), ("Mengen", QUANTITIES)):
        got = rows(f"{folder}/Projekt-{name}.csv")
        if got != expected:
            for number, (want, have) in enumerate(zip(expected, got), 1):
                if want != have:
                    print(f"{name}, Zeile {number}: {have} statt {want}")
                    return 1
            print(f"{name}: {len(got)} Zeilen statt {len(expected)}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
