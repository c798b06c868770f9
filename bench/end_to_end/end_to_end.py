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
  - rsvg-convert rendering the SVG output at the PNG's size. librsvg loads
    no file of more than a million elements, so past that (at 10^6 copies)
    the output is cut into as few parts as fit, each the same page drawing a
    consecutive share of the art, drawn one after another; the limit is the
    sum of their times less the fixed cost (an empty page drawn at that
    size) of every part beyond the first, and the largest part's peak.
It ends with the goals at the largest count and the time per copy at each
count against 1,000 copies (the linearity of the cost), for rsvg-convert's
drawing too.

Usage: bench/end_to_end/end_to_end.py [--build build/release] [--million]
         [--runs 3] [--work DIR] [--formats svg,json,png] [--rsvg-most N]
10^3, 10^4 and 10^5 copies by default; --million adds 10^6 (10,000 paths).
"""
import argparse
import bisect
import math
import os
import re
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


# librsvg loads no file of more elements than this.
RSVG_MOST_ELEMENTS = 1_000_000
# A tag, or a comment, CDATA section or declaration to pass over; quoted
# attribute values may hold '>'.
XML_TOKEN = re.compile(rb'<!--.*?-->|<!\[CDATA\[.*?\]\]>|<[?!][^>]*>'
                       rb'|<(/?)([A-Za-z_][^\s/>]*)(?:[^>"\']+|"[^"]*"|\'[^\']*\')*?(/?)>', re.S)


def svg_cuts(text):
    """Where the SVG text may be cut between art objects: after each child
    of a top-level group (a layer) and after each top-level element, with
    the elements before the cut and the group left open there. Also the end
    of the root's start tag, the root's name and the count of elements.
    (Definitions stay in the part they fall in: the benchmark's output
    refers to none.)"""
    stack, cuts, count, root_end, root = [], [], 0, 0, b"svg"
    for m in XML_TOKEN.finditer(text):
        if m.group(2) is None:
            continue
        if not m.group(1):
            count += 1
            if not stack:
                root_end, root = m.end(), m.group(2)
            if not m.group(3):
                stack.append((m.group(2), m.group(0)))
                continue
        else:
            stack.pop()
        if len(stack) == 1 or len(stack) == 2 and stack[1][0] in (b"g", b"svg:g"):
            cuts.append((m.end(), count, stack[1] if len(stack) == 2 else None))
    return cuts, root_end, root, count


def svg_parts(svg, work, most):
    """The SVG output as pages librsvg will load: the file itself when it
    holds at most `most` elements, else as few parts as fit,
    each the same page (the root, and the layer group around its share)
    drawing a consecutive share of the art, so that the parts drawn in
    order paint each object once, as the whole file would. Also the page
    with no art, whose drawing is the fixed cost of a part."""
    text = svg.read_bytes()
    cuts, root_end, root, count = svg_cuts(text)
    empty = work / "rsvg-empty.svg"
    empty.write_bytes(text[:root_end] + b"</" + root + b">\n")
    count_parts = math.ceil(count / (most - 2))
    if count_parts == 1:
        return [svg], empty, count
    counts = [c for _, c, _ in cuts]
    ends = [cuts[bisect.bisect_left(counts, count * k / count_parts)] for k in range(1, count_parts)]
    parts, start, open_group = [], root_end, None
    for k, end in enumerate(ends + [None]):
        body = [text[:root_end], open_group[1] if open_group else b""]
        if end is None:
            body.append(text[start:])
        else:
            body += [text[start:end[0]], b"</" + end[2][0] + b">" if end[2] else b"", b"</" + root + b">\n"]
            start, open_group = end[0], end[2]
        part = work / f"rsvg-part-{k}.svg"
        part.write_bytes(b"".join(body))
        parts.append(part)
    return parts, empty, count


def rsvg_runs(pages, work, width, height, runs):
    """Wall and processor seconds of rsvg-convert drawing the pages one
    after another at the PNG's size, summed (median of the runs), and the
    largest peak of any; or None and rsvg-convert's error."""
    errors = work / "rsvg.err"
    totals = []
    try:
        with open(errors, "w") as err:
            for _ in range(runs):
                drawn = [timed(["rsvg-convert", "-w", str(width), "-h", str(height), "-o", work / "rsvg.png",
                                page], stderr=err) for page in pages]
                totals.append((sum(d[0] for d in drawn), max(d[1] for d in drawn), sum(d[2] for d in drawn)))
    except CommandFailed:
        return None, errors.read_text().strip().splitlines()[-1] if errors.stat().st_size else "failed"
    finally:
        errors.unlink()
        (work / "rsvg.png").unlink(missing_ok=True)
    return (statistics.median(t[0] for t in totals), max(t[1] for t in totals),
            statistics.median(t[2] for t in totals)), None


def rsvg_limit(row, work, svg, width, height, runs, most):
    """rsvg-convert drawing the SVG output at the PNG's size, into `row`.
    Past librsvg's element limit the output is drawn in parts (svg_parts):
    the sum of their times less the fixed cost of the parts beyond the
    first (an empty page drawn at that size), and the largest part's peak,
    which is below what one file of all the art would need."""
    pages, empty, row["elements"] = svg_parts(svg, work, most)
    row["pixels"] = f"{width}x{height}"
    row["rsvgparts"] = len(pages)
    drawn, row["rsvgerror"] = rsvg_runs(pages, work, width, height, runs)
    if drawn and len(pages) > 1:
        fixed, row["rsvgerror"] = rsvg_runs([empty], work, width, height, runs)
        drawn = fixed and (drawn[0] - (len(pages) - 1) * fixed[0], drawn[1],
                           drawn[2] - (len(pages) - 1) * fixed[2])
        row["rsvgfixed"] = fixed
    if drawn:
        row["rsvg"], row["rsvgpeak"], row["rsvgcpu"] = drawn
        del row["rsvgerror"]
    for page in pages[1:] if pages[0] == svg else pages:
        page.unlink()
    empty.unlink()


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


