"""Playing the game through its window: title screen, timeline, build menu, game over, jumps."""

import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (BLACK, GAME_OVER_SHEET, MENU, PLACEHOLDER_FILL, PRICE_COLOURS,  # noqa: E402
                     TITLE_SHEET, UNAFFORDABLE, WHITE, X_BUTTON_PRESS, YELLOW, Session, blend,
                     cell_centre, centre_of, expect, expect_clean_exit, level, main, near, note,
                     timeline_button)

# A walled room with nothing in it: no creature moves and no particle flies, so everything on
# screen stays put unless the player changes it.
EMPTY_ROOM = level("11111111",
                   "10000001",
                   "10000001",
                   "10000001",
                   "10000001",
                   "10000001",
                   "10000001",
                   "11111111")
ZOMBIE_ROOM = level("111111",
                    "100001",
                    "102001",
                    "100001",
                    "100001",
                    "111111")
COSTS = {"turret": 100, "barricade": 20, "mine": 40}
BACKGROUND = (600, 500)  # black window background, away from the map and the interface
CENTRE_WORD = (512 - 260, 384 - 70, 512 + 260, 384 + 70)  # where the overlays put their word


def cell_box(column, row):
    return (column * 30, row * 30, column * 30 + 30, row * 30 + 30)


def share_changed(now, before, tolerance=8):
    changed = sum(1 for a, b in zip(now, before) if not near(a, b, tolerance))
    return changed / len(before)


def click_read_time(game, number):
    return game.input_events(X_BUTTON_PRESS)[number - 1].time


def quit_cleanly(game):
    game.key("Escape")
    expect_clean_exit(game, 5)


def expect_sheet_everywhere(shot, sheet, what):
    """Every pixel outside the centred word lies in the range the sheet can produce."""
    low = blend(sheet, BLACK)
    high = blend(sheet, WHITE)
    xs = list(range(0, shot.width, 3)) + [shot.width - 1]
    ys = list(range(0, shot.height, 3)) + [shot.height - 1]
    left, top, right, bottom = CENTRE_WORD
    for y in ys:
        for x in xs:
            if left <= x < right and top <= y < bottom:
                continue
            colour = shot.pixel(x, y)
            inside = all(lo - 2 <= c <= hi + 2 for c, lo, hi in zip(colour, low, high))
            expect(inside, f"{what}: pixel ({x}, {y}) is {colour}, not under the sheet {sheet}")


def expect_prices(shot, gold):
    for name, box in MENU.items():
        text_box = (794, box[1], 934, box[3])
        own = shot.count(PRICE_COLOURS[name], text_box, tolerance=1)
        grey = shot.count(UNAFFORDABLE, text_box, tolerance=1)
        if COSTS[name] <= gold:
            expect(own >= 10 and grey == 0, f"with {gold} gold the {name} texts should be "
                   f"{PRICE_COLOURS[name]}: {own} such pixels, {grey} grey ones")
        else:
            expect(grey >= 10 and own == 0, f"with {gold} gold the {name} texts should be grey: "
                   f"{grey} grey pixels, {own} in the affordable colour")


def outline_points(box, width):
    """Points in the middle of each side of box, 1..width pixels outside it."""
    left, top, right, bottom = box
    middle_x, middle_y = centre_of(box)
    points = []
    for offset in range(1, width + 1):
        points += [(left - offset, middle_y), (right - 1 + offset, middle_y),
                   (middle_x, top - offset), (middle_x, bottom - 1 + offset)]
    return points


def expect_outline(shot, box, colour, width, what):
    for x, y in outline_points(box, width):
        expect(shot.pixel(x, y) == colour, f"{what}: ({x}, {y}) is {shot.pixel(x, y)}, "
               f"expected {colour}")


def expect_no_highlight(shot, names):
    for name in names:
        for x, y in outline_points(MENU[name], 2):
            expect(shot.pixel(x, y) != YELLOW, f"the {name} entry is outlined at ({x}, {y})")


