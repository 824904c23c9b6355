#!/usr/bin/env python3
"""Writes src/ui/pickers/CityMapShapes.h: the coasts and the territory lines of the city picker's
map, in the picker's twips.

The coasts come from Natural Earth's 1:50m land polygons (public domain), as the world-atlas npm
package ships them in land-50m.json:

    npm pack world-atlas@2 && tar xzf world-atlas-*.tgz
    tools/city_map/make_city_map.py package/land-50m.json

The picker's map is not a true projection: its 66 castle icons sit where the game's screen puts
them. The coasts are therefore fitted to the castles: an affine fit of longitude and latitude to
the icons' centres, then a correction (inverse-distance weighting of the castles' misfits) that
carries every castle exactly onto its icon, so each icon stands on its own shore. The territory lines are the
borders of the castles' Voronoi cells; the picker clips them to the land when it paints.
"""
import json
import math
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "src" / "ui" / "pickers" / "CityMapShapes.h"

MAP_WIDTH, MAP_HEIGHT = 14730, 6195  # twips
ICON = 270

# Icon top-left corners of the 66 cities (twips), in city order.
ICONS = [
    (12240, 240), (12460, 1400), (12000, 1080), (12250, 2150), (11840, 2560), (11650, 2940), (11340, 3570),
    (10670, 3300), (11720, 1440), (11340, 2500), (11136, 2870), (10710, 4140), (10280, 4400), (10090, 5190),
    (10240, 3930), (9710, 3840), (9920, 4520), (9520, 4840), (9170, 4320), (9210, 3470), (8800, 4020),
    (10470, 2760), (9470, 3110), (8640, 3080), (8510, 2730), (8150, 3000), (7740, 3420), (8840, 4840),
    (8370, 5000), (8040, 4750), (7850, 4300), (7980, 3800), (8400, 3560), (7200, 4920), (7430, 3770),
    (7220, 4120), (6880, 4020), (6600, 3140), (6350, 3610), (6260, 4440), (6470, 4110), (6880, 4560),
    (6080, 4920), (6000, 3760), (5530, 3610), (4600, 3450), (3610, 3350), (5800, 3280), (4700, 3030),
    (5200, 4070), (5660, 4480), (4530, 4230), (4190, 4450), (4860, 4600), (4200, 4900), (3010, 3850),
    (3160, 4280), (2750, 3480), (2370, 4000), (2140, 3620), (1960, 4070), (2610, 4360), (2360, 4700),
    (2740, 4880), (1860, 5020), (2220, 5360),
]

# Where the castles stand (latitude, longitude); None where the castle is not placed with confidence.
CASTLES = [
    (41.43, 140.10), (40.38, 141.26), (40.55, 140.48), (39.55, 141.17), (38.58, 140.93), None,
    (37.56, 140.99), (37.49, 139.93), (40.15, 140.10), (38.26, 140.33), (37.91, 140.12), (36.55, 140.52),
    (36.19, 139.70), (35.29, 140.09), (36.56, 139.88), (36.39, 138.95), (35.95, 139.70), (35.25, 139.15),
    (35.69, 138.57), (36.47, 138.18), (35.83, 138.06), (37.95, 139.33), (37.15, 138.20), (36.69, 137.21),
    (37.02, 136.98), (36.56, 136.66), (36.00, 136.30), (34.98, 138.38), (34.71, 137.73), (34.96, 137.16),
    (35.22, 136.84), (35.43, 136.78), (35.80, 137.25), (34.55, 136.25), (35.47, 136.28), (35.15, 136.15),
    (35.03, 135.76), (35.55, 135.10), (35.07, 135.24), (34.46, 135.37), (34.68, 135.53), (34.63, 135.78),
    (34.22, 135.17), (34.84, 134.69), (34.83, 134.15), (34.67, 132.70), (34.18, 131.47), (35.51, 134.23),
    (35.37, 133.19), (34.28, 134.11), (34.10, 134.53), (33.85, 132.79), (33.37, 132.52), (33.60, 133.63),
    (32.99, 132.93), (33.62, 131.02), (33.24, 131.61), (33.67, 130.50), (33.16, 130.40), (33.25, 130.30),
    (32.90, 129.96), (32.80, 130.71), (32.21, 130.76), (32.05, 131.43), (31.60, 130.56), (31.35, 130.95),
]

LONGITUDE_SCALE = math.cos(math.radians(36.0))
CORRECTION_REACH = 1.2  # degrees: how far from the castles their correction fades out
SIMPLIFY_TWIPS = 9.0
SMALLEST_ISLAND_TWIPS2 = 40 * 40


def plane(lat, lon):
    return lon * LONGITUDE_SCALE, lat


def solve(matrix, rhs):
    """Gaussian elimination with partial pivoting; rhs is a list of columns."""
    n = len(matrix)
    a = [row[:] + [col[i] for col in rhs] for i, row in enumerate(matrix)]
    width = len(a[0])
    for c in range(n):
        pivot = max(range(c, n), key=lambda r: abs(a[r][c]))
        a[c], a[pivot] = a[pivot], a[c]
        for r in range(n):
            if r != c and a[r][c] != 0:
                f = a[r][c] / a[c][c]
                for k in range(c, width):
                    a[r][k] -= f * a[c][k]
    return [[a[i][n + j] / a[i][i] for i in range(n)] for j in range(len(rhs))]


