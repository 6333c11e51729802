#!/usr/bin/env bash
# Runs Quorvex's benchmarks beside the programs they are measured against, each
# pair interleaved in the same round so that both see the same machine load,
# and prints the ratios (Quorvex / anchor; below 1 is faster):
#   full build of 10,000 individual product pages   vs  Hugo building 10,000 one-template pages
#   rebuild after one price change                  vs  Hugo's full build
#   40 photos (1600 x 1200 JPEG) reduced by a run   vs  40 x djpeg, one after another (the
#                                                       single-core decode floor)
#   publish 2,000 files in full and after one change vs lftp "mirror -R" to the same local
#                                                       FTP server (tests/support/ftp_server.py)
#   product table of 1,000,000 rows read and written: CPU seconds and peak MB
# Installs hugo, lftp and libjpeg-turbo-progs from Debian when missing.
#   bench/vs-anchors.sh [ROUNDS]      (default 3; BUILD=dir picks the build, default build)
set -euo pipefail

rounds=${1:-3}
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${BUILD:-$root/build}/bin

missing=()
command -v hugo >/dev/null || missing+=(hugo)
command -v lftp >/dev/null || missing+=(lftp)
command -v djpeg >/dev/null || missing+=(libjpeg-turbo-progs)
if ((${#missing[@]})); then
  sudo=$([[ $(id -u) == 0 ]] || echo sudo)
  $sudo apt-get install -y "${missing[@]}" >/dev/null
fi
for bench in generator_bench publish_bench products_bench; do
  [[ -x $bin/$bench ]] || cmake --build "$(dirname "$bin")" --target "$bench" -- --quiet
done

work=$(mktemp -d /tmp/quorvex-anchors-XXXXXX)
server=
cleanup() {
  [[ -n $server ]] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Seconds of a command's wall time.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

# Hugo's site: 10,000 pages from one template.
hugo_site=$work/hugo
mkdir -p "$hugo_site/content/products" "$hugo_site/layouts/_default"
printf 'baseURL = "http://example.org/"\ntitle = "Bench"\ndisableKinds = ["taxonomy", "term", "RSS", "sitemap"]\n' \
  >"$hugo_site/config.toml"
echo '<!DOCTYPE html><html><head><title>{{ .Title }}</title></head><body><h1>{{ .Title }}</h1><p>Price: {{ .Params.price }}</p>{{ .Content }}</body></html>' \
  | tee "$hugo_site/layouts/_default/single.html" >"$hugo_site/layouts/_default/list.html"
python3 - "$hugo_site/content/products" <<'PY'
import sys
for i in range(10000):
    with open(f"{sys.argv[1]}/p{i}.md", "w") as out:
        out.write(f'---\ntitle: "Product {i}"\nprice: "{10 + i % 90}.95"\n---\n'
                  f"Product number {i} with a longer description.\n")
PY
hugo_build() { rm -rf "$work/hugo-out"; hugo --quiet -s "$hugo_site" -d "$work/hugo-out"; }

# The photos, made once by the generator bench, and their decode floor.
photos=$work/photos
"$bin/generator_bench" 40 1 40 0 "$photos" >/dev/null
djpeg_all() { for photo in "$photos"/*.jpg; do djpeg -outfile /dev/null "$photo"; done; }

# The site lftp mirrors: 2,000 files shaped like publish_bench's.
mirror_site=$work/mirror
python3 - "$mirror_site" <<'PY'
import os, random, sys
random.seed(7)
for i in range(2000):
    picture = i % 5 == 0
    folder = "Images" if picture else ("softgoods" if i % 7 == 0 else "")
    os.makedirs(os.path.join(sys.argv[1], folder), exist_ok=True)
    size = 8000 + random.randrange(16000) if picture else 2000 + random.randrange(4000)
    data = os.urandom(size) if picture else bytes(random.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(size))
    with open(os.path.join(sys.argv[1], folder, f"file{i}" + (".gif" if picture else ".html")), "wb") as out:
        out.write(data)
PY
ftp_root=$work/ftp
mkdir -p "$ftp_root"
# Debian's Python, which has pyftpdlib (python3-pyftpdlib), as publish_bench uses.
coproc FTP { exec /usr/bin/python3 "$root/tests/support/ftp_server.py" "$ftp_root" web:secret:web --port-file "$work/port"; }
server=$FTP_PID
for _ in $(seq 100); do [[ -s $work/port ]] && break; sleep 0.05; done
[[ -s $work/port ]] || { echo "vs-anchors.sh: the FTP server did not start" >&2; exit 1; }
port=$(cat "$work/port")
lftp_mirror() {
  lftp -u web,secret -p "$port" -e "set ftp:passive-mode true; mirror -R --no-perms $mirror_site /; quit" 127.0.0.1
}

# Columns of a generator_bench row: seconds is the 5th, rebuild s the 9th.
bench_row() { "$bin/generator_bench" "$@" | tail -1; }

printf '%-6s %-26s %10s %10s %8s %s\n' round figure quorvex anchor ratio target
for round in $(seq "$rounds"); do
  row=$(bench_row 10000 200 0 10000)
  full=$(awk '{print $5}' <<<"$row")
  rebuild=$(awk '{print $9}' <<<"$row")
  hugo_s=$(seconds hugo_build)
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "full build 10k pages" "$full" "$hugo_s" "$(ratio "$full" "$hugo_s")" "<= 0.5"
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "rebuild, one price" "$rebuild" "$hugo_s" "$(ratio "$rebuild" "$hugo_s")" "<= 0.05"

  photo_run=$(bench_row 40 1 40 0 "$photos" | awk '{print $5}')
  empty_run=$(bench_row 40 1 0 0 | awk '{print $5}')
  djpeg_s=$(seconds djpeg_all)
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "40 photos (whole run)" "$photo_run" "$djpeg_s" "$(ratio "$photo_run" "$djpeg_s")" "<= 0.65"
  photos_only=$(awk -v a="$photo_run" -v b="$empty_run" 'BEGIN { printf "%.3f", a - b }')
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "40 photos (run - no photos)" "$photos_only" "$djpeg_s" "$(ratio "$photos_only" "$djpeg_s")" "<= 0.65"

  publish=$("$bin/publish_bench" 2000 || true)
  publish_full=$(sed -n 's/.*full: *\([0-9.]*\) s.*/\1/p' <<<"$publish")
  publish_one=$(sed -n 's/.*one changed: *\([0-9.]*\) s.*/\1/p' <<<"$publish")
  rm -rf "${ftp_root:?}/web"
  mkdir -p "$ftp_root/web"
  lftp_full=$(seconds lftp_mirror)
  echo changed >"$mirror_site/file1.html"
  lftp_one=$(seconds lftp_mirror)
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "publish 2,000 files full" "$publish_full" "$lftp_full" "$(ratio "$publish_full" "$lftp_full")" "<= 0.3"
  printf '%-6s %-26s %10.3f %10.3f %8s %s\n' "$round" "publish, one changed" "$publish_one" "$lftp_one" "$(ratio "$publish_one" "$lftp_one")" "<= 0.1"

  "$bin/products_bench" --benchmark_filter='BM_ReadPlusWrite/1000000$' --benchmark_format=json \
    2>/dev/null | python3 -c '
import json, sys
run = json.load(sys.stdin)["benchmarks"][0]
cpu = run["cpu_time"] / {"ns": 1e9, "us": 1e6, "ms": 1e3, "s": 1}[run["time_unit"]]
print("%-6s %-26s %10.3f %10s %8s %s" % (sys.argv[1], "products 1M rows CPU s", cpu, "-", "-", "<= 2 s"))
print("%-6s %-26s %10.1f %10s %8s %s" % (sys.argv[1], "products 1M rows peak MB", run.get("peak_MB", float("nan")), "-", "-", "<= 300 MB"))
' "$round"
done
