#!/usr/bin/env bash
# GetLocalAdapter through the early-bound client in a network namespace of
# this run's own: first with no adapter at all, then with one adapter of two
# addresses and a default gateway, whose other end lies in a second
# namespace of ours.  Wine asks its own services for the adapter list, so
# the namespace gets a world of its own (display, prefix, server).
#   adapter_test.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
. "$(dirname "$0")/testlib.sh" "$1" "$2"

ns=inkvale-adapter-$$
peer=inkvale-peer-$$
link=ikva$$
world=$build/utility/adapter-world-$$
on_exit "rm -rf '$world'"
on_exit "ip netns del $ns"
on_exit "ip netns del $peer"
ip netns add "$ns" || { echo "FAIL: cannot make a network namespace"; exit 1; }
ip netns add "$peer"
ip -n "$ns" link set lo up

on_exit "'$source/testenv/world/world.sh' stop '$world'"
ip netns exec "$ns" "$source/testenv/world/world.sh" start "$world" || { echo "FAIL: the namespace's world did not start"; exit 1; }
innet() { ip netns exec "$ns" "$source/testenv/world/wine-run.sh" "$world" "$@" </dev/null | tr -d '\r'; }
innet regsvr32 /s "$(winpath "$build/utility/Utility.dll")"

out=$(innet "$client" adapter)
check "no adapter: S_OK" 0x00000000 "$(field hr "$out")"
check "no adapter: result 0" 0 "$(field result "$out")"
check "no adapter: the out-parameters are untouched" "<untouched> <untouched> <untouched> <untouched> -7" \
    "$(field ips "$out") $(field mac "$out") $(field gateways "$out") $(field name "$out") $(field type "$out")"

ip -n "$ns" link add "$link" type veth peer name ikvb$$ netns "$peer"
ip -n "$ns" addr add 10.213.7.2/24 dev "$link"
ip -n "$ns" addr add 10.213.7.3/24 dev "$link"
ip -n "$ns" link set "$link" up
ip -n "$peer" addr add 10.213.7.1/24 dev ikvb$$
ip -n "$peer" link set ikvb$$ up
ip -n "$ns" route add default via 10.213.7.1
mac=$(ip netns exec "$ns" cat "/sys/class/net/$link/address" | tr -d ':' | tr a-f A-F)

out=$(innet "$client" adapter)
check "an adapter: S_OK" 0x00000000 "$(field hr "$out")"
check "an adapter: result 1" 1 "$(field result "$out")"
check "both addresses, CR LF between them" '10.213.7.2\r\n10.213.7.3' "$(field ips "$out")"
check "the hardware address" "$mac" "$(field mac "$out")"
check "the gateway" 10.213.7.1 "$(field gateways "$out")"
check "an Ethernet adapter" 6 "$(field type "$out")"
name=$(field name "$out")
check "the adapter's name is written" yes "$([ -n "$name" ] && [ "$name" != "<untouched>" ] && echo yes || echo "no: $name")"

finish
