"""The Windows program under Wine in a real terminal, tmux, as a user sees
it: in consoles using code pages 437, 936 and 65001, the screen shows the
catalogue's own characters (nothing maps it back), typed Chinese brings the
prompt again, and the console title, which Wine's console hands to the
terminal, follows the tally."""

import os
import re
import shutil
import subprocess
import sys
import tempfile

from terminal import Terminal, follow_the_tally

SKIP = 77
SCRIPT = '"$@"; echo "quiz ended: $?"; sleep 60'
CODE_PAGE = re.compile(r"(?:Active code page|当前代码页): (\d+)")
QUESTION_LINE = re.compile(r"^\(1\) \d+ [+\-×÷] \d+ = \( \)", re.M)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def check_screen(term, code_page):
    term.wait_for_prompt(1)
    screen = term.screen()
    shown = CODE_PAGE.search(screen)
    assert shown and shown[1] == code_page, (code_page, screen)
    assert QUESTION_LINE.search(screen), screen
    assert re.search(r"^(?:输入|商): $", screen.rstrip() + " ", re.M), screen

    # Chinese typed as a reply is no number: the prompt comes again, and
    # nothing is judged.
    term.keys("-l", "输入")
    term.keys("Enter")
    term.wait_for_prompt(2)
    assert "判定" not in term.screen(), term.screen()
    assert term.title() == "正确 0 错误 0", term.title()

    follow_the_tally(term, shown_prompts=2)
    screen = term.screen()
    for text in ("判定: 错误", "正确答案是: ", "判定: 正确"):
        assert text in screen, (text, screen)


def main(program, *emulator):
    if not shutil.which("tmux"):
        print("tmux is not installed (Debian package tmux)")
        sys.exit(SKIP)
    if not shutil.which("localedef"):
        print("localedef is not installed (Debian package locales)")
        sys.exit(SKIP)
    with tempfile.TemporaryDirectory() as folder:
        # Wine takes its code page from the locale, and honours LOCPATH.
        subprocess.run(["localedef", "-i", "zh_CN", "-f", "UTF-8",
                        os.path.join(folder, "zh_CN.UTF-8")], check=True,
                       capture_output=True, timeout=120)
        quiz = windows_path(program)
        consoles = (
            ("437", "C.UTF-8", "chcp & " + quiz),
            ("936", "zh_CN.UTF-8", "chcp & " + quiz),
            ("65001", "C.UTF-8", "chcp 65001 >nul & chcp & " + quiz),
        )
        for code_page, lang, command in consoles:
            term = Terminal(SCRIPT, ["sh", "env", "LANG=" + lang,
                                     "LOCPATH=" + folder,
                                     *emulator, "cmd", "/c", command])
            try:
                check_screen(term, code_page)
            finally:
                term.close()
            print("code page %s: the quiz's own characters" % code_page)
    print("every console showed the catalogue's characters and the tally")


if __name__ == "__main__":
    main(*sys.argv[1:])
