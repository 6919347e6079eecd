#!/usr/bin/env bash
# Prints the Windows build the tests run under Wine here: win32 when this machine can run
# Wine's 32-bit half, win64 otherwise (a kernel without 32-bit support). The shipped exe is
# always the 32-bit one; the 64-bit build of the same sources stands in for it in the tests.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
