#!/usr/bin/env python3
"""Checks that clang-built code and GCC-built library code in one program can
call each other safely.

clang borrows MinGW-w64 GCC's C++ library. On 32-bit x86 the two compilers
disagree on how an argument of an empty class (std::forward_iterator_tag, say)
is passed: GCC gives it a 4-byte stack slot, clang none (LLVM issue 58255).
Where a call between the two halves takes such an argument, the arguments
after it are misread and, under thiscall, the stack is left 4 bytes off.

So: the program is linked once more, verbosely, and every C++ symbol that
crosses between the tree's own objects (clang's) and the archive members and
objects that came from the toolchain (GCC's) is listed. A crossing function
is safe only if it takes nothing but scalars, pointers and references; any
other crossing is a hazard (a class by value, a vtable whose calls cannot be
seen), and the check fails, naming each.

  usage: check_compiler_boundary.py x86|x64 BUILD_DIR PROGRAM
    e.g. check_compiler_boundary.py x86 build/windows-x86-clang bin/QV-UTT-V1.exe
On x64, where both compilers pass an empty class alike, it only reports.
"""
import os
import re
import shlex
import subprocess
import sys
import tempfile

SCALARS = {
    "bool", "char", "signed char", "unsigned char", "wchar_t", "char16_t", "char32_t",
    "short", "unsigned short", "int", "unsigned int", "long", "unsigned long",
    "long long", "unsigned long long", "float", "double", "long double", "void",
    "std::nullptr_t", "decltype(nullptr)", "...",
}


def link_verbosely(build_dir, program, out):
    """The program's own link command, writing elsewhere, with lld's list of inputs."""
    commands = subprocess.run(["ninja", "-C", build_dir, "-t", "commands", program],
                              check=True, capture_output=True, text=True).stdout
    # Ninja's line is ": && LINK && :".
    link = shlex.split(commands.strip().splitlines()[-1].split(" && ")[1])
    link[link.index("-o") + 1] = out
    link += ["-Wl,--verbose", "-Wl,--no-demangle"]
    result = subprocess.run(link, cwd=build_dir, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{program}: the link failed again here:\n{result.stderr[-2000:]}")
    return result.stderr


def linked_inputs(verbose):
    """(path, member or None) for every object file and archive member the link used."""
    archives = {}
    inputs = []
    for line in verbose.splitlines():
        if m := re.match(r"ld\.lld: Reading (\S+)$", line):
            path = m.group(1)
            if path.endswith(".a"):
                archives[os.path.basename(path)] = path
            elif path.endswith((".o", ".obj")):
                inputs.append((path, None))
        elif m := re.match(r"ld\.lld: Loaded (\S+?\.a)\((.+?)\) for ", line):
            inputs.append((archives[m.group(1)], m.group(2)))
    return inputs


def symbols(nm, path, members):
    """Defined and undefined external symbols of an object, or of some of an archive's members."""
    defined, undefined = set(), set()
    listing = subprocess.run([nm, "-A", "-g", path], check=True, capture_output=True,
                             text=True).stdout
    for line in listing.splitlines():
        where, _, rest = line.rpartition(": ") if ": " in line else line.rpartition(":")
        fields = rest.split()
        if members is not None and where.rsplit(":", 1)[-1] not in members:
            continue
        if len(fields) == 2 and fields[0] == "U":
            undefined.add(fields[1])
        elif len(fields) == 3:
            defined.add(fields[2])
    return defined, undefined


def parameters(signature):
    """The top-level parameter types of a demangled function, or None for data."""
    if not signature.endswith(")") and not re.search(r"\) const$", signature):
        return None
    body = signature[:signature.rfind(")")]
    depth, start = 0, None
    for i in range(len(body) - 1, -1, -1):  # the '(' that matches the last ')'
        depth += {")": 1, "(": -1}.get(body[i], 0)
        if depth < 0:
            start = i
            break
    params, depth, current = [], 0, ""
    for ch in body[start + 1:]:
        depth += {"<": 1, "(": 1, "[": 1, ">": -1, ")": -1, "]": -1}.get(ch, 0)
        if ch == "," and depth == 0:
            params.append(current.strip())
            current = ""
        else:
            current += ch
    if current.strip():
        params.append(current.strip())
    return params


def hazard(signature):
    """Why a crossing symbol may be unsafe, or None."""
    params = parameters(signature)
    if params is None:
        return "vtable: its calls cannot be seen" if signature.startswith("vtable for") else None
    for param in params:
        plain = param.replace(" const", "").replace("const ", "").strip()
        if not (plain.endswith(("*", "&")) or plain in SCALARS):
            return f"passes {param} by value"
    return None


def main():
    args = sys.argv[1:]
    if len(args) != 3 or args[0] not in ("x86", "x64"):
        sys.exit(__doc__)
    arch, build_dir, program = args
    build_dir = os.path.abspath(build_dir)
    is_x86 = arch == "x86"
    triplet = "i686-w64-mingw32" if is_x86 else "x86_64-w64-mingw32"
    with tempfile.TemporaryDirectory() as scratch:
        verbose = link_verbosely(build_dir, program, os.path.join(scratch, "relinked.exe"))
    ours_defined, ours_undefined, theirs_defined, theirs_undefined = set(), set(), set(), set()
    by_path = {}
    for path, member in linked_inputs(verbose):
        by_path.setdefault(path, set() if member else None)
        if member:
            by_path[path].add(member)
    for path, members in by_path.items():
        defined, undefined = symbols(f"{triplet}-nm", os.path.join(build_dir, path), members)
        ours = os.path.abspath(os.path.join(build_dir, path)).startswith(build_dir + os.sep)
        (ours_defined if ours else theirs_defined).update(defined)
        (ours_undefined if ours else theirs_undefined).update(undefined)
    if not (ours_defined and theirs_defined):
        sys.exit(f"{program}: could not tell the tree's objects from the toolchain's in its link")
    prefix = "__Z" if is_x86 else "_Z"
    crossing = sorted(s for s in (ours_defined & (theirs_undefined | theirs_defined)) |
                      (ours_undefined & theirs_defined) if s.startswith(prefix))
    names = subprocess.run([f"{triplet}-c++filt"], input="\n".join(crossing), check=True,
                           capture_output=True, text=True).stdout.splitlines() if crossing else []
    findings = [(name, hazard(name)) for name in names]
    unsafe = [f"  {name}: {why}" for name, why in findings if why]
    where = f"{os.path.relpath(build_dir)}/{program}"
    shown = f" ({'; '.join(names)})" if 0 < len(names) <= 3 else ""
    print(f"{where}: {len(crossing)} C++ symbols cross between clang's code and GCC's "
          f"libraries{shown}, {len(unsafe)} of them " +
          ("unsafe" if is_x86 else "unsafe were this x86 (x64 passes empty classes alike)"))
    if unsafe:
        print("\n".join(unsafe))
    if unsafe and is_x86:
        sys.exit(f"{where}: clang and GCC pass an empty class differently on x86 (LLVM issue "
                 "58255); a program with such a crossing must not run")


if __name__ == "__main__":
    main()
