"""A short seeded run of scripts/balance over the shipped world: two careers of one year for two
promotions and the scenario's one of them; every table is printed with a row for each.

  balance_run_test.py RINGVALE_CLI
"""
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent


def rows(text, policy):
    """The rows of a policy's table, by promotion."""
    part = text.split(f"### Policy: {policy}\n", 1)[1].split("\n### ", 1)[0]
    return {cells[0]: cells for cells in
            ([c.strip() for c in line.strip("|").split("|")] for line in part.splitlines() if line.startswith("| "))}


def main():
    cli = sys.argv[1]
    run = subprocess.run([sys.executable, str(ROOT / "scripts" / "balance"), "--careers", "2", "--years", "1",
                          "--promotions", "DWC,HBW", "--seed", "7", "--cli", cli, "--data", str(ROOT / "data")],
                         capture_output=True, text=True, timeout=120)
    out = run.stdout
    problems = []
    if run.returncode != 0:
        problems.append(f"exit code {run.returncode}: {run.stderr}")
    promotions = ["DWC", "HBW", "Syndicate1999 HBW"]
    cards = dict(re.findall(r"^\| ([^|]+?) \| [\d.]+ \| [\d.]+ \| (-?[\d.]+) \|$", out, re.M))
    if sorted(cards) != sorted(promotions):
        problems.append(f"the card table has rows for {sorted(cards)}")
    for policy in ("idle", "suggest"):
        table = rows(out, policy) if f"### Policy: {policy}\n" in out else {}
        for label in promotions + ["All"]:
            row = table.get(label)
            careers = "6" if label == "All" else "2"
            if not row or row[1] != careers:
                problems.append(f"{policy}: no row of {careers} careers for {label}: {row}")
            elif policy == "suggest" and not row[4].isdigit():
                problems.append(f"suggest: {label} has no match ratings: {row}")
            elif policy == "idle" and row[4] != "-":
                problems.append(f"idle: {label} rated matches it never booked: {row}")
    if "### Policy: assistant" not in out:
        problems.append("the assistant's table or its \"not available\" is missing")
    for p in problems:
        print(p)
    if problems:
        print(out)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
