#!/usr/bin/env bash
# Checks that every file a kavo-deform run writes exists: each output (and
# the preview) at each frame of the range, named as kavo-deform names them
# (a run of # becomes the frame number padded with zeros). A point cache
# output is one file for the range (.pc2, .mdd), or a geometry cache (.xml):
# its description, which must list the range, and its data, one file for
# the range or one per frame (--cache-per-frame). Takes the run's own
# arguments; lists what is missing and exits 1 if anything is.
#
#   check-outputs.sh INPUT... -o OUTPUT... --frames FIRST:LAST[:STEP] [options]
#
# submit-deform-array.sh runs it as the job that follows a job array; after
# a run split by hand (xargs -P, separate machines) run it directly.
set -euo pipefail

die() { echo "check-outputs: $*" >&2; exit 2; }

# A whole number as kavo-deform reads it: a sign, then decimal digits (a
# leading 0 does not make it octal).
number() {
  local text=$1 sign=1
  [[ $text =~ ^[+-]?[0-9]+$ ]] || die "\"$text\" is not a whole number"
  [[ $text == -* ]] && sign=-1
  text=${text#[+-]}
  echo $((sign * 10#$text))
}

# The name kavo-deform writes for `pattern` at `frame`.
expand() {
  local pattern=$1 frame=$2 name="" run sign=""
  [[ $frame == -* ]] && sign=-
  while [[ $pattern =~ ^([^#]*)(#+)(.*)$ ]]; do
    run=${BASH_REMATCH[2]}
    name+="${BASH_REMATCH[1]}${sign}$(printf '%0*d' "${#run}" "${frame#-}")"
    pattern=${BASH_REMATCH[3]}
  done
  echo "$name$pattern"
}

patterns=()
range=""
per_frame=0
cache_format=mcx
while [ $# -gt 0 ]; do
  case $1 in
    -o|--output)
      shift
      while [ $# -gt 0 ] && [[ $1 != -* ]]; do patterns+=("$1"); shift; done
      continue ;;
    --output=*) patterns+=("${1#*=}") ;;
    -o?*) patterns+=("${1#-o}") ;;
    --preview) shift; patterns+=("${1:?--preview needs a file name}") ;;
    --preview=*) patterns+=("${1#*=}") ;;
    --frames|--frame) shift; range=${1:?a frame or range is missing} ;;
    --frames=*|--frame=*) range=${1#*=} ;;
    --cache-per-frame) per_frame=1 ;;
    --cache-format) shift; cache_format=${1:?--cache-format needs mcx or mcc} ;;
    --cache-format=*) cache_format=${1#*=} ;;
  esac
  shift
done
[ ${#patterns[@]} -gt 0 ] || die "no output given (-o OUTPUT...)"

IFS=: read -r first last step <<< "${range:-1}"
first=$(number "$first")
last=$(number "${last:-$first}")
step=$(number "${step:-1}")
[ "$step" -gt 0 ] || die "the step must be positive"

expected=0
missing=0
look_for() {
  expected=$((expected + 1))
  if [ ! -f "$1" ]; then
    echo "missing: $1"
    missing=$((missing + 1))
  fi
}

# The kind of output a name is: a file per frame, a cache in one file, or a
# geometry cache.
kind_of() {
  case ${1,,} in
    *.xml) echo geometry-cache ;;
    *.pc2 | *.mdd) echo cache ;;
    *) echo per-frame ;;
  esac
}

end=$first
for ((frame = first; frame <= last; frame += step)); do
  end=$frame
  for pattern in "${patterns[@]}"; do
    case $(kind_of "$pattern") in
      per-frame) look_for "$(expand "$pattern" "$frame")" ;;
      geometry-cache) [ "$per_frame" = 1 ] && look_for "${pattern%.*}Frame$frame.$cache_format" ;;
    esac
  done
done
# A geometry cache's times are ticks, 250 a frame.
for pattern in "${patterns[@]}"; do
  case $(kind_of "$pattern") in
    cache) look_for "$pattern" ;;
    geometry-cache)
      [ "$per_frame" = 1 ] || look_for "${pattern%.*}.$cache_format"
      look_for "$pattern"
      range_line="<time Range=\"$((first * 250))-$((end * 250))\"/>"
      if [ -f "$pattern" ] && ! grep -qF "$range_line" "$pattern"; then
        echo "wrong range: $pattern does not list $range_line"
        missing=$((missing + 1))
      fi ;;
  esac
done
if [ "$missing" -gt 0 ]; then
  echo "check-outputs: $missing of $expected files missing (frames $first to $last)"
  exit 1
fi
echo "check-outputs: all $expected files in place (frames $first to $last)"
