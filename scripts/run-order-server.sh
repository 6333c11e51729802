#!/usr/bin/env bash
# Runs a local order server on this machine until Ctrl-C:
#   FTP on 127.0.0.1:PORT     the merchant accounts of DIR/users, one line
#                             "vendorid:password" each, every account locked
#                             into its folder DIR/<vendorid> (made when missing)
#   HTTP on 127.0.0.1:PORT+1  quorvex-orderd, taking the shops' orders for the
#                             same folders; e-mail goes to DIR/.outbox as .eml
#                             files, or to QUORVEX_SMTP_URL when it is set
# Point the program at it with QUORVEX_ORDER_SERVER=127.0.0.1:PORT.
#   scripts/run-order-server.sh DIR PORT
set -euo pipefail
if [[ $# -ne 2 ]]; then
  echo "usage: $0 DIR PORT" >&2
  exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
data="$(cd "$1" && pwd)"
port="$2"
orderd="$root/build/bin/quorvex-orderd"
[[ -x "$orderd" ]] || "$root/scripts/setup.sh"

accounts=()
while IFS=: read -r user password; do
  [[ -z "$user" || "$user" == \#* ]] && continue
  accounts+=("$user:$password:$user")
done <"$data/users"

mail=(--outbox "$data/.outbox")
[[ -n "${QUORVEX_SMTP_URL:-}" ]] && mail=(--smtp "$QUORVEX_SMTP_URL")

trap 'kill $(jobs -p) 2>/dev/null' EXIT
trap 'exit 0' INT TERM
# Debian's Python, which python3-pyftpdlib installs into. The FTP server ends
# when its standard input closes: keep it open.
sleep infinity | /usr/bin/python3 "$root/tests/support/ftp_server.py" "$data" \
  "${accounts[@]}" --port "$port" &
"$orderd" --data "$data" --listen "127.0.0.1:$((port + 1))" "${mail[@]}" &
# When either half stops, the other is stopped too (the trap) and its
# status is this script's.
status=0
wait -n || status=$?
echo "$0: a server stopped (status $status)" >&2
exit "$status"
