#!/usr/bin/python3
"""The benchmark's counterpart in Debian's python3-aeidon: the same work as quillet-cli's
normalize (renumbering: aeidon numbers the blocks in order when it writes), shift, stretch and
mirror on a Windows-1251 SRT file, read and written as a whole process.

Usage: aeidon_ops.py renumber|shift|stretch|mirror IN OUT [FIRST LAST]
FIRST and LAST are 0-based subtitle indexes of the range (shift and stretch), default all.
"""
import sys

import aeidon


def main():
    op, src, dst = sys.argv[1], sys.argv[2], sys.argv[3]
    project = aeidon.Project()
    project.open_main(src, "windows-1251")
    count = len(project.subtitles)
    first = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    last = int(sys.argv[5]) if len(sys.argv) > 5 else count - 1
    in_range = list(range(first, last + 1))
    if op == "shift":
        project.shift_positions(in_range, 1.5)
    elif op == "stretch":
        # 2 ms per second of distance from 0:00:00, the blocks after the range following the last.
        def moved(i):
            start = project.subtitles[i].start_seconds
            return (i, start + start * 2 / 1000)
        last_delta = moved(last)[1] - project.subtitles[last].start_seconds
        project.transform_positions(in_range, moved(first), moved(last))
        if last + 1 < count:
            project.shift_positions(list(range(last + 1, count)), last_delta)
    elif op == "mirror":
        texts = ["\n".join(line[::-1] if len(line) > 1 else line for line in s.main_text.split("\n"))
                 for s in project.subtitles]
        project.replace_texts(list(range(count)), aeidon.documents.MAIN, texts)
    elif op != "renumber":
        sys.exit("unknown operation: " + op)
    out = aeidon.files.new(aeidon.formats.SUBRIP, dst, "windows-1251", aeidon.newlines.WINDOWS)
    project.save_main(out)


if __name__ == "__main__":
    main()
