#!/usr/bin/env bash
# The command-line host end to end: check, design, save, load, and damaged stored files.
set -u
pm001="$1"
source_dir="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect <exit status> <description> <command...>
    local want="$1" what="$2"
    shift 2
    "$@" > "$work/out" 2> "$work/err"
    local got=$?
    if [ "$got" != "$want" ]; then
        echo "FAIL: $what: exit $got, expected $want"
        cat "$work/out" "$work/err"
        failures=$((failures + 1))
    fi
}

for sample in footing piles pile_cap prestressed; do
    expect 0 "check $sample" "$pm001" check "$source_dir/examples/$sample.json"
    grep -q "^diagnose" "$work/out" && { echo "FAIL: check $sample reported diagnostics"; failures=$((failures + 1)); }
    expect 0 "design $sample" "$pm001" design "$source_dir/examples/$sample.json" --save "$work/$sample.pm001"
    grep " = " "$work/out" > "$work/$sample.designed"
    expect 0 "load $sample" "$pm001" load "$work/$sample.pm001"
    grep " = " "$work/out" > "$work/$sample.loaded"
    if ! cmp -s "$work/$sample.designed" "$work/$sample.loaded"; then
        echo "FAIL: $sample: output values after load differ from those after design"
        diff "$work/$sample.designed" "$work/$sample.loaded" | head
        failures=$((failures + 1))
    fi
    [ -s "$work/$sample.designed" ] || { echo "FAIL: $sample: no output values"; failures=$((failures + 1)); }
done

# The bundled sample is designed when no project is named.
expect 0 "design of the bundled sample" "$pm001" design

# A cap narrower than the least width fails the diagnosis and says so under its key.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["pier"]["B"] = 200
d["keyParameterFile"] = f"{src}/examples/keyparams/footing.json"
json.dump(d, open(f"{work}/narrow.json", "w", encoding="utf-8"), ensure_ascii=False)
d["pier"]["hHgll"] = 1
json.dump(d, open(f"{work}/typo.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
expect 1 "check of a cap 200 wide" "$pm001" check "$work/narrow.json"
grep -qF "diagnose [B] “盖梁截面宽度”过小,不能小于300，B有错误．" "$work/out" || { echo "FAIL: narrow cap message missing"; cat "$work/out"; failures=$((failures + 1)); }
expect 2 "check of a project with an unknown key" "$pm001" check "$work/typo.json"
grep -q "pier.hHgll" "$work/err" || { echo "FAIL: unknown key not named"; cat "$work/err"; failures=$((failures + 1)); }
expect 2 "check of a missing project" "$pm001" check "$work/none.json"

# A stored file with one byte flipped, or cut short, is refused with one line.
python3 -c "import sys; b=bytearray(open(sys.argv[1],'rb').read()); b[len(b)//2]^=0x20; open(sys.argv[2],'wb').write(b)" \
    "$work/footing.pm001" "$work/flipped.pm001"
expect 2 "load of a flipped file" "$pm001" load "$work/flipped.pm001"
[ "$(wc -l < "$work/err")" = 1 ] || { echo "FAIL: flipped file: not one line"; cat "$work/err"; failures=$((failures + 1)); }
head -c 40 "$work/footing.pm001" > "$work/short.pm001"
expect 2 "load of a truncated file" "$pm001" load "$work/short.pm001"
expect 2 "load of a file that is not a component" "$pm001" load "$source_dir/examples/footing.json"

# Saving replaces only a regular file (following a symbolic link to it), keeps its mode, and
# refuses an empty name; loading refuses what is not a regular file without waiting on it.
fail() { echo "FAIL: $1"; cat "$work/out" "$work/err"; failures=$((failures + 1)); }
expect 2 "design --save with an empty name" "$pm001" design "$source_dir/examples/footing.json" --save ""
mkfifo "$work/fifo"
expect 2 "design --save onto a FIFO" "$pm001" design "$source_dir/examples/footing.json" --save "$work/fifo"
grep -qF "\"$work/fifo\" is not a regular file" "$work/err" || fail "FIFO target not named"
[ -p "$work/fifo" ] || fail "the FIFO was replaced"
expect 2 "load of a FIFO" timeout 20 "$pm001" load "$work/fifo"
[ "$(wc -l < "$work/err")" = 1 ] || fail "FIFO load: not one line"
chmod 600 "$work/footing.pm001"
ln -s footing.pm001 "$work/link.pm001"
expect 0 "design --save through a symbolic link" "$pm001" design "$source_dir/examples/footing.json" --save "$work/link.pm001"
[ -L "$work/link.pm001" ] || fail "the symbolic link was replaced"
[ "$(stat -c %a "$work/footing.pm001")" = 600 ] || fail "the saved file lost its mode"
expect 0 "load through the link" "$pm001" load "$work/link.pm001"

# A project whose key-parameter file is missing or damaged is unusable input: one line, exit 2.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/none.json"
json.dump(d, open(f"{work}/missing_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
open(f"{work}/damaged.json", "w").write('{"cap": ')
d["keyParameterFile"] = f"{work}/damaged.json"
json.dump(d, open(f"{work}/damaged_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{src}/examples/keyparams/footing.json"
d["pier"]["bBz"] = "2*5000,abc"
json.dump(d, open(f"{work}/bad_spacing.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
for case in missing_keys damaged_keys; do
    expect 2 "design with $case" "$pm001" design "$work/$case.json"
    [ "$(wc -l < "$work/err")" = 1 ] && grep -q "^pm001: key-parameter file $work/" "$work/err" || fail "$case: not one line naming the file"
done
# A spacing text with an item that is not a number fails the diagnosis under its key.
expect 1 "check of a spacing text with a bad item" "$pm001" check "$work/bad_spacing.json"
grep -qF "diagnose [bBz] “墩柱横桥向间距”中第3个数据“abc”不是有效的数字，bBz有错误．" "$work/out" || fail "bad spacing item not reported"

expect 0 "design --json" "$pm001" design "$source_dir/examples/piles.json" --json
python3 -c "import json,sys; d=json.load(open(sys.argv[1])); assert d['result']=='done' and d['outputs']" "$work/out" \
    || { echo "FAIL: --json document"; failures=$((failures + 1)); }

[ "$failures" = 0 ] && echo "all host command checks passed"
exit "$failures"
