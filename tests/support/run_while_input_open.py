"""Runs a program for the tests for as long as this script's input is open.

Usage: run_while_input_open.py PROGRAM ARG...

The program's standard output is this script's. A line "KILL" on the
standard input kills the program at once (SIGKILL), as a crash would end
it, and prints "KILLED" once it has ended. When the standard input closes (the test that started it has ended),
the program is sent SIGTERM and waited for, so that it never outlives the
test.
"""

import subprocess
import sys


def main():
    child = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL)
    for line in sys.stdin:
        if line.strip() == "KILL":
            child.kill()
            child.wait()
            print("KILLED", flush=True)
    child.terminate()
    try:
        child.wait(timeout=5)
    except subprocess.TimeoutExpired:
        child.kill()
        child.wait()


if __name__ == "__main__":
    main()
