#!/usr/bin/env python3
"""Decks as instructors make them: deck.csv files as spreadsheets save them
(in corpus/, one folder each) over screenshots drawn here as screenshot tools
write them (listed in each folder's pictures.txt: a name, then a size, "cut"
for a file cut short, or "empty" or "text" for a file that is no picture).

  corpus.py make OUT         writes every deck folder into OUT
  corpus.py check OUTCOMES   makes them in a temporary folder and compares what
                             the desktop's checker OUTCOMES makes of each with
                             the folder's expected.txt
  corpus.py draw SIZE FILE   draws one screenshot of SIZE (1280x800) as FILE
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

CORPUS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')


def screenshot(size, extension, cache):
    """A console-like screenshot of the size, drawn once per size and format."""
    key = (size, extension)
    if key not in cache:
        width, height = (int(n) for n in size.split('x'))
        path = os.path.join(cache['dir'], f'{size}{extension}')
        if extension == '.svg':
            with open(path, 'w') as svg:
                svg.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}"/>')
        else:
            # A title bar, a side panel and a row of buttons over a light window.
            draw = [f'rectangle 0,0 {width},{height // 20}', f'rectangle 0,0 {width // 5},{height}']
            draw += [f'rectangle {x},{height // 2} {x + width // 12},{height // 2 + 24}'
                     for x in range(width // 4, width - width // 10, width // 8)]
            command = ['convert', '-size', size, 'xc:#ececec', '-fill', '#3a6ea5']
            for shape in draw:
                command += ['-draw', shape]
            subprocess.run(command + ['-quality', '90', path], check=True)
        cache[key] = path
    return cache[key]


def make_deck(name, out, cache):
    source = os.path.join(CORPUS, name)
    folder = os.path.join(out, name)
    os.makedirs(folder, exist_ok=True)
    shutil.copyfile(os.path.join(source, 'deck.csv'), os.path.join(folder, 'deck.csv'))
    with open(os.path.join(source, 'pictures.txt'), encoding='utf-8') as listing:
        for line in listing:
            end = line.index('"', 1)
            picture, how = json.loads(line[:end + 1]), line[end + 1:].split()
            target = os.path.join(folder, picture)
            if how[0] in ('empty', 'text'):
                with open(target, 'wb') as file:
                    file.write(b'' if how[0] == 'empty' else b'not a picture\n')
                continue
            shutil.copyfile(screenshot(how[0], os.path.splitext(picture)[1].lower(), cache), target)
            if 'cut' in how:
                os.truncate(target, os.path.getsize(target) // 2)


def make(out):
    with tempfile.TemporaryDirectory() as drawn:
        cache = {'dir': drawn}
        for name in sorted(os.listdir(CORPUS)):
            make_deck(name, out, cache)


def described(outcome):
    """The outcome as expected.txt writes it: the problems, or each slide."""
    if 'problems' in outcome:
        return outcome['problems']
    return [f'{s["picture"]} | {s["x"]:g} {s["y"]:g} {s["width"]:g} {s["height"]:g} | '
            f'zoom {s["zoom"]:g} | {s["text"]}'.replace('\r', ' / ') for s in outcome['slides']]


def check(outcomes):
    with tempfile.TemporaryDirectory() as out:
        make(out)
        names = sorted(os.listdir(CORPUS))
        lines = subprocess.run([outcomes] + [os.path.join(out, n) for n in names], check=True,
                               capture_output=True, text=True).stdout.splitlines()
    wrong = 0
    for line in lines:
        outcome = json.loads(line)
        with open(os.path.join(CORPUS, outcome['deck'], 'expected.txt'), encoding='utf-8') as file:
            expected = file.read().splitlines()
        if described(outcome) != expected:
            wrong += 1
            print(f'{outcome["deck"]}: expected', *expected, 'got', *described(outcome), sep='\n  ')
    print(f'{len(lines) - wrong} of {len(names)} decks as expected')
    return 0 if wrong == 0 and len(lines) == len(names) else 1


def draw(size, path):
    with tempfile.TemporaryDirectory() as drawn:
        shutil.copyfile(screenshot(size, os.path.splitext(path)[1].lower(), {'dir': drawn}), path)


if __name__ == '__main__':
    if sys.argv[1:2] == ['draw'] and len(sys.argv) == 4:
        draw(sys.argv[2], sys.argv[3])
    elif len(sys.argv) != 3 or sys.argv[1] not in ('make', 'check'):
        sys.exit(__doc__)
    elif sys.argv[1] == 'make':
        make(sys.argv[2])
    else:
        sys.exit(check(sys.argv[2]))
