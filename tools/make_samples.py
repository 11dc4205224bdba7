#!/usr/bin/python3
"""Writes the sample texts under samples/ and the pictures they show.

Run from the repository root with Debian's python3 (python3-pil):
    /usr/bin/python3 tools/make_samples.py
The texts are wrapped at 93 characters, the width of a FOLIA line, and end their lines in
CR LF, as Quillet writes them. Picture lines name files relative to the program folder: the
build copies samples/ beside each FOLIA program.
"""
import os
import textwrap

from PIL import Image, ImageDraw, ImageFont

WIDTH = 93
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples")
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def wrap(paragraphs):
    lines = []
    for paragraph in paragraphs:
        if paragraph.startswith("{@@") or paragraph == "":
            lines.append(paragraph)
        else:
            lines.extend(textwrap.wrap(paragraph, WIDTH, break_long_words=True))
            lines.append("")
    return lines


def write(name, lines):
    with open(os.path.join(ROOT, name), "wb") as out:
        for line in lines:
            assert len(line) <= WIDTH or line.startswith("{@@"), line
            out.write(line.encode("cp1252") + b"\r\n")


def picture(name, size, draw_on):
    image = Image.new("RGB", size, "white")
    draw_on(ImageDraw.Draw(image), size)
    image.save(os.path.join(ROOT, "pictures", name))


def reading_cycle(draw, size):
    w, h = size
    font = ImageFont.truetype(BOLD, 13)
    steps = [("Survey", "#2f6fb3"), ("Read", "#3a9a5b"), ("Mark", "#c0392b"), ("Recall", "#8e44ad")]
    box = (w - 40) // len(steps)
    for i, (label, colour) in enumerate(steps):
        x = 10 + i * (box + 10)
        draw.rounded_rectangle((x, 12, x + box - 20, h - 12), 10, fill=colour)
        tw = draw.textlength(label, font=font)
        draw.text((x + (box - 20 - tw) / 2, h / 2 - 8), label, fill="white", font=font)
        if i < len(steps) - 1:
            ax = x + box - 18
            draw.polygon([(ax, h / 2 - 7), (ax + 14, h / 2), (ax, h / 2 + 7)], fill="#555555")


def forgetting_curve(draw, size):
    w, h = size
    font = ImageFont.truetype(FONT, 11)
    draw.line((30, 10, 30, h - 20), fill="black", width=2)
    draw.line((30, h - 20, w - 10, h - 20), fill="black", width=2)
    plain = [(30 + x, 10 + (h - 30) * (1 - 0.92 ** (x / 6))) for x in range(0, w - 40, 4)]
    draw.line(plain, fill="#c0392b", width=3)
    reviewed = [(30 + x, 10 + (h - 30) * (1 - 0.985 ** (x / 6)) * 0.6) for x in range(0, w - 40, 4)]
    draw.line(reviewed, fill="#2f6fb3", width=3)
    draw.text((40, h - 17), "days", fill="black", font=font)
    draw.text((w - 150, 14), "with reviews", fill="#2f6fb3", font=font)
    draw.text((w - 150, h - 45), "without reviews", fill="#c0392b", font=font)


def margin_marks(draw, size):
    w, h = size
    font = ImageFont.truetype(FONT, 12)
    for row in range(4):
        y = 10 + row * 16
        draw.text((30, y), "a line of text to study", fill="black", font=font)
    draw.line((28, 26, 190, 26), fill="#c0392b", width=2)
    draw.line((12, 10, 12, 70), fill="#c0392b", width=2)
    draw.rectangle((30, 42, 110, 56), fill="#c0392b")
    draw.text((32, 42), "a line of", fill="white", font=font)


WELCOME = [
    "Welcome to FOLIA",
    "This short text shows what FOLIA does with a page. Each row of a page holds up to 93 "
    "characters, exactly as Quillet wrapped them, and every page holds 65 rows.",
    "Try this: choose \"Control to choose underline (switch)\" in the Underlines menu, tick "
    "the small boxes beside two rows, and choose \"Underline Vertical Line\" to bracket them.",
    "Or drag across a few words with the mouse and choose \"Underline Piece Bold\" or "
    "\"Underline Piece 2 Colors\". Undo takes back the last change.",
    "Small symbols stand in the text: \\#10 done, \\#11 wrong, \\#12 important, \\#15 careful, "
    "\\#16 unclear, \\#20 idea. Bullets: \\$1 square, \\$2 circle, \\$3 diamond, \\$4 triangle.",
    "Pictures stand on their own line. The next line names one:",
    "{@@cycle,samples/pictures/reading-cycle.png}",
    "",
    "Use the arrow keys to turn pages, Page Up and Page Down to move along a page, and the "
    "Read menu to follow the text with the reading guide: then the Down and Up arrows move it.",
]

NOTES_INTRO = [
    "Notes on reading to remember",
    "\\#18 Reading once is rarely enough. What we read with attention we keep for a while; "
    "what we read again, at growing intervals, we keep for years.",
    "{@@curve,samples/pictures/forgetting-curve.png}",
    "",
    "1. Survey first",
    "Before reading a chapter, look at its headings, its pictures and its last paragraph. "
    "A map of the ground makes every detail easier to place.",
    "2. Read in short stretches",
    "Twenty or thirty minutes of close reading, then a pause. During the pause, say in your "
    "own words what the stretch was about. \\$2 If you cannot, read it again.",
    "3. Mark sparingly",
    "A page where everything is underlined says nothing. Underline the claim, not the "
    "example; bracket the argument, not each of its steps. \\#12",
    "{@@marks,samples/pictures/margin-marks.png}",
    "",
    "4. Link and define",
    "When a page depends on another, link them, so that a click takes you there. When a "
    "word is new, attach its definition; a right click shows it again.",
    "5. Recall before you review",
    "Close the book and write down what you remember. Only then open it again and compare. "
    "The gaps you find are the parts to study. \\#10",
]


def long_text():
    paragraphs = []
    themes = [
        "A long text gives the reading guide room to travel. Move it with the Down arrow and "
        "notice how the page scrolls when the guide passes the lower part of the sheet.",
        "Pages are numbered as they fill. The caption shows the page you are on and how many "
        "there are; \"Go to\" takes you straight to any of them.",
        "Marks stay where you put them: the document is kept beside the program and comes back "
        "when FOLIA starts again, at the page and position where you stopped.",
        "Every page can be printed or saved as a picture, with two footers and a page number "
        "in Arabic or Roman numerals, as the configurator sets them.",
        "Quillet prepares texts like this one: it wraps each paragraph at 93 characters, so "
        "that every row of the file is one row of a FOLIA page.",
    ]
    chapter = 0
    lines = []
    while len(lines) < 65 * 200:
        chapter += 1
        block = ["Chapter %d" % chapter]
        for i, theme in enumerate(themes):
            block.append("\\$%d %s" % (i % 4 + 1, theme) if i % 2 == 0 else theme)
        lines.extend(wrap(block))
    return lines[: 65 * 200]


def main():
    picture("reading-cycle.png", (420, 60), reading_cycle)
    picture("forgetting-curve.png", (360, 120), forgetting_curve)
    picture("margin-marks.png", (240, 80), margin_marks)
    write("welcome.txt", wrap(WELCOME))
    write("study-notes.txt", wrap(NOTES_INTRO))
    write("long-200-pages.txt", long_text())


if __name__ == "__main__":
    main()
