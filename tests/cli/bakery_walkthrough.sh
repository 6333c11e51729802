#!/bin/sh
# The README's walk-through, start to finish and without editing JSON: a
# bakery with its contact details, 12 products added one by one, an 8 % tax
# and a shipping charge, built into a site that holds all of them and
# published to a local FTP server standing in for the web and order servers.
# Usage: bakery_walkthrough.sh QUORVEX-CLI
set -eu
cli=$1
support=$(cd "$(dirname "$0")/../support" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
q() { "$cli" --home "$work/home" "$@"; }
fail() { echo "bakery walk-through: $*" >&2; exit 1; }

q new Bakery.qvx --company "Corner Bakery"
q set Bakery.qvx company.email=orders@bakery.example company.phone="555 0100" \
  company.address.line1="1 Mill Lane" company.address.city=Seattle \
  company.address.state=WA company.address.zip=98101 company.url=www.bakery.example
q set-site Bakery.qvx "Basic commerce web site" --yes
q set-style Bakery.qvx Harbour --yes
while IFS=: read -r part description price category; do
  q product add Bakery.qvx "Part Number=$part" "Description=$description" "Price=$price" \
    "Category=$category" </dev/null
done <<'PRODUCTS'
B01:Rye loaf:4.20:Bread
B02:Spelt loaf:4.80:Bread
B03:Sourdough:5.10:Bread
B04:Baguette:2.30:Bread
R01:White roll:0.60:Rolls
R02:Seeded roll:0.75:Rolls
R03:Pretzel:1.20:Rolls
C01:Carrot cake:3.40:Cakes
C02:Cheesecake:3.90:Cakes
C03:Brownie:2.10:Cakes
C04:Apple pie:3.60:Cakes
C05:Lemon tart:3.20:Cakes
PRODUCTS
q tax add Bakery.qvx state Washington WA 8%
q set Bakery.qvx shipping.basedOn="flat rate"
q shipping add Bakery.qvx Standard --flat 4.95
q build Bakery.qvx

site="$work/home/Corner Bakery"
[ "$(q product list Bakery.qvx | wc -l)" -eq 12 ] || fail "the product list does not hold 12 products"
for part in B01 B02 B03 B04 R01 R02 R03 C01 C02 C03 C04 C05; do
  grep -qs -- "'$part'" "$site/shop.html" || fail "the catalogue lacks the product $part"
done
grep -qs "'stateTax',0.080000" "$site/shop.html" || fail "the cart lacks the 8 % tax"
grep -qs "Standard.max = '4.95'" "$site/shop.html" || fail "the cart lacks the shipping charge"
echo "bakery walk-through: the site holds the 12 products, the 8 % tax and the shipping charge"

# The servers: one FTP server with the web account and the order account,
# running until this script ends and closes its standard input.
mkfifo "$work/server-input"
/usr/bin/python3 "$support/ftp_server.py" "$work/servers" web:webpass:web bakery:bakerypw:orders \
  --port-file "$work/port" <"$work/server-input" >/dev/null &
exec 3>"$work/server-input"
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || fail "the FTP server did not start"
port=$(cat "$work/port")
export QUORVEX_ORDER_SERVER="127.0.0.1:$port" XDG_CONFIG_HOME="$work"
q set Bakery.qvx server.host="127.0.0.1:$port" server.user=web server.password=webpass \
  server.vendorId=Bakery server.vendorPassword=bakerypw
q publish Bakery.qvx --dry-run | grep -q "^Would upload [1-9][0-9]*, delete 0;" ||
  fail "the dry run does not list the files to upload"
[ ! -e "$work/servers/web/shop.html" ] || fail "the dry run sent files"
q publish Bakery.qvx | grep -q "^Published: [1-9][0-9]* uploaded, 0 deleted, 0 unchanged, 0 failed." ||
  fail "publish did not upload the site"
# The server keeps text files with its own line ends.
[ "$(tr -d '\r' <"$site/index.html")" = "$(cat "$work/servers/web/index.html")" ] ||
  fail "the web server's index.html is not the site's"
grep -qs "B01" "$work/servers/orders/products.txt" || fail "the order server lacks the products"
q publish Bakery.qvx --dry-run |
  grep -q "^Would upload 0, delete 0; [1-9][0-9]* unchanged, of which 0 not on the server and 0 different there" ||
  fail "after publishing, the dry run finds the servers out of step"
echo "bakery walk-through: the published shop is on the web server, its products on the order server"
