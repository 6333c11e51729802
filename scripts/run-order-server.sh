#!/usr/bin/env bash
# Runs a local order server on this machine until Ctrl-C:
#   FTP on 127.0.0.1:PORT     the merchant accounts of DIR/users, one line
#                             "vendorid:password" each, every account locked
#                             into its folder DIR/<vendorid> (made when missing)
#   HTTP on 127.0.0.1:PORT+1  quorvex-orderd, taking the shops' orders for the
#                             same folders; e-mail goes to DIR/.outbox as .eml
#                             files, or to QUORVEX_SMTP_URL when it is set
# Point the program at it with QUORVEX_ORDER_SERVER=127.0.0.1:PORT.
#
# The pages of `quorvex-cli serve` (http://127.0.0.1:ANY-PORT) may read the
# order server's replies: it allows the origins http://127.0.0.1:* and
# http://localhost:*, and each origin given with --allow-origin (before or
# after DIR PORT). QUORVEX_ORDERD names another quorvex-orderd to run than
# the release build's.
#   scripts/run-order-server.sh [--allow-origin ORIGIN]... DIR PORT
set -euo pipefail
usage() {
  echo "usage: $0 [--allow-origin ORIGIN]... DIR PORT" >&2
  exit 2
}
origins=(--allow-origin 'http://127.0.0.1:*' --allow-origin 'http://localhost:*')
places=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --allow-origin)
      [[ $# -ge 2 ]] || usage
      origins+=(--allow-origin "$2")
      shift 2
      ;;
    -*) usage ;;
    *)
      places+=("$1")
      shift
      ;;
  esac
done
[[ ${#places[@]} -eq 2 ]] || usage
root="$(cd "$(dirname "$0")/.." && pwd)"
data="$(cd "${places[0]}" && pwd)"
port="${places[1]}"
orderd="${QUORVEX_ORDERD:-}"
if [[ -z "$orderd" ]]; then
  orderd="$root/build/bin/quorvex-orderd"
  [[ -x "$orderd" ]] || "$root/scripts/setup.sh"
fi

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
# when its standard input closes: it reads a pipe that this script holds open
# (fd 3) until it ends. The job is the FTP server itself, so that its end
# ends the wait below.
pipe="$(mktemp -u)"
mkfifo -m 600 "$pipe"
/usr/bin/python3 "$root/tests/support/ftp_server.py" "$data" \
  "${accounts[@]}" --port "$port" <"$pipe" &
exec 3>"$pipe"
rm -f "$pipe"
"$orderd" --data "$data" --listen "127.0.0.1:$((port + 1))" "${mail[@]}" "${origins[@]}" 3>&- &
# When either half stops, the other is stopped too (the trap) and its
# status is this script's.
status=0
wait -n || status=$?
echo "$0: a server stopped (status $status)" >&2
exit "$status"