def title_overlay(context):
    # Fixed points of the picture, logged for every frame: walls, floor, background, the menu
    # pictures and the empty timeline.
    points = [(5, 5), (45, 45), (200, 110), (235, 235), (600, 150), (1019, 5), (1019, 763),
              (5, 763), (300, 600), (700, 700), (969, 215), (969, 355), (100, 740), (512, 60)]
    with Session(context, EMPTY_ROOM, probe_points=points) as game:
        game.wait_window()
        game.wait_frames(30, 10)
        expect_sheet_everywhere(game.screenshot(), TITLE_SHEET, "title screen")

        # A click on the build menu only starts the game: nothing gets chosen.
        game.click(*centre_of(MENU["turret"]))
        game.wait_inputs_read(1)
        time.sleep(0.3)
        shot = game.screenshot()
        expect(shot.pixel(*BACKGROUND) == BLACK, f"background {shot.pixel(*BACKGROUND)} after "
               "the first click: the title sheet is still there")
        expect_no_highlight(shot, ["turret", "barricade", "mine"])

        # With nothing chosen, a click on the map builds nothing.
        cell = cell_box(3, 3)
        before = shot.pixels(cell)
        game.click(*cell_centre(3, 3))
        game.wait_inputs_read(2)
        time.sleep(0.3)
        expect(share_changed(game.screenshot().pixels(cell), before) == 0,
               "a map click with no building chosen changed the cell")
        quit_cleanly(game)

        frames = game.frames()
        first_click = game.input_events(X_BUTTON_PRESS)[0]
        expect_title_frames(frames, first_click.frames)


def expect_title_frames(frames, clicked_at):
    """Frames before the click is read are under the sheet, from the first one after the
    first step; the frame right after the click is read, and every later one, is not."""
    expect(clicked_at >= 10, f"only {clicked_at} frames were shown before the click was read")
    note(f"{clicked_at} frames before the click was read, {len(frames) - clicked_at} after")
    plain = frames[-1].pixels
    dark = [blend(TITLE_SHEET, colour) for colour in plain]

    def looks(frame, wanted):
        return all(near(seen, colour, 3) for seen, colour in zip(frame.pixels, wanted))

    seen_dark = False
    for frame in frames[:clicked_at]:
        if looks(frame, dark):
            seen_dark = True
            continue
        expect(looks(frame, plain), f"frame {frame.index} before the click is neither the title "
               f"screen nor the plain picture: {frame.pixels}")
        # Only frames drawn before the loop's first step may lack the sheet.
        expect(not seen_dark and frame.time - frames[0].time <= 0.2,
               f"frame {frame.index} before the click shows no title sheet")
    for frame in frames[clicked_at:]:
        expect(looks(frame, plain), f"frame {frame.index}, after the click was read, is not the "
               f"plain picture {plain}: {frame.pixels}")


def expect_first_time_point(shot):
    current, placeholder = timeline_button(0), timeline_button(1)
    expect_outline(shot, current, WHITE, 3, "outline of time point 1")
    fills = {"time point 1 (no creatures: pure green)": ((30, 752), (0, 150, 0)),
             "placeholder of time point 2": ((52, 752), PLACEHOLDER_FILL),
             "placeholder outline": ((placeholder[2], 752), (100, 100, 100)),
             "beyond the white outline": ((16, 752), BLACK),
             "right of the placeholder": ((66, 752), BLACK)}
    for what, (point, colour) in fills.items():
        expect(shot.pixel(*point) == colour, f"{what}: {point} is {shot.pixel(*point)}, "
               f"expected {colour}")


def first_snapshot_and_barricade(context):
    with Session(context, EMPTY_ROOM, probe_points=[(18, 750)]) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        game.click(*BACKGROUND)
        game.wait_inputs_read(1)
        shot = game.wait_for("play after the first click",
                             lambda s: s.pixel(*BACKGROUND) == BLACK, 2)
        expect_prices(shot, 80)
        bar = (10, 710, 200, 766)
        expect(shot.count(BLACK, bar) == (bar[2] - bar[0]) * (bar[3] - bar[1]),
               "the timeline bar is not empty before the first time point")

        shot = game.wait_for("time point 1 on the timeline", lambda s: s.pixel(18, 750) == WHITE,
                             6)
        first = next(f for f in game.frames() if f.pixels[0] == WHITE)
        delay = first.time - click_read_time(game, 1)
        note(f"time point 1 shown {delay:.3f} s after the start click was read")
        expect(2.9 <= delay <= 3.4, f"time point 1 appeared {delay:.2f} s after the start click")
        expect_first_time_point(shot)
        expect_prices(shot, 100)

        game.click(*centre_of(MENU["barricade"]))
        game.wait_inputs_read(2)
        shot = game.wait_for("the barricade entry outlined",
                             lambda s: s.pixel(MENU["barricade"][0] - 1, 285) == YELLOW, 2)
        expect_outline(shot, MENU["barricade"], YELLOW, 2, "barricade entry")
        expect_no_highlight(shot, ["turret", "mine"])

        cell = cell_box(3, 3)
        before = shot.pixels(cell)
        game.click(*cell_centre(3, 3))
        game.wait_inputs_read(3)
        shot = game.wait_for("a barricade on cell (3, 3)",
                             lambda s: share_changed(s.pixels(cell), before) > 0.1, 2)
        expect_prices(shot, 80)
        quit_cleanly(game)


