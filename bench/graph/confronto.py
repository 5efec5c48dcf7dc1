#!/usr/bin/python3
"""The full view of 50,000 points on 1600 x 1000 pixels with labels and grid, by the program's plot model
and by matplotlib (Agg, drawn to a buffer) in the same run, each the median of 5, both from the points
to the finished picture (matplotlib's redraw of a figure already built is printed too); then the graph
window's wheel step, pan step and collimator move. Usage, from the project's folder after a Release
build configured with -DVELANTRA_BENCH=ON:

    /usr/bin/python3 bench/graph/confronto.py [build]
"""
import json
import os
import statistics
import subprocess
import sys
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

cartella = sys.argv[1] if len(sys.argv) > 1 else "build"
programma = os.path.join(cartella, "bench", "graph", "bench_graph")
ambiente = dict(os.environ, QT_QPA_PLATFORM="offscreen")
uscita = subprocess.run(
    [programma, "--benchmark_repetitions=5", "--benchmark_format=json",
     "--benchmark_filter=ImmagineIntera|VistaIntera|PassoRotella|PassoSpostamento|MossaCollimatore"],
    check=True, capture_output=True, text=True, env=ambiente).stdout
mediane = {b["run_name"]: b["real_time"] * {"ms": 1e-3, "us": 1e-6, "ns": 1e-9}[b["time_unit"]]
           for b in json.loads(uscita)["benchmarks"] if b.get("aggregate_name") == "median"}

# The same curve as the program samples: T1 100 s, T2 300 s, Vm 1 m/sec, a step of 0.01 s (in single
# precision, as the program adds it).
passo, t1, t2, vm = 0.009999999776482582, 100.0, 300.0, 1.0
tempi, velocita, t = [], [], 0.0
while t <= 2 * t1 + t2 and len(tempi) < 50000:
    tempi.append(t)
    velocita.append(vm * t / t1 if t < t1 else vm if t <= t1 + t2 else vm * (2 * t1 + t2 - t) / t1)
    t += passo
# Two ways of timing matplotlib. "From the points" is what the program's full view does every time:
# from the point list to the finished picture (axes cleared, curve, grid and names set, canvas drawn).
# "Redraw" draws a figure whose artists already exist, which matplotlib can do and the program never
# needs: it is given for comparison.
figura, assi = plt.subplots(figsize=(16, 10), dpi=100)


def disegna_dai_punti():
    assi.clear()
    assi.plot(tempi, velocita, "k-", linewidth=2)
    assi.grid(True, linestyle="--")
    assi.set_xlabel("t [sec]")
    assi.set_ylabel("V(t) [m/sec]")
    figura.canvas.draw()


def mediana(azione):
    durate = []
    for _ in range(5):
        inizio = time.perf_counter()
        azione()
        durate.append(time.perf_counter() - inizio)
    return statistics.median(durate)


matplotlib_mediana = mediana(disegna_dai_punti)
ridisegno_mediana = mediana(figura.canvas.draw)

modello = mediane["ImmagineIntera"]
vista = mediane["VistaIntera"]
print(f"matplotlib dai punti, {len(tempi)} punti, 1600 x 1000: {matplotlib_mediana * 1e3:.1f} ms")
print(f"matplotlib, ridisegno della stessa figura:   {ridisegno_mediana * 1e3:.1f} ms")
print(f"modello del grafico, immagine nuova:         {modello * 1e3:.2f} ms "
      f"({matplotlib_mediana / modello:.0f} volte; {ridisegno_mediana / modello:.0f} sul ridisegno)")
print(f"finestra, vista intera (Disegna):            {vista * 1e3:.2f} ms "
      f"({matplotlib_mediana / vista:.0f} volte; {ridisegno_mediana / vista:.0f} sul ridisegno)")
print(f"finestra, un passo di rotella:               {mediane['PassoRotella'] * 1e3:.2f} ms")
print(f"finestra, un passo di trascinamento:         {mediane['PassoSpostamento'] * 1e3:.2f} ms")
print(f"finestra, una mossa del collimatore:         {mediane['MossaCollimatore'] * 1e3:.3f} ms")
sys.exit(0 if matplotlib_mediana / vista >= 30 else 1)
