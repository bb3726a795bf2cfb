#!/bin/bash
# Runs a simulator run as a Slurm job array of 4 shards and a merge that waits for it, on a
# one-node cluster started here, and compares the merged report with the same run played in
# one process.
# usage: slurm_test.sh NABLO_SIM SLURM_SCRIPTS_DIR
# Exits 77 (skipped) only when the cluster cannot be started for a reason of the machine.
set -uo pipefail

sim=$(realpath "$1")
scripts=$(realpath "$2")
skip() { echo "SKIPPED: $*"; exit 77; }

[ "$(id -u)" = 0 ] || skip "the cluster's daemons need root"
for tool in munged slurmctld slurmd sbatch squeue sinfo; do
  command -v "$tool" > /dev/null || skip "$tool is not installed (scripts/setup installs it)"
done
[ -r /etc/munge/munge.key ] || skip "no munge key at /etc/munge/munge.key"

work=$(mktemp -d /tmp/nablo-slurm.XXXXXX)
stopDaemon() {
  local pidFile=$1
  [ -s "$pidFile" ] || return 0
  local pid
  pid=$(cat "$pidFile")
  kill "$pid" 2> /dev/null || return 0
  for _ in $(seq 50); do
    kill -0 "$pid" 2> /dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2> /dev/null
}
cleanUp() {
  stopDaemon "$work/slurmd.pid"
  stopDaemon "$work/slurmctld.pid"
  stopDaemon "$work/munged.pid"
  rm -rf "$work"
}
trap cleanUp EXIT
showLogs() {
  for log in "$work"/*.log; do
    [ -f "$log" ] && { echo "--- $log"; tail -n 15 "$log"; }
  done
}

# Two ports that nothing listens on.
freePort() {
  local port
  for _ in $(seq 100); do
    port=$((20000 + RANDOM % 30000))
    if ! ss -Htan "sport = :$port" | grep -q .; then
      echo "$port"
      return
    fi
  done
  echo 0
}
ctldPort=$(freePort)
nodePort=$(freePort)
[ "$nodePort" != "$ctldPort" ] || nodePort=$((ctldPort + 1))

mkdir -p "$work/state" "$work/spool" "$work/results" "$work/out"
munged --force --socket="$work/munge.socket" --pid-file="$work/munged.pid" \
  --log-file="$work/munged.log" --seed-file="$work/munged.seed" --key-file=/etc/munge/munge.key \
  || { showLogs; skip "munged does not start"; }

host=$(hostname -s)
export SLURM_CONF=$work/slurm.conf
cat > "$SLURM_CONF" << CONF
ClusterName=nablotest
SlurmctldHost=$host
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge.socket
SlurmctldPort=$ctldPort
SlurmdPort=$nodePort
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
MpiDefault=none
ReturnToService=2
JobCompType=jobcomp/none
AccountingStorageType=accounting_storage/none
JobAcctGatherType=jobacct_gather/none
NodeName=$host CPUs=2 State=UNKNOWN
PartitionName=test Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF

slurmctld -f "$SLURM_CONF" || { showLogs; skip "slurmctld does not start"; }
slurmd -f "$SLURM_CONF" || { showLogs; skip "slurmd does not start"; }
ready=
for _ in $(seq 100); do
  state=$(sinfo -h -n "$host" -o %T 2> /dev/null)
  if [ "$state" = idle ]; then
    ready=yes
    break
  fi
  sleep 0.2
done
[ -n "$ready" ] || { showLogs; skip "the node does not come up (state: ${state:-none})"; }
echo "one-node cluster up: $host, 2 CPUs"

run=(--games 2000 --strategy heuristic --stake 3 --seed 7)
export NABLO_SIM=$sim
array=$(sbatch --parsable --array=1-4 --output="$work/out/shard-%a.log" \
  "$scripts/shards.sbatch" "$work/results" "${run[@]}") || { showLogs; exit 1; }
merge=$(sbatch --parsable --dependency=afterok:"$array" --output="$work/out/merge.log" \
  "$scripts/merge.sbatch" "$work/results" --json) || { showLogs; exit 1; }
echo "submitted array job $array (4 shards) and merge job $merge"

for _ in $(seq 600); do
  [ -z "$(squeue -h -j "$array,$merge" 2> /dev/null)" ] && break
  sleep 0.2
done
if [ -n "$(squeue -h -j "$array,$merge" 2> /dev/null)" ]; then
  squeue
  showLogs
  echo "FAILED: the jobs did not finish in two minutes"
  exit 1
fi

if [ ! -f "$work/results/report" ]; then
  cat "$work"/out/*.log
  showLogs
  echo "FAILED: the merge wrote no report"
  exit 1
fi
ls "$work/results"
withoutSpeed() { sed 's/"games_per_second":[0-9.]*//'; }
merged=$(withoutSpeed < "$work/results/report")
single=$("$sim" "${run[@]}" --json | withoutSpeed)
echo "merged report: $merged"
if [ "$merged" != "$single" ]; then
  echo "single run:    $single"
  echo "FAILED: the merged report differs from the run in one process"
  exit 1
fi
echo "PASSED: the merged report of 4 shards equals the run in one process"
