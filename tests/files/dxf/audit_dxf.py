"""Reads every DXF file of a folder with ezdxf and checks it against the JSON
file beside it: the audit finds no error and fixes nothing, and the model
space holds the entities listed, in order, with their points, closed flags,
colours and texts."""
import json
import math
import pathlib
import sys

import ezdxf


def vicini(a, b):
    return math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-300)


def punti(e):
    t = e.dxftype()
    if t == "LINE":
        return [e.dxf.start, e.dxf.end]
    if t in ("CIRCLE", "TEXT"):
        return [e.dxf.center if t == "CIRCLE" else e.dxf.insert]
    return [v.dxf.location for v in e.vertices]


def confronta(e, atteso):
    errori = []
    if e.dxftype() != atteso["tipo"]:
        return [f"{e.dxftype()} instead of {atteso['tipo']}"]
    if e.dxf.layer != "0" or e.dxf.color != atteso["colore"]:
        errori.append(f"layer {e.dxf.layer}, colour {e.dxf.color}")
    trovati = punti(e)
    if len(trovati) != len(atteso["punti"]) or not all(
        vicini(p[0], q[0]) and vicini(p[1], q[1]) for p, q in zip(trovati, atteso["punti"])
    ):
        errori.append(f"points {[tuple(p)[:2] for p in trovati]}, expected {atteso['punti']}")
    if "chiusa" in atteso and e.is_closed != atteso["chiusa"]:
        errori.append(f"closed {e.is_closed}")
    if "raggio" in atteso and not vicini(e.dxf.radius, atteso["raggio"]):
        errori.append(f"radius {e.dxf.radius}")
    if "testo" in atteso:
        if e.dxf.text != atteso["testo"]:
            errori.append(f"text {e.dxf.text!r}")
        if not math.isclose(e.dxf.height, atteso["altezza"], rel_tol=1e-6) or e.dxf.rotation != atteso["angolo"]:
            errori.append(f"height {e.dxf.height}, rotation {e.dxf.rotation}")
    return [f"{atteso['tipo']}: {x}" for x in errori]


def controlla(dxf):
    doc = ezdxf.readfile(dxf)
    auditor = doc.audit()
    errori = [f"audit: {x.message}" for x in auditor.errors + auditor.fixes]
    entita = list(doc.modelspace())
    attese = json.loads(dxf.with_suffix(".json").read_text())
    if len(entita) != len(attese):
        errori.append(f"{len(entita)} entities, expected {len(attese)}")
    for e, atteso in zip(entita, attese):
        errori += confronta(e, atteso)
    return errori


def main():
    file = sorted(pathlib.Path(sys.argv[1]).glob("*.dxf"))
    esito = 0 if file else 1
    for dxf in file:
        for errore in controlla(dxf):
            print(f"{dxf.name}: {errore}")
            esito = 1
    return esito


if __name__ == "__main__":
    sys.exit(main())
