"""What the game plays, recorded through the sound library's wave-file output.

Each case gives the game its own music and sound files: sine tones of known pitches, or silence,
so that a band-pass filter over the recording tells which of them sounded and when. Time zero of
a recording is the moment the game opened the audio device and the file appeared; moments of
input are taken from the frame probe, which logs when the game actually read them.
"""

import functools
import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (ASSET_FILES, WHITE, X_BUTTON_PRESS, Session, band_envelope,  # noqa
                     bursts, centre_of, expect, level, main, note, recording_length,
                     timeline_button, write_tone_ogg, write_tone_wav)

QUIET = 0.02  # band level (RMS, full scale 1) under which nothing is taken to sound

# A turret four cells from a zombie shut in a one-cell pocket: in range but out of reach, so
# the turret fires at it for ever and nothing else happens. The human in a pocket of its own
# keeps the outbreak from ending the game at the first time point.
TURRET_AND_POCKET = level("111111111",
                          "100000001",
                          "100011101",
                          "140012101",
                          "100011101",
                          "100000001",
                          "101110001",
                          "101310001",
                          "111111111")
# A zombie beside a barricade in the open, and a human in a pocket too far off to be chased.
# The zombie reaches the barricade within a few seconds and stays there striking it, well away
# from any wall.
BARRICADE_AND_ZOMBIE = level("111111111",
                             "100000001",
                             "100000001",
                             "100250001",
                             "100000001",
                             "100000001",
                             "100001111",
                             "100001311",
                             "111111111")


def tone(frequency, seconds, amplitude, path):
    write_tone_wav(path, frequency, seconds, amplitude)


def music(frequency, seconds, amplitude, path):
    write_tone_ogg(path, frequency, seconds, amplitude)


def sounds_silenced_except(loud):
    """Replacement files: every sound effect silent except those given as name -> (Hz, s)."""
    replace = {}
    for name in ASSET_FILES["sounds"]:
        frequency, seconds = loud.get(name, (440, 0.05))
        amplitude = 0.5 if name in loud else 0.0
        replace[f"sounds/{name}"] = functools.partial(tone, frequency, seconds, amplitude)
    return replace


def offset(game, moment):
    """A moment of the test's clock as a time in the recording."""
    expect(game.audio_started is not None, "the game never opened its audio output")
    return moment - game.audio_started


def music_from_title(context):
    replace = {"music/music1.ogg": functools.partial(music, 440, 0.5, 0.5)}
    with Session(context, BARRICADE_AND_ZOMBIE, replace=replace, record_audio=True) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        while offset(game, time.monotonic()) < 2.0:
            time.sleep(0.05)
        first_frame = offset(game, game.frames()[0].time)
        game.key("Escape")
        expect(game.wait_exit(5) == 0, "the game did not exit with status 0")
        length = recording_length(game.audio_path)
        expect(length >= 1.8, f"the recording is only {length:.2f} s long")

        window = 0.05
        envelope = band_envelope(game.audio_path, 400, 480, window)
        onset = next((i * window for i, v in enumerate(envelope) if v > QUIET), None)
        expect(onset is not None, "the music was never heard")
        note(f"music from {onset:.2f} s to the end at {length:.2f} s; first frame at "
             f"{first_frame:.2f} s")
        expect(onset <= first_frame + 0.1, f"the music began at {onset:.2f} s, after the first "
               f"frame at {first_frame:.2f} s")
        # The half-second piece must loop: every window up to the end sounds.
        silent = [round(i * window, 2) for i, v in enumerate(envelope)
                  if onset + window <= i * window <= length - 2 * window and v < 0.1]
        expect(not silent, f"the music stopped on the title screen at {silent[:5]} s "
               f"(it began at {onset:.2f} s; the recording lasts {length:.2f} s)")


