#!/usr/bin/env bash
# Starts the real program in a real X window, checks its title, size, place and fixed size,
# then ends it with the cancel button of each calculator tab and expects exit status 0; once
# more at a scale factor of 2, where everything is twice as large in device pixels.
set -euo pipefail

program=$1
readonly screen_width=1024 screen_height=768

if [ -z "${LIREVOX_E2E_INSIDE_X:-}" ]; then
    exec xvfb-run -a -s "-screen 0 ${screen_width}x${screen_height}x24 -dpi 96" \
        env LIREVOX_E2E_INSIDE_X=1 bash "$0" "$@"
fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect() { [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"; }

# Tab strip and cancel button centres, in client pixels: the tab control sits at (8, 56), each
# of its four tabs is about 122 pixels wide and 20 high, and every cancel button is at the
# same place on its tab.
readonly tab_x=$((8 + 61)) tab_width=122 tab_y=$((56 + 10)) cancel_x=$((8 + 368 + 40)) cancel_y=$((56 + 224 + 12))

for run in "0 1" "1 1" "2 1" "1 2"; do
    read -r tab scale <<<"$run"
    width=$((506 * scale)) height=$((336 * scale))
    QT_SCALE_FACTOR=$scale "$program" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lirevox {15}Oztrabel$' | head -n 1)
    if [ -z "$window" ]; then
        fail "no window titled 'Lirevox' + 15 blanks + 'Oztrabel'"
        kill "$pid" 2>/dev/null || true
        continue
    fi
    eval "$(xdotool getwindowgeometry --shell "$window")"
    expect "client size" "${WIDTH}x${HEIGHT}" "${width}x${height}"
    expect "position" "${X},${Y}" "$(((screen_width - width) / 2)),$(((screen_height - height) / 2))"
    hints=$(xprop -id "$window" WM_NORMAL_HINTS)
    grep -q "minimum size: $width by $height" <<<"$hints" || fail "minimum size is not $width x $height"
    grep -q "maximum size: $width by $height" <<<"$hints" || fail "maximum size is not $width x $height"

    xdotool mousemove --window "$window" $(((tab_x + tab * tab_width) * scale)) $((tab_y * scale)) click 1
    sleep 0.3
    xdotool mousemove --window "$window" $((cancel_x * scale)) $((cancel_y * scale)) click 1

    status=0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "tab $tab, scale $scale: the cancel button did not end the program"
        kill "$pid"
    fi
    wait "$pid" || status=$?
    expect "tab $tab, scale $scale: exit status after cancel" "$status" 0
done

[ "$failures" -eq 0 ] && echo "window end-to-end: all checks passed"
exit "$failures"
