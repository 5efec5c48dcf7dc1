#!/usr/bin/env python3
"""How large the tests are beside the product, by folder: non-blank lines and content (non-blank
characters outside comments) of the C++ sources (.cpp, .h). The product is core/, graph/, entry/ and
app/; the tests are tests/. Prints a table and the two ratios; with --limite LINES CONTENT exits 1
when either ratio is above its limit.
Usage: .ci/proporzioni.py [--limite 0.36 0.45]"""
import os
import re
import sys

RADICE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODOTTO = ["core", "graph", "entry", "app"]


def senza_commenti(testo):
    """The source without // and /* */ comments; string and character literals are kept whole."""
    fuori, i, n, virgolette = [], 0, len(testo), None
    while i < n:
        c = testo[i]
        if virgolette:
            fuori.append(c)
            if c == "\\" and i + 1 < n:
                fuori.append(testo[i + 1])
                i += 2
                continue
            if c == virgolette:
                virgolette = None
            i += 1
        elif c in "\"'":
            virgolette = c
            fuori.append(c)
            i += 1
        elif testo.startswith("//", i):
            fine = testo.find("\n", i)
            i = n if fine < 0 else fine
        elif testo.startswith("/*", i):
            fine = testo.find("*/", i + 2)
            i = n if fine < 0 else fine + 2
        else:
            fuori.append(c)
            i += 1
    return "".join(fuori)


def misura(cartella):
    righe = caratteri = 0
    for base, cartelle, file in os.walk(os.path.join(RADICE, cartella)):
        cartelle[:] = [c for c in cartelle if not c.startswith("build")]
        for nome in file:
            if nome.endswith((".cpp", ".h")):
                with open(os.path.join(base, nome), encoding="utf-8", errors="replace") as f:
                    testo = senza_commenti(f.read())
                righe += sum(1 for riga in testo.split("\n") if riga.strip())
                caratteri += len(re.sub(r"\s", "", testo))
    return righe, caratteri


def main():
    prodotto = {c: misura(c) for c in PRODOTTO}
    prove = {c: misura(os.path.join("tests", c)) for c in sorted(os.listdir(os.path.join(RADICE, "tests")))
             if os.path.isdir(os.path.join(RADICE, "tests", c))}
    print(f"{'folder':<14}{'lines':>8}{'content':>10}")
    for nome, (r, c) in prodotto.items():
        print(f"{nome:<14}{r:>8}{c:>10}")
    for nome, (r, c) in prove.items():
        if r:
            print(f"{'tests/' + nome:<14}{r:>8}{c:>10}")
    p = [sum(v[i] for v in prodotto.values()) for i in (0, 1)]
    t = [sum(v[i] for v in prove.values()) for i in (0, 1)]
    rapporti = (t[0] / p[0], t[1] / p[1])
    print(f"product {p[0]} lines, {p[1]} characters; tests {t[0]} lines, {t[1]} characters")
    print(f"tests / product: lines {rapporti[0]:.3f}, content {rapporti[1]:.3f}")
    if "--limite" in sys.argv:
        i = sys.argv.index("--limite")
        limiti = (float(sys.argv[i + 1]), float(sys.argv[i + 2]))
        if rapporti[0] > limiti[0] or rapporti[1] > limiti[1]:
            print(f"tests above the limit: lines {limiti[0]}, content {limiti[1]}")
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
