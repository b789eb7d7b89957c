#!/usr/bin/env python3
"""Checks the export and import tables of a built Windows module with
mingw objdump.

    pe_tables.py OBJDUMP FILE xll|standin|tool

xll:      exports exactly the nineteen worksheet functions and the six
          callbacks, under plain names; imports from XLCALL32.DLL only
          ordinals 2 and 3, by ordinal; every other import is a Windows
          system DLL.
standin:  the stand-in's XLCALL32.DLL: Excel4 at ordinal 2, Excel4v at
          ordinal 3; only system DLLs imported.
tool:     quorvex.exe: system DLLs and XLCALL32.DLL only.
"""
import re
import subprocess
import sys

WORKSHEET_FUNCTIONS = [
    "Psat", "Tsat", "Vf", "Vg", "Hf", "Hg", "Sf", "Sg",
    "PofTV", "VofTP", "HofTV", "HofTP", "SofTV", "SofTP",
    "TofPH", "TofPS", "HofPS", "ZofTV", "ZofTP",
]
CALLBACKS = [
    "xlAutoOpen", "xlAutoClose", "xlAutoAdd", "xlAutoRemove",
    "xlAutoRegister", "xlAddInManagerInfo",
]

# DLLs that every Windows installation has. The compiler's runtime
# libraries (libgcc_s, libstdc++, libwinpthread) must not appear: they are
# linked in statically.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "advapi32.dll", "ntdll.dll", "msvcrt.dll",
    "ucrtbase.dll", "shell32.dll", "ole32.dll",
}


def is_system_dll(name):
    lower = name.lower()
    return lower in SYSTEM_DLLS or lower.startswith("api-ms-win-crt-")


def parse(text):
    """(exports {name: ordinal}, imports {dll: [entries]}) from objdump -p.
    An import entry is ("ordinal", n) or ("name", symbol)."""
    base = 1
    exports = {}
    imports = {}
    section = None
    dll = None
    for line in text.splitlines():
        m = re.match(r"^Ordinal Base\s+(\d+)", line)
        if m:
            base = int(m.group(1))
            continue
        if line.startswith("[Ordinal/Name Pointer] Table"):
            section = "exports"
            continue
        if line.startswith("The Import Tables"):
            section = "imports"
            continue
        if section == "exports":
            m = re.match(r"^\s+\[\s*(\d+)\]\s+(\S+)\s*$", line)
            if m:
                exports[m.group(2)] = int(m.group(1)) + base
                continue
            if not line.strip():
                section = None
            continue
        if section == "imports":
            m = re.match(r"^\s+DLL Name:\s+(\S+)", line)
            if m:
                dll = m.group(1)
                imports[dll] = []
                continue
            if line.startswith("PE File Base Relocations") or line.startswith("The Export Tables"):
                section = None
                continue
            if dll is None:
                continue
            fields = line.split()
            if len(fields) >= 5 and all(re.fullmatch(r"[0-9a-f]+", f) for f in fields):
                # The directory row of the next DLL (or the closing null row).
                dll = None
                continue
            # "<vma> <ordinal> <none>": by ordinal; "<vma> <hint> <name>": by name.
            m = re.match(r"^\s+[0-9a-f]+\s+(\d+)\s+<none>\s*$", line)
            if m:
                imports[dll].append(("ordinal", int(m.group(1))))
                continue
            m = re.match(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)", line)
            if m and m.group(1) != "Member-Name":
                imports[dll].append(("name", m.group(1)))
    return exports, imports


def check_imports(imports, allow_xlcall32, problems):
    for dll, entries in imports.items():
        if dll.upper() == "XLCALL32.DLL":
            if not allow_xlcall32:
                problems.append("imports XLCALL32.DLL")
            continue
        if not is_system_dll(dll):
            problems.append("imports %s, which is not a Windows system DLL" % dll)


def main():
    if len(sys.argv) != 4 or sys.argv[3] not in ("xll", "standin", "tool"):
        print(__doc__, file=sys.stderr)
        return 2
    objdump, path, kind = sys.argv[1:]
    text = subprocess.run([objdump, "-p", path], check=True, capture_output=True,
                          text=True).stdout
    exports, imports = parse(text)
    problems = []

    if kind == "xll":
        wanted = set(WORKSHEET_FUNCTIONS + CALLBACKS)
        got = set(exports)
        for name in sorted(wanted - got):
            problems.append("missing export %s" % name)
        for name in sorted(got - wanted):
            problems.append("unexpected export %s" % name)
        xlcall = [v for k, v in imports.items() if k.upper() == "XLCALL32.DLL"]
        if len(xlcall) != 1:
            problems.append("XLCALL32.DLL is imported %d times, not once" % len(xlcall))
        else:
            entries = sorted(xlcall[0])
            if entries != [("ordinal", 2), ("ordinal", 3)]:
                problems.append("imports from XLCALL32.DLL are %s, not ordinals 2 and 3"
                                % entries)
        check_imports(imports, True, problems)
    elif kind == "standin":
        if exports.get("Excel4") != 2:
            problems.append("Excel4 is at ordinal %s, not 2" % exports.get("Excel4"))
        if exports.get("Excel4v") != 3:
            problems.append("Excel4v is at ordinal %s, not 3" % exports.get("Excel4v"))
        for name in exports:
            if "@" in name or name.startswith("_"):
                problems.append("decorated export %s" % name)
        check_imports(imports, False, problems)
    else:
        if not any(k.upper() == "XLCALL32.DLL" for k in imports):
            problems.append("does not import XLCALL32.DLL")
        check_imports(imports, True, problems)

    if not imports:
        problems.append("no import table found: is this a PE module?")
    print("%s: %d exports; imports %s" % (path, len(exports),
          ", ".join("%s (%d)" % (k, len(v)) for k, v in imports.items())))
    for p in problems:
        print("FAIL: " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
