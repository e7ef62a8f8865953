#!/usr/bin/env python3
"""A steady driver: plays whole trips through dravlen-script's interactive mode and tells how they end.

The driver declines the instructions, hauls 40,000 pounds of the chosen cargo on the chosen
route, stops at a truck stop when it is offered at night or when tired, then sleeps eight hours
and refuels to nearly full; on the road it drives 55, or the posted limit where one is posted.

Usage: scripts/steady-driver.py [--build DIR] [--seeds N] [--cargo 1|2|3] [--route ROUTE ...]
ROUTE is northern, middle or southern (default: all three).
"""
import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile

MENU_ITEMS = {"yes", "no", "new", "retread", "1 oranges", "2 freight", "3 U S mail", "freight liner",
              "peter built", "northern", "middle", "southern"}
ROUTE_KEYS = {"northern": ["n", "enter"], "middle": ["m", "enter"], "southern": ["s", "enter"]}


def digits(n):
    return [c for c in str(int(n))]


class Driver:
    def __init__(self, cargo, route):
        self.cargo = cargo
        self.route = route
        self.limit = 55
        self.fuel = 190
        self.night = False
        self.tired = False
        self.rest_wanted = False
        self.queue = []

    def hear(self, line):
        if line.startswith(" Time: "):
            m = re.match(r" Time:\s+(\d+) (.*)", line)
            if m:
                hour, half = int(m.group(1)), m.group(2).strip()
                self.night = (half == "P.M." and hour >= 8) or half == "Midnight" or (half == "A.M." and hour < 6)
        elif line.startswith(" Approximate fuel "):
            try:
                self.fuel = float(line.split()[-1])
            except ValueError:
                pass
        elif line.startswith(" You are feeling "):
            self.tired = not ("rested" in line or line.endswith("fine"))
        elif line.startswith(" You have just past "):
            self.limit = 55
        elif "speed limit 35 MPH" in line:
            self.limit = 35
        elif "with 45 MPH limit" in line:
            self.limit = 45
        elif line.startswith(" You now have "):
            m = re.search(r"have\s+(-?\d+)", line)
            if m:
                self.fuel = float(m.group(1))

    def answer(self, last):
        """The keys for the question whose last spoken line is `last`."""
        if "reed the" in last:
            return ["n"]
        if "Which type of cargo" in last:
            return [str(self.cargo), "enter"]
        if "How many pounds" in last:
            return digits(40000) + ["enter"]
        if "Is this correct?" in last:
            return ["y"]
        if "Which truck" in last:
            return ["enter"]
        if "Do you want replacements?" in last:
            return ["n"]
        if "Which route do you choose?" in last:
            return ROUTE_KEYS[self.route]
        if "How fast do you wish to go?" in last:
            speed = self.limit if self.limit < 55 else 55
            return digits(speed)
        if "Truck stop ahead." in last:
            self.rest_wanted = self.night or self.tired
            return ["y" if self.rest_wanted else "n"]
        if "How many gallons" in last:
            return digits(max(0, 195 - self.fuel - 5)) + ["enter"]
        if "Do you want to buy a tire?" in last:
            return ["y"]
        if "New tire or a retread?" in last:
            return ["enter"]
        if "Do you want to get some sleep?" in last:
            return ["y" if self.rest_wanted else "n"]
        if "How many hours of rest" in last:
            return ["8", "enter"]
        if "Do you want to buy more?" in last:
            self.rest_wanted = False
            return ["y" if self.fuel < 150 else "n"]
        if "press any key" in last:
            return ["x"]
        return ["enter"]


def play(runner, seed, cargo, route, folder):
    driver = Driver(cargo, route)
    proc = subprocess.Popen([runner, "--seed", str(seed), "--keys", "-", "--dir", folder],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
    spoken = []
    keys = 0
    for raw in proc.stdout:
        line = raw.rstrip("\n")
        if line == "#key":
            keys += 1
            if keys > 20000:
                break
            # A question reads its menu item after the question itself: the question is the last
            # line that is not an item.
            last = next((l for l in reversed(spoken) if l.strip() and l.strip() not in MENU_ITEMS), "")
            tokens = driver.answer(last)
            try:
                proc.stdin.write(" ".join(tokens) + "\n")
                proc.stdin.flush()
            except BrokenPipeError:
                break
        else:
            spoken.append(line)
            driver.hear(line)
    proc.stdin.close()
    proc.wait(timeout=60)
    text = "\n".join(spoken)
    if "WELCOME TO NEW YORK" in text:
        if "Your oranges have spoiled" in text:
            how = "arrived: spoiled oranges"
        elif "Your net profit this trip was" in text:
            how = "arrived: profit"
        else:
            how = "arrived: loss"
    elif "license is revoked" in text:
        how = "jail"
    elif "You lose your truck & profits." in text:
        cause = next((l.strip() for l in reversed(spoken) if l.strip() and "lose your truck" not in l
                      and "press any key" not in l), "?")
        how = "accident: " + cause
    else:
        how = "did not end (status %d)" % proc.returncode
    return how, text.count(" Truck stop ahead.")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build", default="build")
    ap.add_argument("--seeds", type=int, default=100)
    ap.add_argument("--cargo", type=int, default=2)
    ap.add_argument("--route", action="append", choices=sorted(ROUTE_KEYS))
    args = ap.parse_args()
    runner = os.path.join(args.build, "dravlen-script")
    if not os.access(runner, os.X_OK):
        sys.exit("no %s: build first" % runner)
    for route in args.route or ["northern", "middle", "southern"]:
        outcomes = collections.Counter()
        with tempfile.TemporaryDirectory() as folder:
            for seed in range(1, args.seeds + 1):
                how, _ = play(runner, seed, args.cargo, route, folder)
                outcomes[how] += 1
        arrived = sum(n for how, n in outcomes.items() if how.startswith("arrived"))
        print("%s route, cargo %d, %d seeds: %d arrived (%d%%)" % (route, args.cargo, args.seeds, arrived,
                                                                    100 * arrived // args.seeds))
        for how, n in outcomes.most_common():
            print("  %4d  %s" % (n, how))


if __name__ == "__main__":
    main()
