#!/usr/bin/env python3
"""End-to-end cost of `tovrins run`, beside the machine's own limits.

Makes an input of 16-segment closed paths, runs
`tovrins run translate` making 100 copies of each (no layers, the originals
deleted on OK, so the output holds exactly the copies) to SVG, JSON and PNG,
and prints for each output the median time of the runs, the peak resident
memory of the run, the output's bytes and, measured in the same run:
  - dd writing as many bytes to a file in the same folder, in blocks of
    the size tovrins hands its text to the file in (no fsync, and with
    conv=fsync, as tovrins syncs its outputs before renaming them); the
    median of at least three runs, since the first write after a large run
    can take several times as long,
  - the document's own bytes (its node records and segments in memory),
  - rsvg-convert rendering the SVG output at the PNG's size (or its error:
    librsvg loads no file of more than a million elements).
It ends with the goals at the largest count and the time per copy at each
count against 1,000 copies (the linearity of the cost).

Usage: bench/end_to_end/end_to_end.py [--build build/release] [--million]
         [--runs 3] [--work DIR] [--formats svg,json,png]
10^3, 10^4 and 10^5 copies by default; --million adds 10^6 (10,000 paths).
"""
import argparse
import math
import os
import statistics
import struct
import subprocess
import sys
import time
from pathlib import Path

COPIES_PER_PATH = 100
DD_BLOCK = 256 * 1024  # the writers' chunk (host/io/text_output.hpp)
DD_RUNS = 3  # at least
SEGMENTS = 16
PAGE = 1200  # points a side
ROOT = Path(__file__).resolve().parents[2]


