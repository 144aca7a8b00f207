#!/usr/bin/env bash
# Submits a kavo-deform frame range to Slurm as a job array of TASKS tasks,
# each evaluating its share of the frames, followed by a check job that runs
# only once every task has succeeded and verifies that every expected output
# exists. If a task fails, the check job is cancelled with it.
#
#   submit-deform-array.sh TASKS INPUT... -o OUTPUT... --frames FIRST:LAST[:STEP] [kavo-deform options]
#
# Prints the ids of the array job and of the check job on one line. Logs, one
# per task (kavo-deform-JOB_TASK.log) and one for the check, go to
# $KAVO_FARM_LOGS (default: kavo-deform-logs in the current folder). The
# program is $KAVO_DEFORM, else kavo-deform on the PATH; the tasks run it by
# its absolute path, in the current folder, so both must be on storage the
# nodes share. Partition, time limit and account come from sbatch's own
# SBATCH_PARTITION, SBATCH_TIMELIMIT, SBATCH_ACCOUNT.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

die() { echo "submit-deform-array: $*" >&2; exit 2; }

[ $# -ge 2 ] || die "usage: submit-deform-array.sh TASKS INPUT... -o OUTPUT... --frames FIRST:LAST[:STEP] [options]"
tasks=$1
shift
[[ $tasks =~ ^[1-9][0-9]*$ ]] || die "TASKS must be a whole number from 1, got \"$tasks\""
for argument; do
  [[ $argument == --task || $argument == --task=* ]] && die "leave out --task: each task of the array finds its own"
done

program=$(command -v "${KAVO_DEFORM:-kavo-deform}") || die "kavo-deform not found: put it on the PATH or set KAVO_DEFORM"
export KAVO_DEFORM
KAVO_DEFORM=$(realpath "$program")
logs=${KAVO_FARM_LOGS:-kavo-deform-logs}
mkdir -p "$logs"
logs=$(realpath "$logs")

# --parsable prints "id" or "id;cluster".
array=$(sbatch --parsable --array="1-$tasks" --job-name=kavo-deform \
  --output="$logs/kavo-deform-%A_%a.log" "$here/deform-array.sbatch" "$@")
array=${array%%;*}
check=$(sbatch --parsable --dependency="afterok:$array" --kill-on-invalid-dep=yes --job-name=kavo-deform-check \
  --output="$logs/kavo-deform-$array-check.log" "$here/check-outputs.sh" "$@")
check=${check%%;*}

echo "submit-deform-array: array job $array ($tasks tasks), check job $check; logs in $logs" >&2
echo "$array $check"
