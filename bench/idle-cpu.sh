#!/usr/bin/env bash
# The game's processor use on the idle main screen, as the player leaves it:
#   bench/idle-cpu.sh GAME on|off [SECONDS]
# starts GAME (a Release build's bin/trevinor) under Xvfb, turns the melodies off in the
# settings for "off", starts a new game from the menu by mouse and keyboard (xdotool), waits
# for the main screen and its first melody, then reads the game's utime+stime from
# /proc/PID/stat over SECONDS (60) seconds. Without a sound device the music plays through
# fluidsynth's file driver into /dev/null (bench/file-audio.c, preloaded), paced in real time.
# Needs Xvfb, xdotool and gcc; docs/benchmarks.md has the figures.
set -euo pipefail
game=$(realpath "$1") music=$2 seconds=${3:-60}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
gcc -shared -fPIC -O2 -o "$work/file-audio.so" "$here/file-audio.c" -ldl
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display HOME=$work XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
LD_PRELOAD=$work/file-audio.so "$game" >/dev/null 2>&1 &
pid=$!

at() { # window, x, y within it: a click there
  local x y
  read -r x y < <(xdotool getwindowgeometry "$1" | awk -F'[ ,]+' '/Position/ {print $3, $4}')
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
menu=$(xdotool search --sync --onlyvisible --name "главное меню" | head -1)
if [ "$music" = off ]; then
  at "$menu" 180 333 # Настройки
  sleep 1.5
  settings=$(xdotool search --sync --onlyvisible --name "^Настройки$" | head -1)
  at "$settings" 31 175 # Не проигрывать мелодии
  sleep 0.5
  at "$settings" 559 441 # Да
  sleep 1
fi
at "$menu" 180 229 # Новая игра
sleep 1.5
at "$(xdotool search --onlyvisible --name "^Тревинор$" | tail -1)" 70 25 # the name
xdotool type --delay 30 "Vasya"
xdotool key Return
sleep 5 # the main screen opens, its melody starts

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
written() { awk '/wchar/ {print $2}' "/proc/$pid/io"; }
t0=$(ticks) w0=$(written) s0=$(date +%s.%N)
sleep "$seconds"
t1=$(ticks) w1=$(written) s1=$(date +%s.%N)
grep -q libfluidsynth "/proc/$pid/maps" && synth=loaded || synth="not loaded"
awk -v a="$t0" -v b="$t1" -v hz="$(getconf CLK_TCK)" -v s0="$s0" -v s1="$s1" \
    -v kib=$(((w1 - w0) / 1024)) -v synth="$synth" 'BEGIN {
  printf "%.2f %% of a core over %.0f s (%d ticks); %d KiB written (sound is 172 KiB/s); synthesiser %s\n",
         100 * (b - a) / hz / (s1 - s0), s1 - s0, b - a, kib, synth }'
