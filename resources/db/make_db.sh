#!/usr/bin/env bash
# make_db.sh NAME OUT SQLITE3: builds one database file from the scripts here.
#   NAME is Demo, dbWHouse or NWRetail; OUT the file to write; SQLITE3 the shell.
# The result depends only on the scripts: sales quantities come from the
# temporary SalesPlan table of the data script through a fixed formula, never
# from a clock or a random source.
set -euo pipefail
name=$1; out=$2; sqlite=$3
here=$(cd "$(dirname "$0")" && pwd)

# One sales table's rows, for the items of one time unit: every year from 2022
# to 2026 and every period 1..N. The quantity is the plan's base level, grown
# each year, swung by a triangle-shaped season around the peak period, with a
# +-15 % wobble drawn from the seed.
sales_sql() {  # TABLE TIMEUNIT N COLUMN-NAME...
    local table=$1 unit=$2 n=$3; shift 3
    local cols="" picks="" p=1
    for c in "$@"; do
        cols+=", $c"
        picks+=", MAX(CASE p WHEN $p THEN q END)"
        p=$((p + 1))
    done
    cat <<SQL
INSERT INTO $table (ItemID, Year$cols)
WITH RECURSIVE
  yr(y) AS (SELECT 2022 UNION ALL SELECT y + 1 FROM yr WHERE y < 2026),
  per(p) AS (SELECT 1 UNION ALL SELECT p + 1 FROM per WHERE p < $n),
  dist AS (SELECT s.*, y, p, MIN(ABS(p - s.Peak), $n - ABS(p - s.Peak)) AS d
           FROM SalesPlan s JOIN Items i ON i.ItemID = s.ItemID, yr, per
           WHERE i.TimeUnit = '$unit'),
  gen AS (SELECT ItemID, y, p,
                 MAX(0, CAST(ROUND(Base * (1 + Growth * (y - 2022)) * (1 + Amp * (1 - 4.0 * d / $n))
                     * (1 + (((Seed * 7919 + y * 131 + p * 977 + p * p * 37) % 21) - 10) * 0.015)) AS INTEGER)) AS q
          FROM dist)
SELECT ItemID, y$picks FROM gen GROUP BY ItemID, y ORDER BY ItemID, y;
SQL
}

case $name in
    Demo) scripts=(schema.sql demo_data.sql); with_sales=1 ;;
    dbWHouse) scripts=(schema.sql whouse_data.sql); with_sales=1 ;;
    NWRetail) scripts=(nwretail.sql); with_sales=0 ;;
    *) echo "make_db.sh: unknown database '$name'" >&2; exit 1 ;;
esac

tmp="$out.tmp"
rm -f "$tmp"
{
    echo "BEGIN;"
    for s in "${scripts[@]}"; do cat "$here/$s"; done
    if [ "$with_sales" = 1 ]; then
        sales_sql Sales Month 12 Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec
        mapfile -t weeks < <(seq -f 'W%g' 1 52)
        sales_sql SalesWeekly Week 52 "${weeks[@]}"
    fi
    echo "COMMIT;"
    echo "VACUUM;"
} | "$sqlite" -bail "$tmp"
# A rebuild must not lose what the program saved into an earlier file: when the
# existing file differs from the fresh one, it is kept beside it as OUT.bak.
if [ -f "$out" ] && ! cmp -s "$tmp" "$out"; then
    mv -f "$out" "$out.bak"
fi
mv "$tmp" "$out"
