#!/usr/bin/env bash
# A kavo-deform job array on a real one-node Slurm cluster, started here for
# this test alone: munged, slurmctld and slurmd run in the foreground as
# background processes of this script, each with a minimal configuration, a
# key, socket, state, logs and ports of its own in a temporary folder. They
# are stopped by process id and the folder removed however the test ends.
#
# Submits 4 tasks over 12 frames of two built-in examples with
# submit-deform-array.sh, one written as a file per frame, the other as a
# geometry cache with a data file per frame, waits (bounded) for its check
# job, and compares the 25 files byte for byte with one plain run over the
# same range.
#
#   slurm-array-test.sh KAVO_DEFORM SLURM_SCRIPTS_FOLDER
#
# Exit status 77 (skipped) only when the daemons cannot start on this machine.
set -euo pipefail

readonly app=$1
readonly scripts=$2
readonly skipped=77
readonly node=kavo-test-node
readonly tasks=4
readonly example=(@torus:24x12 @plane:6x6 --frames 1:12 --set amplitude=0.4 --set fractalState=on --cache-per-frame)
readonly outputs=(torus.####.obj plane.xml)
readonly files=25
readonly job_seconds=240

say() { echo "slurm-array-test: $*"; }
fail() { say "FAILED: $*"; exit 1; }

# Settings of a Slurm job this test may itself run in must not reach the
# cluster it starts.
for variable in $(compgen -e); do
  [[ $variable =~ ^(SLURM|SBATCH|SALLOC|SRUN)_ ]] && unset "$variable"
done

for command in munged munge slurmctld slurmd sbatch scontrol squeue sinfo scancel; do
  command -v "$command" > /dev/null || { say "SKIPPED: $command is not installed (scripts/install-deps.sh)"; exit $skipped; }
done

work=""
munged_pid=""
slurmctld_pid=""
slurmd_pid=""
job_ids=()

# Stops a daemon this script started, by its process id: politely, then not.
stop() {
  local pid=$1
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2> /dev/null || return 0
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  kill -KILL "$pid" 2> /dev/null || true
  wait "$pid" 2> /dev/null || true
}

stop_cluster() {
  stop "$slurmd_pid"
  stop "$slurmctld_pid"
  slurmd_pid=""
  slurmctld_pid=""
}

show_logs() {
  [ -n "$work" ] || return 0
  for log in "$work"/logs/* "$work"/joblogs/*; do
    [ -f "$log" ] || continue
    echo "----- ${log#"$work"/}"
    tail -n 30 "$log"
  done
}

# Jobs still running at the end would outlive slurmd: cancel them first.
cleanup() {
  local status=$?
  set +e
  if [ ${#job_ids[@]} -gt 0 ] && [ -n "$slurmctld_pid" ]; then
    scancel "${job_ids[@]}" 2> /dev/null
    for _ in $(seq 30); do
      [ -z "$(squeue -h -j "$(IFS=,; echo "${job_ids[*]}")" 2> /dev/null)" ] && break
      sleep 1
    done
  fi
  [ "$status" -ne 0 ] && [ "$status" -ne $skipped ] && show_logs
  stop_cluster
  stop "$munged_pid"
  [ -n "$work" ] && rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

skip() {
  say "SKIPPED: $* on this machine"
  show_logs
  exit $skipped
}

# Runs a command once a second until it succeeds, for at most $2 seconds,
# while the daemon with process id $1 lives.
wait_for() {
  local pid=$1 seconds=$2
  shift 2
  for _ in $(seq "$seconds"); do
    "$@" > /dev/null 2>&1 && return 0
    kill -0 "$pid" 2> /dev/null || return 1
    sleep 1
  done
  return 1
}

# A port nothing on this machine listens on.
free_port() {
  local port
  while true; do
    port=$((20000 + RANDOM % 30000))
    (exec 3<> "/dev/tcp/127.0.0.1/$port") 2> /dev/null || { echo "$port"; return; }
  done
}

start_munge() {
  dd if=/dev/urandom of="$work/munge/munge.key" bs=1024 count=1 status=none
  chmod 400 "$work/munge/munge.key"
  munged --foreground --key-file="$work/munge/munge.key" --socket="$work/munge/socket" \
    --pid-file="$work/munge/munged.pid" --seed-file="$work/munge/seed" --log-file="$work/logs/munged.log" \
    > "$work/logs/munged.out" 2>&1 &
  munged_pid=$!
  wait_for "$munged_pid" 10 munge --socket="$work/munge/socket" --no-input || skip "munged does not start"
}

write_config() {
  local controller_port=$1 node_port=$2
  cat > "$SLURM_CONF" << CONFIG
ClusterName=kavo-test
SlurmctldHost=localhost
SlurmctldPort=$controller_port
SlurmdPort=$node_port
SlurmUser=$(id -un)
SlurmdUser=$(id -un)
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/socket
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/logs/slurmctld.log
SlurmdLogFile=$work/logs/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
JobCompType=jobcomp/none
MpiDefault=none
SchedulerType=sched/backfill
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
MinJobAge=600
MailProg=/bin/true
SlurmdParameters=config_overrides
NodeName=$node NodeAddr=127.0.0.1 NodeHostname=localhost CPUs=$(nproc) State=UNKNOWN
PartitionName=kavo-test Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONFIG
}

node_is_idle() { [ "$(sinfo -h -n "$node" -o %T)" = idle ]; }
controller_is_up() { scontrol ping | grep -q "is UP"; }

# Another program may take a port between choosing and binding it: try anew.
start_cluster() {
  local problem
  for _ in 1 2 3; do
    local controller_port node_port
    controller_port=$(free_port)
    node_port=$(free_port)
    [ "$node_port" = "$controller_port" ] && continue
    write_config "$controller_port" "$node_port"
    slurmctld -D -f "$SLURM_CONF" >> "$work/logs/slurmctld.out" 2>&1 &
    slurmctld_pid=$!
    problem="slurmctld does not start"
    if wait_for "$slurmctld_pid" 20 controller_is_up; then
      slurmd -D -N "$node" -f "$SLURM_CONF" >> "$work/logs/slurmd.out" 2>&1 &
      slurmd_pid=$!
      problem="slurmd does not join slurmctld"
      wait_for "$slurmd_pid" 30 node_is_idle && return 0
    fi
    stop_cluster
  done
  skip "$problem"
}

# The job's state, or nothing while slurmctld does not answer.
job_state() { scontrol -o show job "$1" 2> /dev/null | grep -o 'JobState=[A-Z_]*' | head -n 1 | cut -d= -f2 || true; }

# Waits for the check job, which runs only after every task succeeded.
wait_for_check() {
  local check=$1 state
  for _ in $(seq $job_seconds); do
    state=$(job_state "$check")
    case $state in
      COMPLETED) return 0 ;;
      PENDING | CONFIGURING | RUNNING | COMPLETING | "") sleep 1 ;;
      *)
        scontrol -o show job "$array" | grep -o 'ArrayTaskId=[0-9]* .* JobState=[A-Z_]* Reason=[^ ]*' |
          sed 's/ JobName=.* JobState/ JobState/'
        fail "the check job ended $state" ;;
    esac
  done
  squeue
  fail "the job did not finish within $job_seconds seconds"
}

# munged insists that nobody else can write to the folders above its key and
# socket, and that everyone can reach the socket. Socket paths hold at most
# 107 bytes, slurmd's job step sockets included: a long TMPDIR gives way.
temporary=${TMPDIR:-/tmp}
[ ${#temporary} -le 40 ] || temporary=/tmp
work=$(mktemp -d "$temporary/kavo-slurm-test.XXXXXX")
chmod 711 "$work"
mkdir -m 711 "$work/munge" "$work/logs"
mkdir "$work/state" "$work/spool" "$work/farm" "$work/plain" "$work/joblogs"
export SLURM_CONF=$work/slurm.conf

start_munge
start_cluster
say "cluster up: $(sinfo -h -o '%P %D %T')"

cd "$work"
ids=$(KAVO_DEFORM=$app KAVO_FARM_LOGS=joblogs "$scripts/submit-deform-array.sh" $tasks "${example[@]}" \
  -o "farm/${outputs[0]}" "farm/${outputs[1]}")
read -r array check <<< "$ids"
job_ids=("$array" "$check")
say "array job $array, check job $check"
"$app" "${example[@]}" -o "plain/${outputs[0]}" "plain/${outputs[1]}" --quiet
wait_for_check "$check"

for task in $(seq $tasks); do
  grep -q "array task $task of job $array" "joblogs/kavo-deform-${array}_$task.log" ||
    fail "task $task has no log of its own"
done
grep "all $files files in place" "joblogs/kavo-deform-$array-check.log" || fail "the check job found no outputs"

expected=$(ls plain)
[ "$(echo "$expected" | wc -l)" -eq $files ] || fail "the plain run wrote $(echo "$expected" | wc -l) files, not $files"
[ "$(ls farm)" = "$expected" ] || fail "the array wrote $(ls farm | tr '\n' ' ')"
for name in $expected; do
  cmp "plain/$name" "farm/$name" || fail "farm/$name differs from the plain run's"
done
say "the $tasks tasks wrote the $files files of one plain run, byte for byte"

# The check job's own check: lost outputs are named and fail it.
rm farm/torus.0007.obj farm/planeFrame8.mcx
if "$scripts/check-outputs.sh" "${example[@]}" -o "farm/${outputs[0]}" "farm/${outputs[1]}" > check.out; then
  fail "check-outputs missed a lost file"
fi
for lost in farm/torus.0007.obj farm/planeFrame8.mcx; do
  grep -q "missing: $lost" check.out || fail "check-outputs did not name the lost $lost: $(cat check.out)"
done
say "passed"
