#!/usr/bin/python3
"""Reads files for the MIDI export tests with programs other than Quillsong.

    midi_export_reader.py dump FILE.mid   every event, as mido reads it
    midi_export_reader.py rms FILE.wav    loudness of a 16-bit PCM recording

dump prints a header line, a line with the chunks found by walking the file
raw, then one line per event:

    file TYPE TRACKS_IN_HEADER TICKS_PER_QUARTER
    chunks MTHD_COUNT MTRK_COUNT TRAILING_BYTES
    TRACK TICK DELTA TYPE field=value ...

TICK is the event's absolute time, DELTA its delta time. A text field is
the last field of its line and may hold spaces. Any error (mido refusing
the file) ends with a message on stderr and exit status 1.
"""

import array
import sys
import wave

import mido


def walk_chunks(data):
    header = tracks = 0
    pos = 0
    while pos + 8 <= len(data):
        kind = data[pos:pos + 4]
        length = int.from_bytes(data[pos + 4:pos + 8], "big")
        if kind == b"MThd":
            header += 1
        elif kind == b"MTrk":
            tracks += 1
        pos += 8 + length
    return header, tracks, len(data) - pos


def fields(message):
    values = message.dict()
    names = [n for n in values if n not in ("type", "time")]
    # The channel first, as it reads in a status byte; texts last, so the
    # line can be split at the first spaces.
    names.sort(key=lambda n: 0 if n == "channel" else 2 if n in ("text", "name") else 1)
    return " ".join(f"{n}={values[n]}" for n in names)


def dump(path):
    with open(path, "rb") as f:
        data = f.read()
    midi = mido.MidiFile(path)
    declared = int.from_bytes(data[10:12], "big") if len(data) >= 12 else -1
    print(f"file {midi.type} {declared} {midi.ticks_per_beat}")
    print("chunks %d %d %d" % walk_chunks(data))
    for index, track in enumerate(midi.tracks):
        tick = 0
        for message in track:
            tick += message.time
            print(f"{index} {tick} {message.time} {message.type} {fields(message)}".rstrip())


def rms(path):
    with wave.open(path, "rb") as recording:
        if recording.getsampwidth() != 2:
            raise SystemExit("expected 16-bit samples")
        samples = array.array("h", recording.readframes(recording.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    total = sum(s * s for s in samples)
    print("%d %.3f" % (len(samples), (total / len(samples)) ** 0.5 if samples else 0.0))


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("dump", "rms"):
        raise SystemExit(__doc__)
    try:
        (dump if sys.argv[1] == "dump" else rms)(sys.argv[2])
    except Exception as error:  # whatever the reader refuses is a failure to report
        print(f"{sys.argv[2]}: {error}", file=sys.stderr)
        sys.exit(1)


if __name__ == "__main__":
    main()
