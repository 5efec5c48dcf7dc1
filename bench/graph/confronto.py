#!/usr/bin/python3
"""The full view of 50,000 points on 1600 x 1000 pixels with labels and grid, by the program's plot model
and by matplotlib (Agg, drawn to a buffer) in the same run, each the median of 5; then the graph
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
figura, assi = plt.subplots(figsize=(16, 10), dpi=100)
assi.plot(tempi, velocita, "k-", linewidth=2)
assi.grid(True, linestyle="--")
assi.set_xlabel("t [sec]")
assi.set_ylabel("V(t) [m/sec]")
durate = []
for _ in range(5):
    inizio = time.perf_counter()
    figura.canvas.draw()
    durate.append(time.perf_counter() - inizio)
matplotlib_mediana = statistics.median(durate)

modello = mediane["ImmagineIntera"]
print(f"matplotlib, {len(tempi)} punti, 1600 x 1000: {matplotlib_mediana * 1e3:.1f} ms")
print(f"modello del grafico, stessa figura:        {modello * 1e3:.2f} ms ({matplotlib_mediana / modello:.0f} volte)")
print(f"finestra, vista intera (Disegna):          {mediane['VistaIntera'] * 1e3:.2f} ms "
      f"({matplotlib_mediana / mediane['VistaIntera']:.0f} volte)")
print(f"finestra, un passo di rotella:             {mediane['PassoRotella'] * 1e3:.2f} ms")
print(f"finestra, un passo di trascinamento:       {mediane['PassoSpostamento'] * 1e3:.2f} ms")
print(f"finestra, una mossa del collimatore:       {mediane['MossaCollimatore'] * 1e3:.3f} ms")
sys.exit(0 if matplotlib_mediana / mediane["VistaIntera"] >= 30 else 1)
