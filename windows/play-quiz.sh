#!/usr/bin/env bash
# Takes a whole quiz with the keyboard alone, in a quiz window already open on $DISPLAY, as a
# learner without a mouse would; then reads the score from the window's own pixels.
#
#   windows/play-quiz.sh QUIZ.toml SCREENSHOT.png
#
# Every pair is entered (the first two crossed on purpose, so the score is not simply 100%), then
# "Оцени". The keys go through xdotool, so they travel the same way as a real keyboard's: X, then
# Wine or Qt's xcb platform. The counter is read with tesseract from SCREENSHOT.png and must say the
# score those pairs give. Only quizzes with their pairs in the file ([[pair]]) are played.
set -euo pipefail
quiz=$1 png=$2

# The quiz's lists are sorted case-insensitively, and an entered pair leaves both. So the first
# expression is always the next one to enter, and its meaning's row is found by counting.
mapfile -t plan < <(/usr/bin/python3 - "$quiz" <<'EOF'
import sys, tomllib
with open(sys.argv[1], 'rb') as f:
    quiz = tomllib.load(f)
pairs = [(p['expression'], p['meaning']) for p in quiz['pair']]
meaning_of = dict(pairs)
expressions = sorted(meaning_of, key=str.casefold)
meanings = sorted([m for _, m in pairs] + quiz.get('extra_meanings', []), key=str.casefold)
# The first two expressions take each other's meaning.
chosen = [meaning_of[e] for e in expressions]
chosen[0], chosen[1] = chosen[1], chosen[0]
keys = []
for expression, meaning in zip(expressions, chosen):
    row = meanings.index(meaning)
    meanings.pop(row)
    # From the expressions: the first one, Tab to the meanings, Home and Down to the row, Tab past
    # the entered pairs to "Избрах", Space; Shift+Tab three times back to the expressions (backwards,
    # so "Върни" and "Оцени" being enabled or not does not change the count).
    keys += ['Home', 'Tab', 'Home'] + ['Down'] * row + ['Tab', 'Tab', 'space'] + ['shift+Tab'] * 3
# "Оцени" is enabled by the next press of "Избрах" once enough pairs are in; then Tab past "Върни".
keys += ['Tab', 'Tab', 'Tab', 'space', 'Tab', 'Tab', 'space']
correct = sum(meaning_of[e] == m for e, m in zip(expressions, chosen))
score = round(correct * 100 / len(pairs))  # of as many pairs as there are, ties to even as the quiz rounds
print(quiz['caption'], f'Верни: {score}%', ' '.join(keys), sep='\n')
EOF
)
caption=${plan[0]} expected=${plan[1]} keys=${plan[2]}

# The quiz window by its caption; the keyboard's focus on it, and the pointer too (without a window
# manager the X focus may follow the pointer).
window=$(timeout 60 xdotool search --sync --name "^$caption\$" | head -n 1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10))
# shellcheck disable=SC2086 # one word a key
xdotool key --clearmodifiers --delay 120 $keys

# The counter (its own orange face), enlarged for tesseract (English first: with Bulgarian first it
# reads "%" as "90"); read until it says the score, at most a minute: under Wine the last keys may
# still be on their way.
read_counter() {
    import -window root "$png"
    local box
    # The largest patch of its colour (a few pixels of a flag may have it too).
    box=$(convert "$png" -fill black +opaque '#FFC080' -fill white -opaque '#FFC080' \
              -define connected-components:verbose=true -connected-components 8 null: |
          awk '$NF == "srgb(255,255,255)" { print $2; exit }')
    [ -n "$box" ] || return 0
    convert "$png" -crop "$box" +repage -resize 400% -colorspace Gray "$png.counter.png"
    tesseract "$png.counter.png" - -l eng+bul --psm 7 2>/dev/null | tr -s ' \n' ' ' | sed 's/ *$//'
}
text=
for _ in $(seq 30); do
    text=$(read_counter)
    [ "$text" = "$expected" ] && break
    sleep 2
done
echo "The counter says \"$text\" (expected \"$expected\")"
[ "$text" = "$expected" ]