def turret_shot_heard(context):
    replace = {"music/music1.ogg": functools.partial(music, 440, 1.0, 0.0)}
    replace.update(sounds_silenced_except({"turret-shoot.wav": (1000, 0.06)}))
    with Session(context, TURRET_AND_POCKET, replace=replace, record_audio=True) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        while offset(game, time.monotonic()) < 1.2:
            time.sleep(0.05)
        game.click(600, 500)
        game.wait_inputs_read(1)
        started = offset(game, game.input_events(X_BUTTON_PRESS)[0].time)
        time.sleep(2.2)
        game.key("Escape")
        expect(game.wait_exit(5) == 0, "the game did not exit with status 0")

        shots = bursts(band_envelope(game.audio_path, 900, 1100), QUIET)
        starts = [round(start, 2) for start, _ in shots]
        note(f"play began at {started:.2f} s; shots heard at {starts} s")
        expect(len(shots) >= 4, f"heard {len(shots)} shots at {starts} s; play began at "
               f"{started:.2f} s")
        expect(abs(starts[0] - started) <= 0.25, f"the first shot sounded at {starts[0]} s, "
               f"but the turret fires in the step that starts play, at {started:.2f} s")
        # One shot every 28 steps of 1/60 s while the zombie stays in range. A single gap may
        # stretch or shrink with a late frame; their mean may not.
        gaps = [round(b - a, 3) for a, b in zip(starts, starts[1:])]
        mean = (starts[-1] - starts[0]) / len(gaps)
        expect(abs(mean - 28 / 60) <= 0.03 and all(abs(gap - 28 / 60) <= 0.12 for gap in gaps),
               f"shots should come every {28 / 60:.3f} s; gaps {gaps}")


def forward_jump_is_silent(context):
    # The one audible event of this level is the break of the barricade: the zombie strikes it
    # on first touch, within the first two seconds of play, and then every 61 steps, so its
    # tenth strike, which breaks it, comes 549 steps after that touch: between time points 3
    # and 4 (steps 540 and 720). A jump from time point 2 to time point 4 runs those steps ahead
    # unheard, so at the jump only the music may sound. Jumping back to time point 3 then lets
    # the break come again in real time, where it must be heard: that proves it lay in the
    # skipped stretch and that this recording would have caught it.
    replace = {"music/music1.ogg": functools.partial(music, 300, 1.0, 0.25)}
    replace.update(sounds_silenced_except({"turret-destroy.wav": (1500, 0.3)}))
    current = {2: (61, 750), 4: (101, 750)}  # right-hand white outline of a current button
    with Session(context, BARRICADE_AND_ZOMBIE, replace=replace, record_audio=True) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        game.click(600, 500)
        game.wait_inputs_read(1)

        game.wait_for("time point 2 with placeholders up to 4",
                      lambda s: s.pixel(*current[2]) == WHITE and
                      s.pixel(*centre_of(timeline_button(3))) != (0, 0, 0), 9, interval=0.1)
        game.click(*centre_of(timeline_button(3)))
        game.wait_inputs_read(2)
        forward = offset(game, game.input_events(X_BUTTON_PRESS)[1].time)
        game.wait_for("the jump to time point 4", lambda s: s.pixel(*current[4]) == WHITE, 3)

        game.click(*centre_of(timeline_button(2)))
        game.wait_inputs_read(3)
        back = offset(game, game.input_events(X_BUTTON_PRESS)[2].time)
        time.sleep(3.0)
        game.key("Escape")
        expect(game.wait_exit(5) == 0, "the game did not exit with status 0")

        window = 0.05
        tune = band_envelope(game.audio_path, 250, 350, window)
        around = [v for i, v in enumerate(tune) if forward - 0.5 <= i * window <= forward + 0.5]
        expect(around and min(around) > QUIET,
               f"the music did not sound throughout the forward jump at {forward:.2f} s")

        breaks = bursts(band_envelope(game.audio_path, 1400, 1600), QUIET)
        starts = [round(start, 2) for start, _ in breaks]
        note(f"jump forward at {forward:.2f} s, back at {back:.2f} s; break heard at {starts} s")
        expect(not any(start < back - 0.05 for start in starts),
               f"a break sounded at {starts} s: the forward jump at {forward:.2f} s was heard")
        # Back at step 540, the break is at most 180 steps away.
        expect(len(starts) == 1 and starts[0] <= back + 3.0,
               f"the break should sound once, within 3 s after the jump back at {back:.2f} s; "
               f"heard at {starts} s")


if __name__ == "__main__":
    main({"music_from_title": music_from_title, "turret_shot_heard": turret_shot_heard,
          "forward_jump_is_silent": forward_jump_is_silent})