def make_input(path, paths):
    """A grid of 16-gons filling the page, every one a selectable path."""
    side = math.ceil(math.sqrt(paths))
    cell = PAGE / side
    radius = 0.35 * cell
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{PAGE}" height="{PAGE}" '
             f'viewBox="0 0 {PAGE} {PAGE}">', '<g id="art">']
    for k in range(paths):
        cx = (k % side + 0.5) * cell
        cy = (k // side + 0.5) * cell
        points = [(cx + radius * math.cos(2 * math.pi * s / SEGMENTS),
                   cy + radius * math.sin(2 * math.pi * s / SEGMENTS)) for s in range(SEGMENTS)]
        d = "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points) + " Z"
        lines.append(f'<path id="p{k}" d="{d}" fill="#808080" stroke="#000000" stroke-width="0.5"/>')
    lines += ['</g>', '</svg>', '']
    path.write_text("\n".join(lines))


class CommandFailed(Exception):
    pass


def timed(command, **kwargs):
    """Wall seconds, peak resident bytes, processor seconds (user and
    system) and system seconds of one child process. On a shared machine
    the wall time carries the queueing for the processor; the processor
    time does not."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, **kwargs)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise CommandFailed(f"{' '.join(map(str, command))} failed with status {status}")
    return seconds, usage.ru_maxrss * 1024, usage.ru_utime + usage.ru_stime, usage.ru_stime


def median_run(command, runs, **kwargs):
    """Median wall seconds, largest peak bytes, median processor seconds,
    median system seconds."""
    try:
        results = [timed(command, **kwargs) for _ in range(runs)]
    except CommandFailed as e:
        sys.exit(f"end_to_end: {e}")
    return (statistics.median(r[0] for r in results), max(r[1] for r in results),
            statistics.median(r[2] for r in results), statistics.median(r[3] for r in results))


def rsvg_limit(row, work, svg, width, height, runs):
    """rsvg-convert drawing the SVG output at the PNG's size, into `row`; or
    its error, when it refuses the file (librsvg loads at most a million
    elements)."""
    rsvg = ["rsvg-convert", "-w", str(width), "-h", str(height), "-o", work / "rsvg.png", svg]
    errors = work / "rsvg.err"
    try:
        with open(errors, "w") as err:
            results = [timed(rsvg, stderr=err) for _ in range(runs)]
        row["rsvg"] = statistics.median(r[0] for r in results)
        row["rsvgpeak"] = max(r[1] for r in results)
        row["rsvgcpu"] = statistics.median(r[2] for r in results)
    except CommandFailed:
        row["rsvgerror"] = errors.read_text().strip().splitlines()[-1] if errors.stat().st_size else "failed"
    errors.unlink()
    row["pixels"] = f"{width}x{height}"


def dd_seconds(target, size, runs, fsync):
    """Wall and processor seconds of dd writing size bytes to target."""
    blocks = max(1, math.ceil(size / DD_BLOCK))
    command = ["dd", "if=/dev/zero", f"of={target}", f"bs={DD_BLOCK}", f"count={blocks}", "status=none"]
    if fsync:
        command.append("conv=fsync")
    seconds, _, cpu, _ = median_run(command, max(runs, DD_RUNS))
    target.unlink()
    return seconds, cpu


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24])


def document_bytes(helper, input_path):
    out = subprocess.run([helper, input_path], check=True, capture_output=True, text=True).stdout
    return int(out.split()[0]) * COPIES_PER_PATH


def run_count(args, copies):
    paths = copies // COPIES_PER_PATH
    work = args.work
    source = work / f"in-{copies}.svg"
    make_input(source, paths)
    doc_bytes = document_bytes(args.build / "bench/end_to_end/tovrins_document_bytes", source)
    rows = {}
    for fmt in args.formats:
        output = work / f"out-{copies}.{fmt}"
        command = [args.build / "app/tovrins", "run", "translate", source, "-o", output, "--seed", "1",
                   "--set", "translatePreview=0", "--set", "translateLayerOption=2",
                   "--set", "translateHorizontal=0.2", "--set", "translateVertical=0.2",
                   "--set", f"translateCopies={COPIES_PER_PATH}"]
        seconds, peak, cpu, sys_cpu = median_run(command, args.runs)
        size = output.stat().st_size
        dd, ddcpu = dd_seconds(work / "dd.bin", size, args.runs, False)
        row = {"time": seconds, "cpu": cpu, "sys": sys_cpu, "peak": peak, "bytes": size, "doc": doc_bytes,
               "dd": dd, "ddcpu": ddcpu, "ddsync": dd_seconds(work / "dd.bin", size, args.runs, True)[0]}
        rows[fmt] = row
    if "png" in rows and "svg" in rows:
        width, height = png_size(work / f"out-{copies}.png")
        rsvg_limit(rows["png"], work, work / f"out-{copies}.svg", width, height, args.runs)
    for fmt in args.formats:
        (work / f"out-{copies}.{fmt}").unlink()
    source.unlink()
    return rows


def mb(n):
    return n / 1e6


def print_row(copies, fmt, r):
    limit = ""
    if fmt == "png" and "rsvg" in r:
        limit = (f"rsvg-convert {r['rsvg']:.2f} s ({r['rsvgcpu']:.2f} cpu), {mb(r['rsvgpeak']):.0f} MB "
                 f"at {r['pixels']}")
    elif fmt == "png" and "rsvgerror" in r:
        limit = f"rsvg-convert refuses the SVG at {r['pixels']}: {r['rsvgerror']}"
    print(f"{copies:>9} {fmt:>4} {r['time']:8.2f} {r['cpu']:7.2f} {r['sys']:7.2f} {mb(r['peak']):9.0f} {mb(r['bytes']):9.1f} "
          f"{r['dd']:7.3f} {r['ddcpu']:7.3f} {r['ddsync']:8.3f} {mb(r['doc']):8.1f}  {limit}")


def print_goals(results, formats):
    top = max(results)
    r = results[top]
    print(f"\nGoals at {top:,} copies:")
    if "svg" in r:
        s = r["svg"]
        print(f"  SVG time  / dd of its bytes      {s['time'] / s['dd']:7.2f}  (goal <= 3; {s['time'] / s['ddsync']:.2f} "
              f"against dd with fsync; processor time over dd's {s['cpu'] / max(s['ddcpu'], 1e-3):.2f})")
        print(f"  SVG peak  / document's bytes     {s['peak'] / s['doc']:7.2f}  (goal <= 2)")
    if "json" in r and "svg" in r:
        print(f"  JSON time / SVG time             {r['json']['time'] / r['svg']['time']:7.2f}  (goal <= 2; "
              f"processor time {r['json']['cpu'] / r['svg']['cpu']:.2f})")
        print(f"  JSON peak / document's bytes     {r['json']['peak'] / r['json']['doc']:7.2f}")
    if "png" in r and "rsvg" in r["png"]:
        print(f"  PNG time  / rsvg-convert         {r['png']['time'] / r['png']['rsvg']:7.2f}  (goal <= 1; "
              f"processor time {r['png']['cpu'] / r['png']['rsvgcpu']:.2f})")
    elif "png" in r and "rsvgerror" in r["png"]:
        print(f"  PNG time  / rsvg-convert         (rsvg-convert refuses the SVG output: {r['png']['rsvgerror']})")
    low = min(results)
    if low == top:
        return
    print(f"\nTime per copy against {low:,} copies (1.00 is linear):")
    for fmt in formats:
        base = results[low][fmt]["time"] / low
        ratios = "  ".join(f"{c:,}: {results[c][fmt]['time'] / c / base:5.2f}" for c in sorted(results))
        print(f"  {fmt:>4}  {ratios}")
    # The fixed cost of a run (loading the plug-in, the dialog) hides in the
    # small counts; the cost of each added copy between two counts does not.
    counts = sorted(results)
    if len(counts) < 3:
        return
    print("\nCost of each added copy between two counts, against the first step (1.00 is linear):")
    # User time is the program's own work; the system time of writing a
    # large file varies several-fold from run to run on a shared machine.
    def cost(row, key):
        return row["cpu"] - row["sys"] if key == "user" else row[key]
    for fmt in formats:
        for key, label in (("time", "wall"), ("cpu", "cpu"), ("user", "user")):
            steps = [(cost(results[b][fmt], key) - cost(results[a][fmt], key)) / (b - a)
                     for a, b in zip(counts, counts[1:])]
            ratios = "  ".join(f"{b:,}: {step / steps[0]:5.2f}"
                               for (_, b), step in zip(zip(counts, counts[1:]), steps))
            # The first step is a few hundredths of a second, within the
            # noise; each step against the one before it is steadier.
            chained = "  ".join(f"{b:,}: {step / before:5.2f}"
                                for b, before, step in zip(counts[2:], steps, steps[1:]))
            print(f"  {fmt:>4} {label:>4}  {ratios}   (against the step before: {chained})")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", type=Path, default=ROOT / "build/release", help="a Release build folder")
    parser.add_argument("--million", action="store_true", help="add the 1,000,000-copy case")
    parser.add_argument("--runs", type=int, default=3, help="runs of each command; the median is shown")
    parser.add_argument("--work", type=Path, help="folder for the files (default BUILD/end_to_end)")
    parser.add_argument("--formats", default="svg,json,png", help="outputs to measure, comma-separated")
    args = parser.parse_args()
    args.formats = [f for f in args.formats.split(",") if f]
    if not set(args.formats) <= {"svg", "json", "png"} or not args.formats:
        sys.exit("end_to_end: --formats takes svg, json and png")
    if args.runs < 1:
        sys.exit("end_to_end: --runs must be at least 1")
    args.work = (args.work or args.build / "end_to_end").resolve()
    args.work.mkdir(parents=True, exist_ok=True)
    counts = [10**3, 10**4, 10**5] + ([10**6] if args.million else [])
    print(f"tovrins run translate: {SEGMENTS}-segment paths x {COPIES_PER_PATH} copies, no layers; "
          f"median of {args.runs}; files in {args.work}")
    print(f"{'copies':>9} {'out':>4} {'time s':>8} {'cpu s':>7} {'sys s':>7} {'peak MB':>9} {'out MB':>9} {'dd s':>7} "
          f"{'dd cpu':>7} {'dd+sync':>8} {'doc MB':>8}  PNG limit")
    results = {}
    for copies in counts:
        results[copies] = run_count(args, copies)
        for fmt in args.formats:
            print_row(copies, fmt, results[copies][fmt])
        sys.stdout.flush()
    print_goals(results, args.formats)


if __name__ == "__main__":
    main()
