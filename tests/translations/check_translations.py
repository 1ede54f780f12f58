#!/usr/bin/env python3
"""Checks the translations against the code: lupdate reads the texts the code
marks into copies of the language files, and each text there must have a
finished translation that keeps its placeholders (%1 ... %9, %n), no more and
no fewer. A text added to the code and not yet translated fails here.

  check_translations.py --lupdate LUPDATE --ts A.ts B.ts --sources X.cpp ...
      [--ts ... --sources ...]

Each --ts group is checked against the --sources group given after it.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:[1-9]|n)")
UNFINISHED = ("unfinished", "vanished", "obsolete")


def problems_of(path, name):
    """What is wrong with the translations in the language file at path."""
    problems = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source")
            where = f"{name}: {context.findtext('name')}: {source!r}"
            translation = message.find("translation")
            forms = ([form.text or "" for form in translation.iter("numerusform")]
                     if message.get("numerus") == "yes" else [translation.text or ""])
            if translation.get("type") in UNFINISHED or not all(forms):
                problems.append(f"{where} has no finished translation")
                continue
            wanted = sorted(PLACEHOLDER.findall(source))
            for form in forms:
                if sorted(PLACEHOLDER.findall(form)) != wanted:
                    problems.append(f"{where}: {form!r} does not keep the placeholders {wanted}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--ts", action="append", nargs="+", required=True)
    parser.add_argument("--sources", action="append", nargs="+", required=True)
    args = parser.parse_args()
    if len(args.ts) != len(args.sources):
        parser.error("each --ts group needs the --sources group it is checked against")

    problems = []
    with tempfile.TemporaryDirectory(prefix="pomelo-translations-") as folder:
        for ts_files, sources in zip(args.ts, args.sources):
            copies = [shutil.copy(path, folder) for path in ts_files]
            result = subprocess.run(
                [args.lupdate, "-silent", "-no-obsolete", "-locations", "none", *sources,
                 "-ts", *copies], capture_output=True, text=True, check=False)
            if result.returncode != 0:
                problems.append(f"lupdate failed: {result.stdout}{result.stderr}")
                continue
            for copy in copies:
                problems += problems_of(copy, os.path.basename(copy))
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problems" if problems else "every text has its translation")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
