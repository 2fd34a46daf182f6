#!/usr/bin/env python3
"""Re-solves random lines of a reference file with DDS, outside korvalo-donnes.

Nothing of ours is used: the line is read here, the deal is written as PBN
text, and libdds's CalcDDtablePBN solves it, so a fault in the tool's own
card or seat conversions would show as a mismatch.

    tools/controle_dds.py FILE [--sample K] [--seed S]

Exit status 1 on any mismatch or unreadable line.
"""
import argparse
import ctypes
import os
import random
import sys

RANGS = "23456789TJQKA"  # bit k of a holding is rank RANGS[k]
SIEGES = "NESW"           # seats 1..4 of the file
COULEURS = "SHDC"         # suits 1..4 of the file; strain 5 is no trump


class DonnePbn(ctypes.Structure):
    _fields_ = [("cards", ctypes.c_char * 80)]


class Resultats(ctypes.Structure):
    _fields_ = [("resTable", (ctypes.c_int * 4) * 5)]  # [strain S H D C NT][hand N E S W]


def main():
    arguments = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    arguments.add_argument("fichier")
    arguments.add_argument("--sample", type=int, default=200)
    arguments.add_argument("--seed", type=int, default=1)
    a = arguments.parse_args()

    with open(a.fichier, "rb") as f:
        lignes = f.read().split(b"\r\n")
    if lignes and lignes[-1] == b"":
        lignes.pop()
    hasard = random.Random(a.seed)
    choisies = sorted(hasard.sample(range(len(lignes)), min(a.sample, len(lignes))))

    dds = ctypes.CDLL("libdds.so.0")
    dds.SetMaxThreads(0)
    dds.CalcDDtablePBN.argtypes = [DonnePbn, ctypes.POINTER(Resultats)]

    problemes = 0
    for index in choisies:
        numero = index + 1
        champs = lignes[index].split(b" ")
        try:
            valeurs = [int(v) for v in champs[:36]]
        except ValueError:
            print(f"line {numero}: not 36 numbers")
            problemes += 1
            continue
        mains = []
        for siege in range(4):
            couleurs = []
            for couleur in range(4):
                h = valeurs[4 * siege + couleur]
                couleurs.append("".join(RANGS[k] for k in range(12, -1, -1) if h >> k & 1))
            mains.append(".".join(couleurs))
        pbn = DonnePbn(("N:" + " ".join(mains)).encode())
        r = Resultats()
        code = dds.CalcDDtablePBN(pbn, ctypes.byref(r))
        if code != 1:
            print(f"line {numero}: DDS error {code}")
            problemes += 1
            continue
        for declarant in range(4):
            for denomination in range(5):
                lu = valeurs[16 + 5 * declarant + denomination]
                vrai = r.resTable[denomination][declarant]
                if lu != vrai:
                    nom = COULEURS[denomination] if denomination < 4 else "NT"
                    print(f"line {numero}: {SIEGES[declarant]} in {nom}: file {lu}, DDS {vrai}")
                    problemes += 1
    print(f"{len(choisies)} lines re-solved through CalcDDtablePBN, {problemes} problems")
    return 1 if problemes else 0


if __name__ == "__main__":
    etat = main()
    sys.stdout.flush()
    # libdds's worker threads crash the interpreter's normal exit.
    os._exit(etat)
