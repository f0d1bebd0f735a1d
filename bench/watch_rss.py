#!/usr/bin/env python3
"""Prints the peak resident set (VmHWM, in KiB) of the process running a program.

    watch_rss.py NAME [TIMEOUT_S]

Waits for a process whose command name (/proc/PID/comm, which Wine sets to
the Windows program's file name, cut to 15 characters) is NAME, follows its
VmHWM until it ends, and prints "PID HWM_KIB". VmHWM only grows, so polling
loses nothing but the last interval of a process's life.
"""
import os
import sys
import time

name = sys.argv[1][:15]
deadline = time.monotonic() + float(sys.argv[2] if len(sys.argv) > 2 else 600)


def hwm(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        return None
    return None


pid = None
while pid is None and time.monotonic() < deadline:
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/comm") as f:
                    # A process that has ended but is not yet reaped has no VmHWM.
                    if f.read().strip() == name and hwm(entry) is not None:
                        pid = entry
                        break
            except OSError:
                pass
    else:
        time.sleep(0.01)
if pid is None:
    print("none 0")
    sys.exit(1)
peak = 0
while time.monotonic() < deadline:
    value = hwm(pid)
    if value is None:
        break
    peak = max(peak, value)
    time.sleep(0.01)
print(f"{pid} {peak}")
