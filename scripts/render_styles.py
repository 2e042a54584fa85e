#!/usr/bin/python3
"""Renders every accompaniment style to audio and measures what it plays.

For each style in assets/Pattern this writes an eight-bar song in the style's
time signature and tempo whose chords walk through the sections
(intro, A, A, fill-in, B, B, B, ending on C, Am, F, G7 ...), converts it with
`quillsong -o X.wav` and `quillsong -o X.mid`, and prints:

  - per bar, the loudness of the audio (RMS in dBFS): the intro should come in
    under the grooves, the fill-in push, the ending land and then ring out;
  - per part (one MIDI track each), the notes it plays per bar and the spread
    of its velocities, which shows accents, backbeats and ghost notes.

Usage: scripts/render_styles.py [--quillsong build/quillsong] [--out DIR] [STYLE ...]
The WAV and MIDI files stay in DIR (default: a folder under /tmp) for listening.
Needs python3-mido (scripts/setup.sh installs it).
"""

import argparse
import array
import math
import os
import subprocess
import sys
import tempfile
import wave
from xml.sax.saxutils import quoteattr

import mido

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SECTIONS = {"A": 0, "B": 1, "I": 2, "FI": 3, "E": 4, "-": 5}
# (chord, section) per bar: every section once, every chord quality, and
# bars without a section letter that go on with the one before.
PROGRESSION = [("C", "I"), ("C", "A"), ("Am", "-"), ("F", "FI"),
               ("C", "B"), ("Am", "-"), ("G7", "-"), ("C", "E")]


def pattern_header(path):
    """The time signature and tempo a pattern file suggests."""
    with open(path, encoding="utf-8") as f:
        head = f.read(600)

    def attr(name):
        start = head.index(name + '="') + len(name) + 2
        return head[start:head.index('"', start)]

    numerator, denominator = (int(v) for v in attr("timeSignature").split("|"))
    return numerator, denominator, int(attr("tempo"))


def song_xml(style, numerator, denominator, tempo):
    steps_per_bar = numerator * 96 // denominator
    beats = numerator // 3 if denominator == 8 else numerator
    steps_per_beat = steps_per_bar // beats
    bars = []
    for chord, section in PROGRESSION:
        elems = ['      <BarElem chordNum="0" value=%s subStyle="%d"/>'
                 % (quoteattr(chord), SECTIONS[section])]
        for beat in range(1, beats):
            elems.append('      <BarElem chordNum="%d" value="" subStyle="5"/>'
                         % (beat * steps_per_beat))
        bars.append("    <Bar>\n" + "\n".join(elems) + "\n    </Bar>")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<LarkSong name=%s author="render_styles" keySignature="0" '
            'timeSignature="%d|%d" tempo="%d" numOfTracksCreated="1" numOfBars="%d" '
            'numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">\n'
            '  <Track trackNum="0" trackType="3" muted="0" lyric="0" instr=%s vol="100" '
            'title="Accompaniment">\n%s\n  </Track>\n</LarkSong>\n'
            % (quoteattr(style), numerator, denominator, tempo, len(PROGRESSION),
               quoteattr(style), "\n".join(bars)))


def bar_loudness(wav_path, bar_seconds, bars):
    """RMS of each bar and of the tail after the last one, in dBFS."""
    with wave.open(wav_path) as w:
        rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        if width != 2:
            raise SystemExit("%s: expected 16-bit samples" % wav_path)
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder != "little":
        samples.byteswap()
    frames_per_bar = int(bar_seconds * rate)
    levels = []
    for bar in range(bars + 1):
        start = bar * frames_per_bar * channels
        end = len(samples) if bar == bars else (bar + 1) * frames_per_bar * channels
        chunk = samples[start:end]
        if not chunk:
            levels.append(float("-inf"))
            continue
        rms = math.sqrt(sum(s * s for s in chunk) / len(chunk))
        levels.append(20 * math.log10(rms / 32768) if rms > 0 else float("-inf"))
    return levels


def part_statistics(mid_path, steps_per_bar):
    """Per track with notes: its name, notes per bar and velocities."""
    parts = []
    for track in mido.MidiFile(mid_path).tracks:
        name, tick, per_bar, velocities, channel = "", 0, {}, [], None
        for message in track:
            tick += message.time
            if message.type == "track_name":
                name = message.name
            elif message.type == "note_on" and message.velocity > 0:
                bar = tick // steps_per_bar  # 24 ticks a quarter: one tick a step
                per_bar[bar] = per_bar.get(bar, 0) + 1
                velocities.append(message.velocity)
                channel = message.channel
        if velocities:
            parts.append((name, channel, per_bar, velocities))
    return parts


def render(quillsong, out_dir, pattern):
    style = os.path.basename(pattern)[3:-4]
    numerator, denominator, tempo = pattern_header(pattern)
    stem = os.path.join(out_dir, os.path.basename(pattern)[:-4])
    with open(stem + ".qs", "w", encoding="utf-8") as f:
        f.write(song_xml(style, numerator, denominator, tempo))
    for extension in (".wav", ".mid"):
        subprocess.run([quillsong, "-o", stem + extension, stem + ".qs", "--force"],
                       check=True, stdout=subprocess.DEVNULL)
    steps_per_bar = numerator * 96 // denominator
    quarters_per_minute = tempo * {2: 2.0, 8: 1.5}.get(denominator, 1.0)
    bar_seconds = steps_per_bar / 24 * 60.0 / quarters_per_minute
    levels = bar_loudness(stem + ".wav", bar_seconds, len(PROGRESSION))
    print("%s (%d/%d, tempo %d)" % (style, numerator, denominator, tempo))
    print("  bars      " + "  ".join("%5s" % (s if s != "-" else "") for _, s in PROGRESSION)
          + "   tail")
    print("  dBFS      " + "  ".join("%5.1f" % level for level in levels))
    for name, channel, per_bar, velocities in part_statistics(stem + ".mid", steps_per_bar):
        counts = " ".join("%2d" % per_bar.get(bar, 0) for bar in range(len(PROGRESSION)))
        print("  %-17s ch%-2d notes/bar %s  velocity %3d-%3d (%d distinct)"
              % (name[:17], channel, counts, min(velocities), max(velocities),
                 len(set(velocities))))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--quillsong", default=os.path.join(ROOT, "build", "quillsong"))
    parser.add_argument("--out", default=None)
    parser.add_argument("styles", nargs="*", help="style names, e.g. Pop Waltz; all by default")
    args = parser.parse_args()
    out_dir = args.out or tempfile.mkdtemp(prefix="quillsong-styles-")
    os.makedirs(out_dir, exist_ok=True)
    folder = os.path.join(ROOT, "assets", "Pattern")
    patterns = sorted(os.path.join(folder, name) for name in os.listdir(folder)
                      if name.endswith(".qsx")
                      and (not args.styles or name[3:-4] in args.styles))
    for pattern in patterns:
        render(args.quillsong, out_dir, pattern)
    print("files in", out_dir)


if __name__ == "__main__":
    main()
