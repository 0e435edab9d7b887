#!/usr/bin/env python3
"""Start-up time to the first painted frame and peak memory: the program's
window against a bare Qt Widgets window, many runs each, medians and ratio.
Usage: bench/startup.py [BENCH_STARTUP_BINARY] [RUNS]
Runs under Xvfb when it is installed and DISPLAY is unset, else offscreen."""
import os, shutil, statistics, subprocess, sys, time

here = os.path.dirname(os.path.abspath(__file__))
binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'build', 'bench', 'bench_startup')
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
if 'DISPLAY' not in os.environ and shutil.which('Xvfb'):
    os.execv(os.path.join(here, '..', 'scripts', 'with-xvfb'), ['with-xvfb', sys.executable] + sys.argv)
env = dict(os.environ)
if 'DISPLAY' in env:
    env.pop('QT_QPA_PLATFORM', None)
    platform = 'xcb on ' + env['DISPLAY']
else:
    env.setdefault('QT_QPA_PLATFORM', 'offscreen')
    platform = env['QT_QPA_PLATFORM']


def once(mode):
    start = time.time_ns()
    out = subprocess.run([binary, mode], env=env, capture_output=True, text=True, timeout=30).stdout.split()
    return (int(out[0]) - start) / 1e6, int(out[1]) / 1e6


results = {}
for mode in ('bare', 'vektoria'):
    once(mode)  # warm the caches
samples = {'bare': [], 'vektoria': []}
for _ in range(runs):  # interleaved, so that drift hits both alike
    for mode in samples:
        samples[mode].append(once(mode))
for mode, values in samples.items():
    results[mode] = (statistics.median(v[0] for v in values), statistics.median(v[1] for v in values))
    print('%-9s median start-up %7.1f ms, median peak RSS %6.1f MB (%d runs, %s)'
          % (mode, results[mode][0], results[mode][1], runs, platform))
t = results['vektoria'][0] / results['bare'][0]
m = results['vektoria'][1] / results['bare'][1]
print('ratio time   %.2f (goal <= 1.3: %s)' % (t, 'met' if t <= 1.3 else 'missed'))
print('ratio memory %.2f (goal <= 1.2: %s)' % (m, 'met' if m <= 1.2 else 'missed'))
