#!/usr/bin/env python3
"""Self-tests of compare_builds.py: fed by perturbing_runner.py instead of
Wine, it must accept what a sound Windows build may produce and reject
what a faulty one would.

    comparator_selftest.py NATIVE_TOOL CASE
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FORMULAS = os.path.join(HERE, "formulas.txt")
MARKED = os.path.join(HERE, "saturation_line_fixture.txt")
UNMARKED = os.path.join(HERE, "unmarked_fixture.txt")

# name: (compare mode, runner mode, formula file, expected exit status)
CASES = {
    "identical_output_passes": ("eval", "same", FORMULAS, 0),
    "one_ulp_everywhere_passes": ("eval", "ulp", FORMULAS, 0),
    "volume_off_by_1e-6_fails": ("eval", "relative:1e-6:Vg", FORMULAS, 1),
    "tsat_off_by_1e-7_fails": ("eval", "relative:1e-7:Tsat", FORMULAS, 1),
    "enthalpy_off_by_1e-7_fails": ("eval", "relative:1e-7:HofPS", FORMULAS, 1),
    "closed_form_off_by_1e-11_fails": ("eval", "relative:1e-11:PofTV", FORMULAS, 1),
    "error_instead_of_number_fails": ("eval", "error:Sf", FORMULAS, 1),
    "other_phase_on_marked_line_passes": ("eval", "other-phase", MARKED, 0),
    "other_phase_on_unmarked_line_fails": ("eval", "other-phase", UNMARKED, 1),
    "functions_identical_passes": ("functions", "same", None, 0),
    "functions_changed_line_fails": ("functions", "line:7", None, 1),
}


def main():
    native_tool, case = sys.argv[1:3]
    mode, runner_mode, formulas, expected = CASES[case]
    command = [sys.executable, os.path.join(HERE, "compare_builds.py"), mode, native_tool,
               os.path.join(HERE, "perturbing_runner.py"), "-", runner_mode, native_tool]
    if formulas:
        command.append(formulas)
    done = subprocess.run(command, capture_output=True, text=True)
    print(done.stdout, end="")
    print(done.stderr, end="", file=sys.stderr)
    if done.returncode != expected:
        print("FAIL: compare_builds.py exited %d, expected %d" % (done.returncode, expected))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
