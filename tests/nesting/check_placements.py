#!/usr/bin/python3
"""Checks a nest's JSON placements against its strip-packing instance with shapely, an
independent polygon library: every demanded copy placed once, only in allowed rotations,
inside the strip, no two parts overlapping, the reported length and density right.
Usage: check_placements.py INSTANCE.json RESULT.json [CLEARANCE]. Prints the faults; exits 1
when there is one."""
import json
import warnings
import math
import sys

from shapely import affinity
from shapely.geometry import Polygon
from shapely.strtree import STRtree


def placed(points, rotation, x, y):
    poly = Polygon(points)
    poly = affinity.rotate(poly, rotation, origin=(0, 0))
    return affinity.translate(poly, x, y)


def main():
    warnings.simplefilter("ignore")
    instance = json.load(open(sys.argv[1]))
    result = json.load(open(sys.argv[2]))
    clearance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.0
    items = instance["Items"]
    height = instance["Strip"]["Height"]
    faults = []
    seen = set()
    shapes = []
    area = 0.0
    for sheet in result["sheets"]:
        for p in sheet["placements"]:
            item = items[p["part"]]
            key = (p["part"], p["copy"])
            if key in seen:
                faults.append("copy placed twice: %s" % (key,))
            seen.add(key)
            if p["copy"] < 0 or p["copy"] >= item["Demand"]:
                faults.append("no such copy: %s" % (key,))
            allowed = item.get("AllowedOrientations", [0.0])
            if not any(abs(p["rotation"] - a) < 1e-9 for a in allowed):
                faults.append("rotation %g not allowed for part %d" % (p["rotation"], p["part"]))
            shape = placed(item["Shape"]["Data"], p["rotation"], p["x"], p["y"])
            area += shape.area
            minx, miny, maxx, maxy = shape.bounds
            tol = 1e-9 * max(1.0, height)
            if miny < clearance - tol or maxy > height - clearance + tol or minx < clearance - tol:
                faults.append("part %s outside the strip: %s" % (key, shape.bounds))
            shapes.append((key, shape))
    demanded = sum(i["Demand"] for i in items)
    if len(seen) != demanded:
        faults.append("%d copies placed, %d demanded" % (len(seen), demanded))
    tree = STRtree([s for _, s in shapes])
    index = {id(s): k for k, s in shapes}
    for key, s in shapes:
        for other in tree.query(s):
            okey = index[id(other)]
            if okey <= key:
                continue
            overlap = s.intersection(other).area
            if overlap > 1e-9 * s.area:
                faults.append("%s and %s overlap by %g" % (key, okey, overlap))
            if clearance > 0 and s.distance(other) < clearance * (1 - 1e-6):
                faults.append("%s and %s only %g apart" % (key, okey, s.distance(other)))
    length = max(s.bounds[2] for _, s in shapes)
    if abs(length - result["length"]) > 1e-6 * length:
        faults.append("length %g reported, %g found" % (result["length"], length))
    density = area / (height * length)
    if abs(density - result["density"]) > 1e-6:
        faults.append("density %g reported, %g found" % (result["density"], density))
    for f in faults:
        print(f)
    print("checked %d placements, length %g, density %.4f" % (len(shapes), length, density))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
