#!/usr/bin/env python3
"""Runs a command (korvalt, or korvalt.exe under Wine) on a pseudo-terminal,
which becomes the program's console, with standard output redirected to a
file, and answers every prompt that appears on the console with a key: a
space to go on, I to ignore a rejected -set.

Usage: console_check.py STDOUT_FILE COMMAND ARGUMENT...

Prints the prompts seen, one a line, and exits with the command's status
(124 when it did not end within the time allowed).
"""
import os
import pty
import select
import sys
import time

ANSWERS = {
    b"--more-- hit any key to continue": b" ",
    b"***END*** Hit any key to exit": b" ",
    b"Aboart(A) or Ignore(I)?": b"i",
}
SECONDS_ALLOWED = 120


def Prompts(text):
    """The prompts in the text, in the order they appear."""
    found = []
    for prompt in ANSWERS:
        start = text.find(prompt)
        while start >= 0:
            found.append((start, prompt))
            start = text.find(prompt, start + 1)
    return [prompt for _, prompt in sorted(found)]


def main():
    stdout_file, command = sys.argv[1], sys.argv[2:]
    pid, terminal = pty.fork()
    if pid == 0:
        out = os.open(stdout_file, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        os.dup2(out, 1)
        os.execvp(command[0], command)
    seen = b""
    answered = []
    deadline = time.monotonic() + SECONDS_ALLOWED
    while time.monotonic() < deadline:
        ready, _, _ = select.select([terminal], [], [], 0.2)
        if ready:
            try:
                chunk = os.read(terminal, 4096)
            except OSError:
                break
            if not chunk:
                break
            seen += chunk
        # One key for every prompt not yet answered, in the order shown.
        shown = Prompts(seen)
        for prompt in shown[len(answered):]:
            os.write(terminal, ANSWERS[prompt])
            answered.append(prompt)
        done, status = os.waitpid(pid, os.WNOHANG)
        if done:
            break
    else:
        os.kill(pid, 9)
        os.waitpid(pid, 0)
        return 124
    if not done:
        _, status = os.waitpid(pid, 0)
    for prompt in answered:
        print(prompt.decode())
    return os.waitstatus_to_exitcode(status)


if __name__ == "__main__":
    sys.exit(main())