def translate_command(args, source, output):
    return [args.build / "app/tovrins", "run", "translate", source, "-o", output, "--seed", "1",
            "--set", "translatePreview=0", "--set", "translateLayerOption=2",
            "--set", "translateHorizontal=0.2", "--set", "translateVertical=0.2",
            "--set", f"translateCopies={COPIES_PER_PATH}"]


def png_limit(args, row, source, copies):
    """rsvg-convert on the SVG output of the same document, made here
    (untimed) when SVG is not among the outputs measured."""
    work = args.work
    svg = work / f"out-{copies}.svg"
    made = "svg" not in args.formats
    if made:
        median_run(translate_command(args, source, svg), 1)
    width, height = png_size(work / f"out-{copies}.png")
    rsvg_limit(row, work, svg, width, height, args.runs, args.rsvg_most)
    if made:
        svg.unlink()


def run_count(args, copies):
    paths = copies // COPIES_PER_PATH
    work = args.work
    source = work / f"in-{copies}.svg"
    make_input(source, paths)
    doc_bytes = document_bytes(args.build / "bench/end_to_end/tovrins_document_bytes", source)
    rows = {}
    for fmt in args.formats:
        output = work / f"out-{copies}.{fmt}"
        command = translate_command(args, source, output)
        seconds, peak, cpu, sys_cpu = median_run(command, args.runs)
        size = output.stat().st_size
        dd, ddcpu = dd_seconds(work / "dd.bin", size, args.runs, False)
        row = {"time": seconds, "cpu": cpu, "sys": sys_cpu, "peak": peak, "bytes": size, "doc": doc_bytes,
               "dd": dd, "ddcpu": ddcpu, "ddsync": dd_seconds(work / "dd.bin", size, args.runs, True)[0]}
        rows[fmt] = row
    if "png" in rows:
        png_limit(args, rows["png"], source, copies)
    for fmt in args.formats:
        (work / f"out-{copies}.{fmt}").unlink()
    source.unlink()
    return rows


def mb(n):
    return n / 1e6


def png_limit_text(r):
    if "rsvg" not in r:
        return f"rsvg-convert refuses the SVG at {r['pixels']}: {r['rsvgerror']}"
    text = f"rsvg-convert {r['rsvg']:.2f} s ({r['rsvgcpu']:.2f} cpu), {mb(r['rsvgpeak']):.0f} MB at {r['pixels']}"
    if r["rsvgparts"] > 1:
        fixed = r["rsvgfixed"]
        text += (f", the SVG's {r['elements']:,} elements in {r['rsvgparts']} parts: their sum less "
                 f"{r['rsvgparts'] - 1} x an empty page's {fixed[0]:.2f} s ({fixed[2]:.2f} cpu); "
                 f"the largest part's peak")
    return text


def print_row(copies, fmt, r):
    limit = png_limit_text(r) if fmt == "png" else ""
    print(f"{copies:>9} {fmt:>4} {r['time']:8.2f} {r['cpu']:7.2f} {r['sys']:7.2f} {mb(r['peak']):9.0f} {mb(r['bytes']):9.1f} "
          f"{r['dd']:7.3f} {r['ddcpu']:7.3f} {r['ddsync']:8.3f} {mb(r['doc']):8.1f}  {limit}")


def print_png_goal(p):
    if "rsvg" not in p:
        print(f"  PNG time  / rsvg-convert         (rsvg-convert refuses the SVG output: {p['rsvgerror']})")
        return
    parts = f"; rsvg-convert drew the SVG in {p['rsvgparts']} parts" if p["rsvgparts"] > 1 else ""
    print(f"  PNG time  / rsvg-convert         {p['time'] / p['rsvg']:7.2f}  (goal <= 1; processor time "
          f"{p['cpu'] / p['rsvgcpu']:.2f}; peak {p['peak'] / p['rsvgpeak']:.2f}{parts})")


def print_limit_linearity(results):
    """The same figures for rsvg-convert's drawing, beside PNG's."""
    counts = [c for c in sorted(results) if "rsvg" in results[c].get("png", {})]
    if len(counts) < 3:
        return
    print("\nrsvg-convert's cost of each added copy, against the first step (1.00 is linear):")
    for key, label in (("rsvg", "wall"), ("rsvgcpu", "cpu")):
        steps = [(results[b]["png"][key] - results[a]["png"][key]) / (b - a) for a, b in zip(counts, counts[1:])]
        ratios = "  ".join(f"{b:,}: {step / steps[0]:5.2f}" for b, step in zip(counts[1:], steps))
        print(f"  rsvg {label:>4}  {ratios}")


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
    if "png" in r:
        print_png_goal(r["png"])
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
    parser.add_argument("--rsvg-most", type=int, default=RSVG_MOST_ELEMENTS, metavar="N",
                        help="most elements in one file for rsvg-convert; more are drawn in parts "
                             "(default librsvg's limit; lower it to set the parts beside the whole file)")
    args = parser.parse_args()
    args.formats = [f for f in args.formats.split(",") if f]
    if not set(args.formats) <= {"svg", "json", "png"} or not args.formats:
        sys.exit("end_to_end: --formats takes svg, json and png")
    if args.rsvg_most < 3:
        sys.exit("end_to_end: --rsvg-most must be at least 3")
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
    print_limit_linearity(results)


if __name__ == "__main__":
    main()
