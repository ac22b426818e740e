#!/usr/bin/env bash
# Runs a command inside a private network namespace, so multicast and command
# frames never reach a real network. The namespace has its loopback and one
# veth pair mc0/mc1; mc0 carries 10.99.0.1 (the program's side) and the hub
# addresses 10.99.0.30 to 10.99.0.69, so hub page p can send from 10.99.0.(30+p)
# and have hub ID p. Works as root and as an ordinary user.
#
#   tests/netns-run.sh <command> [arguments...]
set -euo pipefail
if [ "$#" -eq 0 ]; then
    echo "usage: $0 <command> [arguments...]" >&2
    exit 2
fi
exec unshare -rn bash -c '
set -euo pipefail
ip link set lo up
ip link add mc0 type veth peer name mc1
ip addr add 10.99.0.1/24 dev mc0
for host in $(seq 30 69); do echo "address add 10.99.0.$host/24 dev mc0"; done | ip -batch -
ip link set mc0 up
ip link set mc1 up
# The carrier comes up asynchronously; programs that look for running
# interfaces must not start before it has.
for attempt in $(seq 1 100); do
    if ip -o link show mc0 | grep -q "state UP" && ip -o link show mc1 | grep -q "state UP"; then
        break
    fi
    sleep 0.05
done
export VORN_NETNS=mc0
exec "$@"' netns-run "$@"
