#!/usr/bin/python3
"""Reads the cutting-machine DXF files of a nest with ezdxf and checks the placed pieces with
shapely: closed outlines on CUT, no two pieces overlapping, each pair at least the clearance
apart and the clearance from the sheet's edge. Prints one JSON object: the pieces found per
file and the faults. Usage: check_nest_dxf.py WIDTH HEIGHT CLEARANCE FILE..."""
import json
import sys
import warnings

import ezdxf
from ezdxf import path
from shapely.geometry import Polygon


def pieces_of(name):
    loops = []
    for e in ezdxf.readfile(name).modelspace():
        if e.dxf.layer != "CUT":
            continue
        if not e.is_closed:
            raise ValueError("an open outline on CUT in " + name)
        pts = [(v.x, v.y) for v in path.make_path(e).flattening(distance=1e-4)]
        loops.append(Polygon(pts))
    loops.sort(key=lambda p: -p.area)
    pieces = []  # [outer, holes]
    for loop in loops:
        parent = next((p for p in reversed(pieces) if p[0].contains(loop.representative_point())
                       and not any(h.contains(loop.representative_point()) for h in p[1])), None)
        if parent is None:
            pieces.append([loop, []])
        else:
            parent[1].append(loop)
    return [Polygon(o.exterior.coords, [h.exterior.coords for h in holes]) for o, holes in pieces]


def main():
    warnings.simplefilter("ignore")
    width, height, clearance = (float(a) for a in sys.argv[1:4])
    tol = 1e-6 * max(width, height)
    counts, faults = [], []
    for name in sys.argv[4:]:
        pieces = pieces_of(name)
        counts.append(len(pieces))
        for i, a in enumerate(pieces):
            x0, y0, x1, y1 = a.bounds
            if x0 < clearance - tol or y0 < clearance - tol or x1 > width - clearance + tol \
                    or y1 > height - clearance + tol:
                faults.append("%s: piece %d off the sheet: %s" % (name, i, a.bounds))
            for j in range(i + 1, len(pieces)):
                b = pieces[j]
                if a.intersection(b).area > 1e-9 * a.area:
                    faults.append("%s: pieces %d and %d overlap" % (name, i, j))
                elif a.distance(b) < clearance - tol:
                    faults.append("%s: pieces %d and %d %g apart" % (name, i, j, a.distance(b)))
    print(json.dumps({"pieces": counts, "faults": faults}))


if __name__ == "__main__":
    main()
