#!/usr/bin/python3
"""Checks the JSON placements of a nest against the parts' own cutting-machine DXF files, read
with ezdxf and placed with shapely as the JSON defines a placement (the outline turned about its
origin counter-clockwise by the rotation, then moved by x and y): every copy placed once, in a
rotation of the step given, on the sheet with the clearance from its edge, no two pieces
overlapping or closer than the clearance. Prints one JSON object with the faults.
Usage: check_part_placements.py WIDTH HEIGHT CLEARANCE STEP RESULT.json DXF:COPIES..."""
import json
import os
import sys
import warnings

from shapely import affinity

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_nest_dxf import pieces_of  # noqa: E402


def placed_pieces(result, parts, step, faults):
    seen, out = set(), []
    for s, sheet in enumerate(result["sheets"]):
        shapes = []
        for p in sheet["placements"]:
            key = (p["part"], p["copy"])
            if key in seen or not 0 <= p["part"] < len(parts) \
                    or not 0 <= p["copy"] < parts[p["part"]][1]:
                faults.append("copy %s placed twice or not asked for" % (key,))
                continue
            seen.add(key)
            turns = p["rotation"] / step
            if abs(turns - round(turns)) > 1e-9:
                faults.append("copy %s turned by %g" % (key, p["rotation"]))
            shape = affinity.rotate(parts[p["part"]][0], p["rotation"], origin=(0, 0))
            shapes.append((key, affinity.translate(shape, p["x"], p["y"])))
        out.append(shapes)
    wanted = sum(c for _, c in parts)
    if len(seen) != wanted:
        faults.append("%d copies placed, %d asked for" % (len(seen), wanted))
    return out


def main():
    warnings.simplefilter("ignore")
    width, height, clearance, step = (float(a) for a in sys.argv[1:5])
    result = json.load(open(sys.argv[5]))
    parts, faults = [], []
    for arg in sys.argv[6:]:
        name, copies = arg.rsplit(":", 1)
        pieces = pieces_of(name)
        if len(pieces) != 1:
            faults.append("%s has %d pieces" % (name, len(pieces)))
        parts.append((pieces[0], int(copies)))
    tol = 1e-3
    for s, shapes in enumerate(placed_pieces(result, parts, step, faults)):
        for i, (key, a) in enumerate(shapes):
            x0, y0, x1, y1 = a.bounds
            if x0 < clearance - tol or y0 < clearance - tol or x1 > width - clearance + tol \
                    or y1 > height - clearance + tol:
                faults.append("sheet %d: copy %s off the sheet: %s" % (s, key, a.bounds))
            for okey, b in shapes[i + 1:]:
                if a.intersection(b).area > 1e-9 * a.area:
                    faults.append("sheet %d: copies %s and %s overlap" % (s, key, okey))
                elif a.distance(b) < clearance - tol:
                    faults.append("sheet %d: copies %s and %s %g apart" % (s, key, okey,
                                                                           a.distance(b)))
    print(json.dumps({"faults": faults}))


if __name__ == "__main__":
    main()
