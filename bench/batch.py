#!/usr/bin/env python3
"""A whole office printed to PDF with no window: the time `morvel --pdf` takes for N returns
(2 N statements), and its peak memory, for a few N, so that growth with N shows.

  bench/batch.py [build-dir] [files...]      (default: build, 10 100)
  bench/batch.py --office [build-dir] [files...]   every return with its Form 16 too
"""
import json
import os
import resource
import subprocess
import sys
import tempfile
import time


def employee(name):
    """One return as another program would write it: the main sheet and the salary sheet."""
    salary = {"txtnam": name, "cbonps": "Y", "chkinc": "0"}
    for row in range(14):
        salary[f"txtbp({row})"] = "30000"
        salary[f"txtgp({row})"] = "5400"
    main = {"txtname": name, "txtpan": "ABCPE1234F", "txtgs": "1176328", "txttp": "9600", "txthra": "92350", "txtos": "5000",
            "txthp": "-74400", "txtded80": "237652", "txtrel89": "500", "txtdedtax": "12000"}
    return {"format": "morvel-return", "version": 1, "year": "2014-15",
            "sheets": {"frmmain": main, "Form1": salary}}


OFFICE = {"txtemployer": "Office of the Accountant General", "txtemployeraddr": "Indraprastha Estate, New Delhi",
          "txtdedpan": "PANNOTREQD", "txttan": "DELA12345B", "txtcit": "CIT (TDS), New Delhi",
          "txtsigname": "S. K. Verma", "txtsigfather": "R. P. Verma", "txtsigdesig": "Drawing and Disbursing Officer",
          "txtplace": "New Delhi", "txtdate": "15/05/2015"}


def run(program, count, office):
    with tempfile.TemporaryDirectory() as folder:
        files = []
        extra = []
        if office:
            extra = ["--office", os.path.join(folder, "office.json")]
            with open(extra[1], "w", encoding="utf-8") as out:
                json.dump({"format": "morvel-return", "version": 1, "year": "2014-15",
                           "sheets": {"frmmain": {}, "frmf16": OFFICE}}, out)
        for i in range(count):
            files.append(os.path.join(folder, f"employee {i:03}.morvel"))
            with open(files[-1], "w", encoding="utf-8") as out:
                json.dump(employee(f"Employee {i}"), out)
        started = time.monotonic()
        subprocess.run([program, "--pdf", os.path.join(folder, "pdf"), *extra, *files], check=True,
                       stdout=subprocess.DEVNULL)
        seconds = time.monotonic() - started
        pdfs = len(os.listdir(os.path.join(folder, "pdf")))
    return seconds, pdfs


def main():
    args = sys.argv[1:]
    office = "--office" in args
    args = [a for a in args if a != "--office"]
    build = args[0] if args else "build"
    counts = [int(n) for n in args[1:]] or [10, 100]
    program = os.path.join(build, "morvel")
    for count in counts:
        seconds, pdfs = run(program, count, office)
        # The largest resident size of any child so far: each run is at least as large as the
        # one before, so a run that needs more memory raises it.
        peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
        print(f"{count:4} returns: {pdfs} PDF files in {seconds:.2f} s, peak memory {peak / 1024:.1f} MB")


if __name__ == "__main__":
    main()
