#!/usr/bin/env python3
"""Makes the sample ship case of examples/ship/ with the program itself.

    python3 tools/make_sample_case.py [path/to/brevant]     # default: build/brevant

The program creates its default case ("C", last page, save and exit), which gives "BREVDAT" and
"LOWDAT" exactly as it saves them; the script then sets the words of a metric ship case (the
data file holds big-endian 32-bit words, word k at byte 4(k-1)) and copies both files to
examples/ship/. Re-run it when the default case of the program changes.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, ".."))
TARGET = os.path.join(ROOT, "examples", "ship")


def real(v):
    return struct.unpack(">I", struct.pack(">f", v))[0]


def ship_words():
    L, B, T, rho = 150.0, 25.0, 8.0, 1025.0
    bits = [1, 2, 3, 4, 5, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 27]
    brvflg = sum(1 << (b - 1) for b in bits)
    words = {
        117: 1,                                   # NUNTS metric
        777: 1,                                   # VESTYP ship
        446: real(100.0),                         # DEPTH
        447: real(rho),                           # DWATR
        1409: real(L * B * T * rho / 1000.0),     # DISPL, t
        1410: real(T / 2.0),                      # VKB
        1411: real(8.0),                          # VKG
        1412: real(T),                            # DRAFT
        1413: real(L * B),                        # AWP
        1414: real(0.25 * L),                     # PGYR
        1415: real(0.35 * B),                     # RGYR
        1416: real(0.25 * L),                     # YGYR
        1417: real(T / 2.0 + B * B / (12.0 * T)),  # VKMT
        1418: real(T / 2.0 + L * L / (12.0 * T)),  # VKML
        1419: real(L),                            # LWL
        1420: real(B),                            # BWL
        167: 31,                                  # NWP: periods 5 to 20 s by 0.5
        164: 2,                                   # WAVTYP Mean JONSWAP
        172: 1,                                   # LRANDM sea on
        430: real(4.0),                           # SWHT(1), m
        436: real(10.0),                          # SIGPD(1), s
        714: real(180.0),                         # SEAHDG(1)
        418: real(180.0),                         # WAVHDG(1), the sea heading as the last page sets it
        174: 0,                                   # LSWELL off
        175: 1,                                   # LWIND on
        454: real(180.0),                         # WNDHDG
        455: real(30.0),                          # WNDSPD, knots
        176: 1,                                   # LCURNT on
        457: real(180.0),                         # CURHDG
        458: real(1.0),                           # CURSPD, knots
        775: 0x555,                               # LWBARG cylindrical
        774: 0x777,                               # LCBARG cylindrical
        787: 0x666,                               # LWVCOF tanker drift
        1353: real(B * 15.0),                     # XWNDAR
        1355: real(L * 15.0),                     # YWNDAR
        1357: real(B * T),                        # XCURAR
        1359: real(L * T),                        # YCURAR
        448: real(4.0 / 1.4142135),               # SLPHT, regular-wave height
        180: brvflg,                              # BRVFLG: every table of the report
        179: 13,                                  # NUMBRV: attack angles 0, 15, ..., 180
        187: 0,                                   # LANGARR uniform angles
        1438: real(0.0),                          # VESAN0
        472: real(15.0),                          # BRVINC
        473: real(0.05),                          # BRVFRQ, rad/s
        489: real(0.005),                         # BRVFRQ_DELTA, rad/s
        498: real(30.0),                          # BRV_PD_MIN, s
        109: 1,                                   # IUNIT: the report to "BREVOUT.stxt"
        104: 1,                                   # NEGSUM: no vessel summary
    }
    for i in range(1, 32):
        words[317 + i] = real(5.0 + 0.5 * (i - 1))
    return words


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "brevant"))
    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([program], input="C\nL\n1\n", text=True, cwd=tmp, check=True,
                       stdout=subprocess.DEVNULL)
        path = os.path.join(tmp, "BREVDAT")
        data = bytearray(open(path, "rb").read())
        for k, v in ship_words().items():
            data[4 * (k - 1):4 * k] = struct.pack(">I", v & 0xFFFFFFFF)
        open(path, "wb").write(bytes(data))
        os.makedirs(TARGET, exist_ok=True)
        for name in ("BREVDAT", "LOWDAT"):
            shutil.copyfile(os.path.join(tmp, name), os.path.join(TARGET, name))
    print("wrote", os.path.relpath(TARGET, ROOT))


if __name__ == "__main__":
    main()
