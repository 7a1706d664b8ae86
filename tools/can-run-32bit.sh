#!/usr/bin/env bash
# Exit 0 when this machine can run 32-bit x86 programs, and so 32-bit Wine.
# Some kernels are built without 32-bit support: exec then fails with
# "Exec format error".
/usr/lib/wine/wine --version >/dev/null 2>&1