def zombies_only_game_over(context):
    sheet_on_black = blend(GAME_OVER_SHEET, BLACK)
    with Session(context, ZOMBIE_ROOM, probe_points=[BACKGROUND]) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        game.click(*BACKGROUND)
        game.wait_inputs_read(1)
        shot = game.wait_for("the game-over screen",
                             lambda s: near(s.pixel(*BACKGROUND), sheet_on_black), 6)
        started = click_read_time(game, 1)
        frames = [f for f in game.frames() if f.time > started]
        first = next(f for f in frames if near(f.pixels[0], sheet_on_black))
        delay = first.time - started
        note(f"game over shown {delay:.3f} s after the start click was read")
        expect(2.9 <= delay <= 3.4, f"the game-over screen came {delay:.2f} s after the start")
        early = [f.index for f in frames if f.time < first.time and f.pixels[0] != BLACK]
        expect(not early, f"frames {early[:5]} before game over are not plain play")

        expect_sheet_everywhere(shot, GAME_OVER_SHEET, "game-over screen")
        word = shot.count((200, 80, 80), CENTRE_WORD, tolerance=6)
        expect(word >= 30, f"no 'Game Over' word in its colour ({word} pixels)")
        expect(shot.count((60, 135, 190), CENTRE_WORD, tolerance=6) == 0,
               "the title word shows on the game-over screen")

        game.click(*BACKGROUND)
        expect_clean_exit(game, 3)


def jump_back_removes_later_building(context):
    mine_cell, barricade_cell = cell_box(2, 2), cell_box(5, 5)
    first_outline, second_outline = (18, 750), (61, 750)
    with Session(context, EMPTY_ROOM) as game:
        game.wait_window()
        game.wait_frames(5, 10)
        game.click(*BACKGROUND)
        game.wait_inputs_read(1)
        shot = game.wait_for("play", lambda s: s.pixel(*BACKGROUND) == BLACK, 2)
        floor = {box: shot.pixels(box) for box in (mine_cell, barricade_cell)}

        # A mine bought before time point 1 belongs to it.
        game.click(*centre_of(MENU["mine"]))
        game.click(*cell_centre(2, 2))
        game.wait_for("the mine", lambda s: share_changed(s.pixels(mine_cell),
                                                          floor[mine_cell]) > 0.05, 2)
        game.wait_for("time point 1", lambda s: s.pixel(*first_outline) == WHITE, 6)

        # A barricade bought after it does not.
        game.click(*centre_of(MENU["barricade"]))
        game.click(*cell_centre(5, 5))
        game.wait_for("the barricade", lambda s: share_changed(s.pixels(barricade_cell),
                                                               floor[barricade_cell]) > 0.1, 2)

        game.click(*centre_of(timeline_button(1)))
        shot = game.wait_for("the jump forward to time point 2",
                             lambda s: s.pixel(*second_outline) == WHITE and
                             s.pixel(*first_outline) != WHITE, 3)
        expect(share_changed(shot.pixels(barricade_cell), floor[barricade_cell]) > 0.1,
               "the barricade is gone after the jump forward")

        game.click(*centre_of(timeline_button(0)))
        shot = game.wait_for("the jump back to time point 1",
                             lambda s: s.pixel(*first_outline) == WHITE and
                             s.pixel(*second_outline) != WHITE, 3)
        left = share_changed(shot.pixels(barricade_cell), floor[barricade_cell], tolerance=3)
        expect(left <= 0.03, f"the barricade bought after time point 1 is still there "
               f"({left:.0%} of its cell differs from the floor)")
        expect(share_changed(shot.pixels(mine_cell), floor[mine_cell]) > 0.05,
               "the mine bought before time point 1 is gone after the jump back")
        quit_cleanly(game)


if __name__ == "__main__":
    main({"title_overlay": title_overlay,
          "first_snapshot_and_barricade": first_snapshot_and_barricade,
          "zombies_only_game_over": zombies_only_game_over,
          "jump_back_removes_later_building": jump_back_removes_later_building})