class Warp:
    def __init__(self):
        pairs = [(plane(*c), (x + ICON / 2, y + ICON / 2)) for c, (x, y) in zip(CASTLES, ICONS) if c]
        # Affine least squares: [u v 1] -> x and y.
        normal = [[0.0] * 3 for _ in range(3)]
        bx, by = [0.0] * 3, [0.0] * 3
        for (u, v), (x, y) in pairs:
            basis = (u, v, 1.0)
            for i in range(3):
                for j in range(3):
                    normal[i][j] += basis[i] * basis[j]
                bx[i] += basis[i] * x
                by[i] += basis[i] * y
        self.ax, self.ay = solve(normal, [bx, by])
        self.centres = [p for p, _ in pairs]
        self.residuals = [(x - self.affine(u, v)[0], y - self.affine(u, v)[1]) for (u, v), (x, y) in pairs]
        worst = max(math.hypot(rx, ry) for rx, ry in self.residuals)
        print(f"affine fit: worst castle off by {worst:.0f} twips before the correction", file=sys.stderr)

    def affine(self, u, v):
        return (self.ax[0] * u + self.ax[1] * v + self.ax[2], self.ay[0] * u + self.ay[1] * v + self.ay[2])

    def __call__(self, lat, lon):
        u, v = plane(lat, lon)
        x, y = self.affine(u, v)
        # Inverse-distance weighting of the castles' residuals: exact at every castle, never beyond
        # the largest residual, and fading out away from the castles.
        total = sx = sy = 0.0
        nearest = math.inf
        for (cu, cv), (rx, ry) in zip(self.centres, self.residuals):
            d2 = (u - cu) ** 2 + (v - cv) ** 2
            if d2 < 1e-12:
                return x + rx, y + ry
            nearest = min(nearest, d2)
            w = 1.0 / d2
            total += w
            sx += w * rx
            sy += w * ry
        fade = math.exp(-nearest / (2 * CORRECTION_REACH**2))
        return x + fade * sx / total, y + fade * sy / total


def decode_arcs(topology):
    sx, sy = topology["transform"]["scale"]
    tx, ty = topology["transform"]["translate"]
    arcs = []
    for arc in topology["arcs"]:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x * sx + tx, y * sy + ty))  # lon, lat
        arcs.append(points)
    return arcs


def ring_points(ring, arcs):
    points = []
    for index in ring:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        points.extend(arc if not points else arc[1:])
    return points


def land_rings(path):
    topology = json.loads(pathlib.Path(path).read_text())
    arcs = decode_arcs(topology)
    rings = []
    for geometry in topology["objects"]["land"]["geometries"]:
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            rings.append(ring_points(polygon[0], arcs))  # outer rings only: no lakes at this scale
    return rings


def clip_to_region(ring):
    """Cuts a continent-sized ring down to the part near the map (a box in longitude and latitude)."""
    west, east, south, north = 124.0, 147.5, 29.5, 44.5

    def clip(points, inside, cross):
        out = []
        for i, current in enumerate(points):
            previous = points[i - 1]
            if inside(current):
                if not inside(previous):
                    out.append(cross(previous, current))
                out.append(current)
            elif inside(previous):
                out.append(cross(previous, current))
        return out

    def at_lon(a, b, lon):
        t = (lon - a[0]) / (b[0] - a[0])
        return (lon, a[1] + t * (b[1] - a[1]))

    def at_lat(a, b, lat):
        t = (lat - a[1]) / (b[1] - a[1])
        return (a[0] + t * (b[0] - a[0]), lat)

    points = ring
    for inside, cross in (
        (lambda p: p[0] >= west, lambda a, b: at_lon(a, b, west)),
        (lambda p: p[0] <= east, lambda a, b: at_lon(a, b, east)),
        (lambda p: p[1] >= south, lambda a, b: at_lat(a, b, south)),
        (lambda p: p[1] <= north, lambda a, b: at_lat(a, b, north)),
    ):
        if not points:
            break
        points = clip(points, inside, cross)
    return points


def simplify(points, tolerance):
    if len(points) < 4:
        return points
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        ax, ay = points[first]
        bx, by = points[last]
        length = math.hypot(bx - ax, by - ay) or 1e-9
        worst, worst_at = 0.0, None
        for i in range(first + 1, last):
            px, py = points[i]
            d = abs((bx - ax) * (ay - py) - (ax - px) * (by - ay)) / length
            if d > worst:
                worst, worst_at = d, i
        if worst_at is not None and worst > tolerance:
            keep[worst_at] = True
            stack += [(first, worst_at), (worst_at, last)]
    return [p for p, k in zip(points, keep) if k]


