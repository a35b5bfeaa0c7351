"""The translation check on small .ts files written for each case: a sound translation
passes, and each kind of fault fails with a message naming it.
Usage: check_finds_faults.py CHECK_SCRIPT"""
import subprocess
import sys
import tempfile
from pathlib import Path


def message(source, translation, comment=""):
    note = f"<comment>{comment}</comment>" if comment else ""
    return f"<message><source>{source}</source>{note}{translation}</message>"


def done(text):
    return f"<translation>{text}</translation>"


SOUND = [
    message("&amp;Walk", done("&amp;Gehen"), "Play menu"),
    message("&amp;Stop", done("&amp;Stopp"), "Play menu"),
    message("&amp;Go To Time", done("&amp;Gehe zu Zeit"), "Tools menu"),
    message("&amp;Save &amp;&amp; Close", done("&amp;Sichern &amp;&amp; Schließen"), "Tools menu"),
    message("Cannot open %1: %2", done("%1 lässt sich nicht öffnen: %2")),
    message("Old text", '<translation type="vanished"></translation>'),
]

# (case, messages added to the sound ones, words the report must hold or None to pass,
#  and a text of the window in the sources, which the file is then checked against)
CASES = [
    ("sound", [], None, None),
    ("missing", [message("Info", "")], "'Info': not translated", None),
    ("empty", [message("Info", done(""))], "'Info': not translated", None),
    ("unfinished", [message("Info", '<translation type="unfinished">Info</translation>')],
     "'Info': unfinished", None),
    ("placeholder lost", [message("%1 of %2", done("%1 von"))], "placeholders", None),
    ("key twice in a menu", [message("&amp;Previous Step", done("&amp;Stufe zurück"), "Play menu")],
     "access key 's' used twice", None),
    ("sound, against the sources", [], None, "&Walk"),
    ("new in the sources", [], "'Always on Top': new in the sources", "Always on Top"),
]


def ts_file(folder, name, messages):
    path = Path(folder) / f"{name.replace(' ', '_')}.ts"
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="de_DE">'
                    f'<context><name>frmMain</name>{"".join(messages)}</context></TS>\n',
                    encoding="utf-8")
    return str(path)


def sources(folder, text):
    """A source folder whose window shows text (in the Play menu, as the sound file has it)."""
    path = Path(folder) / "src"
    path.mkdir(exist_ok=True)
    (path / "window.cpp").write_text(
        f'const char* caption = QT_TRANSLATE_NOOP3("frmMain", "{text}", "Play menu");\n')
    return ["--sources", str(path)]


def main(check):
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for name, added, expected, source in CASES:
            options = sources(folder, source) if source else []
            run = subprocess.run([sys.executable, check, *options,
                                  ts_file(folder, name, SOUND + added)],
                                 capture_output=True, text=True)
            passed = run.returncode == 0
            if passed != (expected is None) or (expected and expected not in run.stdout):
                failures.append(f"{name}: exit {run.returncode}, report:\n{run.stdout}{run.stderr}")
    print("\n".join(failures) or f"{len(CASES)} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