def simplify_ring(points, tolerance):
    """A closed ring simplified in two halves, split at the point farthest from the first."""
    first = points[0]
    far = max(range(len(points)), key=lambda i: (points[i][0] - first[0]) ** 2 + (points[i][1] - first[1]) ** 2)
    if far == 0:
        return points[:1]
    return simplify(points[: far + 1], tolerance)[:-1] + simplify(points[far:] + [first], tolerance)[:-1]


def area(points):
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))) / 2


def voronoi_edges():
    """The borders between the castles' cells, as unique segments (twips)."""
    centres = [(x + ICON / 2, y + ICON / 2) for x, y in ICONS]
    box = [(-500, -500), (MAP_WIDTH + 500, -500), (MAP_WIDTH + 500, MAP_HEIGHT + 500), (-500, MAP_HEIGHT + 500)]
    edges = {}
    for i, (px, py) in enumerate(centres):
        cell = box[:]
        for j, (qx, qy) in enumerate(centres):
            if i == j:
                continue
            # Keep the half-plane nearer to p: (x - m) . (q - p) <= 0.
            mx, my = (px + qx) / 2, (py + qy) / 2
            nx, ny = qx - px, qy - py

            def side(pt):
                return (pt[0] - mx) * nx + (pt[1] - my) * ny

            out = []
            for k, current in enumerate(cell):
                previous = cell[k - 1]
                sc, sp = side(current), side(previous)
                if sc <= 0:
                    if sp > 0:
                        t = sp / (sp - sc)
                        out.append((previous[0] + t * (current[0] - previous[0]), previous[1] + t * (current[1] - previous[1])))
                    out.append(current)
                elif sp <= 0:
                    t = sp / (sp - sc)
                    out.append((previous[0] + t * (current[0] - previous[0]), previous[1] + t * (current[1] - previous[1])))
            cell = out
        for a, b in zip(cell, cell[1:] + cell[:1]):
            key = tuple(sorted((tuple(round(c) for c in a), tuple(round(c) for c in b))))
            if key[0] != key[1]:
                edges[key] = True
    # Only borders between two cells: the bounding box's sides are no border.
    def on_box(p):
        return p[0] <= -499 or p[1] <= -499 or p[0] >= MAP_WIDTH + 499 or p[1] >= MAP_HEIGHT + 499

    return [k for k in edges if not (on_box(k[0]) and on_box(k[1]))]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    warp = Warp()
    margin = 600
    polygons = []
    for ring in land_rings(sys.argv[1]):
        ring = clip_to_region(ring)
        if len(ring) < 3:
            continue
        points = [warp(lat, lon) for lon, lat in ring]
        if all(x < -margin or x > MAP_WIDTH + margin for x, _ in points) or all(
            y < -margin or y > MAP_HEIGHT + margin for _, y in points
        ):
            continue
        if max(x for x, _ in points) < -margin or min(x for x, _ in points) > MAP_WIDTH + margin:
            continue
        if max(y for _, y in points) < -margin or min(y for _, y in points) > MAP_HEIGHT + margin:
            continue
        points = simplify_ring(points, SIMPLIFY_TWIPS)
        if len(points) < 3 or area(points) < SMALLEST_ISLAND_TWIPS2:
            continue
        polygons.append([(round(x), round(y)) for x, y in points])

    out = [
        "// The city picker's map: coasts fitted to the castle icons and the borders between the castles'",
        "// territories, in twips (generated by tools/city_map/make_city_map.py from Natural Earth's public",
        "// domain 1:50m land).",
        "#pragma once",
        "",
        "#include <array>",
        "",
        "namespace tavlor::city_map {",
        "",
        "struct MapPoint {",
        "  short X;",
        "  short Y;",
        "};",
        "",
        "struct MapEdge {",
        "  MapPoint From;",
        "  MapPoint To;",
        "};",
        "",
    ]
    flat = [p for polygon in polygons for p in polygon]
    starts = []
    at = 0
    for polygon in polygons:
        starts.append(at)
        at += len(polygon)
    starts.append(at)
    out.append("// Every land polygon's points, one polygon after another; polygon i is points")
    out.append("// kLandStarts[i] .. kLandStarts[i + 1] - 1.")
    out.append(f"inline constexpr std::array<MapPoint, {len(flat)}> kLandPoints{{{{")
    out.append("    " + ", ".join(f"{{{x}, {y}}}" for x, y in flat))
    out.append("}};")
    out.append(f"inline constexpr std::array<int, {len(starts)}> kLandStarts{{{{" + ", ".join(map(str, starts)) + "}};")
    edges = voronoi_edges()
    out.append("")
    out.append("// The borders between neighbouring castles' territories (clipped to the land when painted).")
    out.append(f"inline constexpr std::array<MapEdge, {len(edges)}> kTerritoryEdges{{{{")
    out.append("    " + ", ".join(f"{{{{{a[0]}, {a[1]}}}, {{{b[0]}, {b[1]}}}}}" for a, b in edges))
    out.append("}};")
    out += ["", "}  // namespace tavlor::city_map", ""]
    OUT.write_text("\n".join(out), encoding="utf-8")
    print(f"{len(polygons)} land polygons, {len(flat)} points, {len(edges)} territory edges", file=sys.stderr)


if __name__ == "__main__":
    main()
