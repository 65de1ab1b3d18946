#!/usr/bin/env bash
# The command-line host end to end: check, design, save, load, redesign, draw, query, report,
# damaged stored files, saves refused, repeated reports and output that cannot be written.
set -u
pm001="$1"
source_dir="$2"
work=$(mktemp -d) || { echo "host_commands.sh: cannot make a temporary folder" >&2; exit 1; }
trap 'rm -rf "$work"' EXIT
failures=0

expect() {  # expect <exit status> <description> <command...>
    local want="$1" what="$2"
    shift 2
    "$@" > "$work/out" 2> "$work/err"
    local got=$?
    if [ "$got" != "$want" ]; then
        [ "$got" = 23 ] && got="23 (a sanitizer failure, never the host's code: cmake/sanitizer_environment.cmake)"
        echo "FAIL: $what: exit $got, expected $want"
        cat "$work/out" "$work/err"
        failures=$((failures + 1))
    fi
}

samples="footing piles pile_cap prestressed square_ends hammerhead continuous_bent_up prestressed_one_end prestressed_symmetric"
# has <file> <exact line>: the command's output holds the line.
has() {
    grep -qxF -- "$2" "$1" || { echo "FAIL: ${1##*/}: no line '$2'"; failures=$((failures + 1)); }
}

for sample in $samples; do
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
    # Without user-adjusted key parameters the redesign takes the designed ones: the same values.
    expect 0 "redesign $sample" "$pm001" design --redesign "$source_dir/examples/$sample.json"
    grep " = " "$work/out" > "$work/$sample.redesigned"
    cmp -s "$work/$sample.designed" "$work/$sample.redesigned" \
        || { echo "FAIL: $sample: output values after the redesign differ"; failures=$((failures + 1)); }
    grep -q "^redesign passed: 0 diagnostics, 0 errors, 0 warnings, " "$work/out" \
        || { echo "FAIL: $sample: the redesign's summary"; failures=$((failures + 1)); }
    expect 0 "draw $sample" "$pm001" draw "$source_dir/examples/$sample.json"
    cp "$work/out" "$work/$sample.draw"
    expect 0 "report $sample" "$pm001" report "$source_dir/examples/$sample.json"
    cp "$work/out" "$work/$sample.report"
    expect 0 "draw --json $sample" "$pm001" draw --json "$source_dir/examples/$sample.json"
    python3 -c "import json,sys; d=json.load(open(sys.argv[1])); assert d['result']=='done' and d['drawing']['drawn']" \
        "$work/out" || { echo "FAIL: draw --json $sample"; failures=$((failures + 1)); }
done

# A copy that sets every optional key away from its default: what the design publishes, a load of
# the stored component publishes too, the values that come from those keys included.
every_key="$source_dir/tests/data/projects/prestressed_every_key.json"
expect 0 "design of every optional key" "$pm001" design "$every_key" --save "$work/every_key.pm001"
grep " = " "$work/out" > "$work/every_key.designed"
has "$work/every_key.designed" "PM001_T0101_fVartc = 30"
expect 0 "load of every optional key" "$pm001" load "$work/every_key.pm001"
grep " = " "$work/out" > "$work/every_key.loaded"
cmp -s "$work/every_key.designed" "$work/every_key.loaded" \
    || { echo "FAIL: every optional key: output values after load differ"; diff "$work/every_key.designed" "$work/every_key.loaded" | head; failures=$((failures + 1)); }

# Named queries (values worked out from each sample's input). A query's index digits are also taken
# out of its decimals: zHZT#2#<<2>> asks for column 2 with no decimals. Indices beyond the list, or 0,
# are not answered.
query() {  # query <sample> <name> <expected line>
    expect 0 "query $1 $2" "$pm001" query "$source_dir/examples/$1.json" "$2"
    has "$work/out" "$3"
}
# footing: three columns 5000 apart; 2 % slope; column 2 under the control section, its top
# 312.5 - 1.8 = 310.7 m; front pedestals 500 along the bridge, all 250 high.
query footing ZhuSN "query ZhuSN answered: #0##1##2#"
query footing 'iLB<<2>>' "query iLB<<2>> answered: 0.02"
query footing 'zHZT#2#<<2>>' "query zHZT#2#<<2>> answered: 311"
query footing 'zHZT#4#<<2>>' "query zHZT#4#<<2>> not answered: "
query footing 'bBZ#0' "query bBZ#0 not answered: "
query footing bbg "query bbg not answered: "
# square_ends: columns at 2000 and 8500 of a 10500 cap whose top is 105.2 m at 5250 and rises 2 %
# to the right: column tops 105.2 -/+ 3.25 * 0.02 - 1.5 = 103.635 and 103.765 m; footing top 96.5 m.
query square_ends ZhuSN "query ZhuSN answered: #0##1#"
query square_ends 'iLB<<3>>' "query iLB<<3>> answered: 0.020"
query square_ends 'bBZ#1' "query bBZ#1 answered: 6500.000000"
query square_ends 'zHZT#1#<<4>>' "query zHZT#1#<<4>> answered: 103.6350"
query square_ends 'zHZT#2#<<4>>' "query zHZT#2#<<4>> answered: 103.7650"
query square_ends 'hHD#1' "query hHD#1 answered: 7135.000000"
query square_ends iBF "query iBF answered: TRUE"
query footing DSHXA "query DSHXA answered: 500.000000"
query footing DSHDA "query DSHDA answered: 250.000000"
# hammerhead: one column under the control section (424.35 - 2.0 - 412.6 = 9.75 m high), no
# spacing, no tie beam.
query hammerhead ZhuSN "query ZhuSN answered: #0#"
query hammerhead 'bBZ#1' "query bBZ#1 not answered: "
query hammerhead XLSN "query XLSN answered: "
query hammerhead 'hHD#1' "query hHD#1 answered: 9750.000000"
# continuous_bent_up: two columns, one spacing of 6000.
query continuous_bent_up ZhuSN "query ZhuSN answered: #0##1#"
query continuous_bent_up 'bBZ#1' "query bBZ#1 answered: 6000.000000"
query continuous_bent_up 'bBZ#2' "query bBZ#2 not answered: "
# prestressed_one_end: one tie-beam level at 309.000 m; column 1 at 3750 under a top of
# 318.6 - 4.5 * 0.02 = 318.51 m: top 316.51 m, 15.31 m above the pile top at 301.2 m.
query prestressed_one_end XLSN "query XLSN answered: #0#"
query prestressed_one_end 'zXL#1#<<3>>' "query zXL#1#<<3>> answered: 309.000"
query prestressed_one_end 'zHZT#1#<<3>>' "query zHZT#1#<<3>> answered: 316.510"
query prestressed_one_end 'hHD#1' "query hHD#1 answered: 15310.000000"
query prestressed_symmetric 'bBZ#1' "query bBZ#1 answered: 9000.000000"
query prestressed_symmetric 'bBZ#2' "query bBZ#2 not answered: "
expect 0 "query --json" "$pm001" query "$source_dir/examples/footing.json" --json ZhuSN bbg
python3 -c "
import json, sys
q = json.load(open(sys.argv[1]))['queries']
assert q == [{'name': 'ZhuSN', 'answered': True, 'value': '#0##1##2#'},
             {'name': 'bbg', 'answered': False, 'value': ''}], q" "$work/out" \
    || { echo "FAIL: query --json"; failures=$((failures + 1)); }

# Drawing: the drawing-setting record and alignment record the drawing output read. The block
# scales come from the drawing input; the base type is the foundation kind + 1; the cap is drawn
# half only when the option asks for it and the layout is symmetric (the hammerhead).
has "$work/footing.draw" "drawSet.pCap.dScaleElevation = 50.0"
has "$work/footing.draw" "drawSet.pCap.dScaleSection = 25.0"
has "$work/footing.draw" "drawSet.pPile = null"
has "$work/footing.draw" "align.pPG001.nMode = 1"
has "$work/footing.draw" "align.dCapLength = 13500.0"
has "$work/footing.draw" "adjust.drawingSetting.nBaseType = 1"
has "$work/footing.draw" "adjust.tool.nComponentID = 3"
has "$work/square_ends.draw" "align.dCapLength = 10500.0"
has "$work/square_ends.draw" "align.pCap.nSg = 1"
has "$work/hammerhead.draw" "drawSet.pCap.fSymDraw = 1"
has "$work/hammerhead.draw" "drawSet.pFooting = null"
has "$work/hammerhead.draw" "adjust.drawingSetting.nBaseType = 2"
has "$work/hammerhead.draw" "align.pCap.nSg = 2"
has "$work/piles.draw" "drawSet.pCap.fSymDraw = 0"
has "$work/prestressed_symmetric.draw" "drawSet.nTendonOpt = 1"
has "$work/prestressed_symmetric.draw" "adjust.drawingSetting.nBaseType = 3"
has "$work/prestressed_symmetric.draw" "align.bPileCapPG005 = 1"
has "$work/prestressed_one_end.draw" "drawSet.nTendonOpt = 0"
has "$work/prestressed_one_end.draw" "drawSet.dScaleTendon = 50.0"

# Report: the cap beam's stirrup values handed to the report, and the adjustment data file
# (project path, project name, "\", "dat\", the ID, ".dat"; the samples give no project path).
has "$work/footing.report" "capPaper.sg_lns2 = [8,8,8]"
has "$work/footing.report" 'adjustDataPath = G318线改建工程\dat\3.dat'
has "$work/square_ends.report" "capPaper.sg_nAns = 69"
has "$work/square_ends.report" "capPaper.sg_b = 75.0"
has "$work/square_ends.report" "capPaper.sg_bMid = 75.0"
has "$work/hammerhead.report" "capPaper.sg_nAns = 55"
has "$work/hammerhead.report" "capPaper.sg_Aas = 75.0"
has "$work/hammerhead.report" 'adjustDataPath = G318线改建工程\dat\8.dat'

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
# Bearings set directly on the cap: their centres are checked against the cap top and the stopper
# blocks (two rows on the hammerhead, one row on square_ends).
d = json.load(open(f"{src}/examples/hammerhead.json", encoding="utf-8"))
d["pier"]["zQb"] = -1100
d["keyParameterFile"] = f"{src}/examples/keyparams/hammerhead.json"
json.dump(d, open(f"{work}/off_cap.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/square_ends.json", encoding="utf-8"))
d["pier"]["bQf"][0] = "300"
d["pier"]["bFzjl"] = 400
d["keyParameterFile"] = f"{src}/examples/keyparams/square_ends.json"
json.dump(d, open(f"{work}/off_block.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/square_ends.json", encoding="utf-8"))
d["pier"]["bQf"][1] = "2400mm"
d["keyParameterFile"] = f"{src}/examples/keyparams/square_ends.json"
json.dump(d, open(f"{work}/unit_spacing.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["drawing"]["rPM001T01GZ"] = "4.9"
d["keyParameterFile"] = f"{src}/examples/keyparams/footing.json"
json.dump(d, open(f"{work}/small_scale.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
# A block scale below 5 stops the drawing (nothing reaches the drawing output); the adjustment
# request after it reports the scale again (one line, counted twice) and still opens the tool.
expect 1 "draw with a general-layout scale of 4.9" "$pm001" draw "$work/small_scale.json"
has "$work/out" "diagnose [rPM001T01GZ] “一般构造(立/平/侧面)”图块比例过小,不能小于5，rPM001T01GZ有错误． (×2)"
has "$work/out" "drawn = false"
has "$work/out" "drawSet = null"
has "$work/out" "adjust.result = 1"
expect 1 "check of a back bearing row 1100 behind the pier axis on a cap 2000 wide" "$pm001" check "$work/off_cap.json"
has "$work/out" "diagnose [zQb] “后排支座中心”纵桥向不能越出“盖梁顶面前后边缘”，zQb有错误．"
expect 1 "check of a first bearing 300 from the end, outside a block 400 from it" "$pm001" check "$work/off_block.json"
has "$work/out" "diagnose [bQf] “支座中心”横桥向不能位于防震挡块之外，bQf有错误．"
# A bearing spacing with a unit is no number: reported once under its key, nothing else.
expect 1 "check of a bearing spacing 2400mm" "$pm001" check "$work/unit_spacing.json"
has "$work/out" "diagnose [bQf] “支座间距”中第2个数据“2400mm”不是有效的数字，bQf有错误．"
has "$work/out" "diagnosis failed: 1 diagnostics, 0 errors, 0 warnings"
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
has "$work/err" "pm001: cannot save to \"$work/fifo\": not a regular file"
[ -p "$work/fifo" ] || fail "the FIFO was replaced"
# Refused before anything is designed: a cap whose diagnosis fails is not diagnosed.
expect 2 "design of a cap 200 wide --save onto a FIFO" "$pm001" design "$work/narrow.json" --save "$work/fifo"
has "$work/err" "pm001: cannot save to \"$work/fifo\": not a regular file"
expect 2 "load of a FIFO" timeout 20 "$pm001" load "$work/fifo"
[ "$(wc -l < "$work/err")" = 1 ] || fail "FIFO load: not one line"
chmod 600 "$work/footing.pm001"
ln -s footing.pm001 "$work/link.pm001"
expect 0 "design --save through a symbolic link" "$pm001" design "$source_dir/examples/footing.json" --save "$work/link.pm001"
[ -L "$work/link.pm001" ] || fail "the symbolic link was replaced"
[ "$(stat -c %a "$work/footing.pm001")" = 600 ] || fail "the saved file lost its mode"
expect 0 "load through the link" "$pm001" load "$work/link.pm001"
# A project file that is not a regular file, or larger than 16 MiB, is refused before it is read.
mkdir "$work/folder.json"
truncate -s 16777217 "$work/large.json"
for command in check design; do
    expect 2 "$command of a FIFO project" timeout 20 "$pm001" $command "$work/fifo"
    has "$work/err" "pm001: \"$work/fifo\" is not a regular file"
    expect 2 "$command of a folder project" "$pm001" $command "$work/folder.json"
    has "$work/err" "pm001: \"$work/folder.json\" is not a regular file"
    expect 2 "$command of a project of 16 MiB + 1 byte" "$pm001" $command "$work/large.json"
    has "$work/err" "pm001: $work/large.json: larger than 16 MiB"
done

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
del d["keyParameterFile"]
d["keyParameters"] = {"cap": {}}
json.dump(d, open(f"{work}/inline_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{src}/examples/keyparams/footing.json"
d["pier"]["bBz"] = "2*5000,abc"
json.dump(d, open(f"{work}/bad_spacing.json", "w", encoding="utf-8"), ensure_ascii=False)
d["pier"]["bBz"] = "2*5000"
d.setdefault("loads", {})["LoadList1"] = "100,abc,300"
json.dump(d, open(f"{work}/bad_load_list.json", "w", encoding="utf-8"), ensure_ascii=False)
d["loads"]["LoadList1"] = "100," * 10000 + "300"
json.dump(d, open(f"{work}/long_load_list.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
# Damaged key parameters written into the project give the same, naming the project and the key.
declare -A named=([missing_keys]="key-parameter file $work/" [damaged_keys]="key-parameter file $work/"
                  [inline_keys]="$work/inline_keys.json: keyParameters.cap.")
for case in missing_keys damaged_keys inline_keys; do
    for command in design draw report; do
        expect 2 "$command with $case" "$pm001" $command "$work/$case.json"
        [ "$(wc -l < "$work/err")" = 1 ] && grep -qF "pm001: ${named[$case]}" "$work/err" \
            || fail "$command $case: not one line naming the file"
    done
    expect 2 "query with $case" "$pm001" query "$work/$case.json" ZhuSN
done
# A key-parameter file that is a FIFO is refused at once, not waited on; a huge unknown key in the
# project is named by its first 64 characters.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/fifo"
json.dump(d, open(f"{work}/fifo_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
d["pier"]["k" * 1000000] = 1
json.dump(d, open(f"{work}/huge_key.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
expect 2 "design with a FIFO as key-parameter file" timeout 20 "$pm001" design "$work/fifo_keys.json"
has "$work/err" "pm001: key-parameter file $work/fifo: not a regular file"
expect 2 "check of a project with a key of a million characters" "$pm001" check "$work/huge_key.json"
has "$work/err" "pm001: $work/huge_key.json: pier.$(printf 'k%.0s' $(seq 64))…: unknown key"

# Redesign from the user's adjusted key parameters: the footing's own set with stirrups at 120
# instead of 150 and side-bar levels sought 180 apart instead of 150, handed to the engine before
# the redesign, gives the values of a design whose key-parameter file holds that set.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
k = json.load(open(f"{src}/examples/keyparams/footing.json", encoding="utf-8"))
k["cap"]["sg_s"] = 120.0
k["cap"]["sh_s"] = 180.0
json.dump(k, open(f"{work}/adjusted_keys.json", "w", encoding="utf-8"))
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/adjusted_keys.json"
json.dump(d, open(f"{work}/adjusted.json", "w", encoding="utf-8"), ensure_ascii=False)
d["project"]["testFlag"] = 1
json.dump(d, open(f"{work}/adjusted_test.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
expect 0 "design with the adjusted key-parameter file" "$pm001" design "$work/adjusted.json"
grep " = " "$work/out" > "$work/adjusted.designed"
has "$work/out" "PM001_T0101_sg_s = 120.0"
has "$work/out" "PM001_T0101_sh_s = 180.0"
cmp -s "$work/footing.designed" "$work/adjusted.designed" && fail "the adjusted set changes no output value"
expect 0 "redesign with adjusted key parameters" "$pm001" design --redesign --adjusted "$work/adjusted_keys.json" \
    "$source_dir/examples/footing.json" --save "$work/adjusted.pm001"
grep " = " "$work/out" > "$work/adjusted.redesigned"
cmp -s "$work/adjusted.designed" "$work/adjusted.redesigned" || fail "redesign with adjusted key parameters"
# The stored component holds the redesign, and its adjustment data the adjusted set (the part's
# form 0x0302, the switch 1, then the set's text).
expect 0 "load of the redesign" "$pm001" load "$work/adjusted.pm001"
grep " = " "$work/out" > "$work/adjusted.loaded"
cmp -s "$work/adjusted.designed" "$work/adjusted.loaded" || fail "load of the redesign"
python3 - "$work/adjusted.pm001" <<'PY' || fail "adjustment data of the redesign"
import json, struct, sys
data, at = open(sys.argv[1], "rb").read(), 12
for _ in range(3):
    n = struct.unpack_from("<I", data, at)[0]
    part, at = data[at + 8:at + 8 + n], at + 8 + n
assert part[:8] == bytes([2, 3, 0, 0, 1, 0, 0, 0]), part[:8]
cap = json.loads(part[part.index(b"{"):])["cap"]
assert (cap["sg_s"], cap["sh_s"]) == (120.0, 180.0), cap
PY
# That stored component with its adjusted set edited (its text, length and CRC made anew): a flat
# inclination, stored before the bound that refuses it, loads, prints the stored design and reports
# the value as an error (exit 1); a value of the wrong type is a damaged file (exit 2). So do welded
# legs (welds on both sides of 2.5 × 28 = 70) and frames (0.55 apart, 31.6 needed) typed in metres.
# A top cover of 470 fits the end faces: (1000 - 31.6) / 2 = 484.2. A row naming the prestressed
# sample edits its tendons, every station typed in metres.
expect 0 "redesign of the prestressed sample with its own set as the adjusted one" "$pm001" design --redesign \
    --adjusted "$source_dir/examples/keyparams/prestressed.json" "$source_dir/examples/prestressed.json" \
    --save "$work/prestressed_adjusted.pm001"
grep " = " "$work/out" > "$work/prestressed_adjusted.designed"
while IFS="|" read -r edit change error stored; do
    stored=${stored:-adjusted} status=$((${#error} > 0))
    python3 - "$work/$stored.pm001" "$work/$edit.pm001" "$change" <<'PY'
import json, struct, sys, zlib
data, at, parts = open(sys.argv[1], "rb").read(), 12, []
for _ in range(3):
    n = struct.unpack_from("<I", data, at)[0]
    parts.append(data[at + 8:at + 8 + n])
    at += 8 + n
keys = json.loads(parts[2][parts[2].index(b"{"):].decode("gbk"))
exec(sys.argv[3], {"c": keys["cap"]})
text = json.dumps(keys, ensure_ascii=False, separators=(",", ":")).encode("gbk")
parts[2] = parts[2][:8] + b"\xff" + struct.pack("<H", len(text)) + text
open(sys.argv[2], "wb").write(data[:12] + b"".join(struct.pack("<II", len(p), zlib.crc32(p)) + p for p in parts))
PY
    [ "$edit" != typed ] || continue
    expect "$status" "load of a component whose adjusted set is $edit" "$pm001" load "$work/$edit.pm001"
    [ -z "$error" ] || has "$work/out" "error $error"
    grep " = " "$work/out" | cmp -s - "$work/$stored.designed" || fail "load of a component whose adjusted set is $edit"
done <<'ROWS'
typed|c['st_angle'] = '0.785'|
flat|c['st_angle'] = 0|Calculation of component 3: user-adjusted key parameters.cap.st_angle: expected an angle above 0 and at most 1.0472 rad (0 given)
copied|c['FrameAr'].append(c['FrameAr'][1])|Calculation of component 3: user-adjusted key parameters.cap.FrameAr[2].name: the frame "N" is already described by user-adjusted key parameters.cap.FrameAr[1]
welded|c['st_LstWeld'] = 0.14|user-adjusted key parameters.cap.st_LstWeld: makes the welded end legs shorter than the short weld between the skeleton's bars; expected at least 70 mm, a weld on both sides of 2.5 × st_d 28 (0.14 given)
squeezed|c['FrameY'] = [y * 0.001 for y in c['FrameY']]|user-adjusted key parameters.cap.FrameY[1]: lays frame 2 0.6 mm from frame 1 (FrameY[0]); expected frames at least 31.6 mm apart, the outer diameter of st_d 28 (-0.275 given)
covered|c['st_ua'] = 470|
stations_in_metres|[n.update(X=n['X'] * 0.001) for n in c['SteelAr'][0]['Node']]|user-adjusted key parameters.cap.SteelAr[0].Node[1].R: the fillet reaches past the tendon's first node; its tangent length 549146 mm exceeds the 200 mm between nodes 0 and 1 (6000 given)|prestressed_adjusted
ROWS
expect 2 "load of a component whose adjusted set holds a text for a number" "$pm001" load "$work/typed.pm001"
grep -q "^pm001: the adjustment data set is damaged: .*: user-adjusted key parameters.cap.st_angle: expected a number$" \
    "$work/err" || fail "load of a component whose adjusted set holds a text for a number"
# A project run as a test keeps its design: the redesign request designs nothing again, and an
# adjusted set for it is refused with one line before anything is designed or saved.
expect 0 "redesign of a test project" "$pm001" design --redesign "$work/adjusted_test.json"
grep " = " "$work/out" | cmp -s - "$work/adjusted.designed" || fail "redesign of a test project"
grep -qx "redesign kept the design (a project run as a test): 0 diagnostics, 0 errors, 0 warnings, [0-9]* values" \
    "$work/out" || fail "redesign of a test project: summary"
expect 2 "redesign of a test project with adjusted key parameters" "$pm001" design --redesign \
    --adjusted "$source_dir/examples/keyparams/footing.json" "$work/adjusted_test.json" --save "$work/test.pm001"
[ "$(wc -l < "$work/err")" = 1 ] && [ ! -s "$work/out" ] && [ ! -e "$work/test.pm001" ] \
    && grep -qF "pm001: $work/adjusted_test.json: project.testFlag: " "$work/err" || fail "--adjusted on a test project"
expect 2 "--adjusted without --redesign" "$pm001" design --adjusted "$work/adjusted_keys.json" \
    "$source_dir/examples/footing.json"
# A missing or damaged adjusted set is unusable input, refused before any design.
for keys in none damaged; do
    expect 2 "redesign with $keys adjusted key parameters" "$pm001" design --redesign --adjusted "$work/$keys.json" \
        "$source_dir/examples/footing.json"
    [ "$(wc -l < "$work/err")" = 1 ] && grep -q "^pm001: key-parameter file $work/$keys.json: " "$work/err" \
        && [ ! -s "$work/out" ] || fail "redesign with $keys adjusted key parameters: not one line naming the file"
done

# Values an engineer slips into are refused where the set is read, with the key named, on each
# route a set comes by: a project's key-parameter file, its keyParameters, the --adjusted file. A
# millimetre value typed in metres, a bent-up bar nearly upright, a frame record copied and not
# renamed (its bars would be laid at frame N a second time), the first record copied into the
# second place (found from the second record on).
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
slips = {"sh_s": ("sh_s", 0.15), "st_d": ("st_d", 0.028), "st_angle": ("st_angle", 1.570796326), "copied": 2,
         "copied_first": 1}
for name, slip in slips.items():
    k = json.load(open(f"{src}/examples/keyparams/continuous_bent_up.json", encoding="utf-8"))
    if isinstance(slip, tuple): k["cap"][slip[0]] = slip[1]
    else: k["cap"]["FrameAr"].insert(slip, k["cap"]["FrameAr"][slip - 1])
    json.dump(k, open(f"{work}/slip_{name}.keys.json", "w", encoding="utf-8"), ensure_ascii=False)
    d = json.load(open(f"{src}/examples/continuous_bent_up.json", encoding="utf-8"))
    d["keyParameterFile"] = f"{work}/slip_{name}.keys.json"
    json.dump(d, open(f"{work}/slip_{name}.file.json", "w", encoding="utf-8"), ensure_ascii=False)
    del d["keyParameterFile"]
    d["keyParameters"] = k
    json.dump(d, open(f"{work}/slip_{name}.inline.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
declare -A slipped=([sh_s]="cap.sh_s: expected a spacing from 6 to 10000000 mm (0.15 given)"
                    [st_d]="cap.st_d: expected a diameter from 6 to 50 mm (0.028 given)"
                    [st_angle]="cap.st_angle: expected an angle above 0 and at most 1.0472 rad (1.570796326 given)"
                    [copied]='cap.FrameAr[2].name: the frame "N" is already described by @cap.FrameAr[1]'
                    [copied_first]='cap.FrameAr[1].name: the frame "W" is already described by @cap.FrameAr[0]')
for name in sh_s st_d st_angle copied copied_first; do
    what="${slipped[$name]}"
    expect 2 "design with a slipped $name in the key-parameter file" "$pm001" design "$work/slip_$name.file.json"
    has "$work/err" "pm001: key-parameter file $work/slip_$name.keys.json: ${what//@/}"
    expect 2 "design with a slipped $name in keyParameters" "$pm001" design "$work/slip_$name.inline.json"
    has "$work/err" "pm001: $work/slip_$name.inline.json: keyParameters.${what//@/keyParameters.}"
    expect 2 "redesign with a slipped $name adjusted" "$pm001" design --redesign --adjusted "$work/slip_$name.keys.json" \
        "$source_dir/examples/continuous_bent_up.json"
    has "$work/err" "pm001: key-parameter file $work/slip_$name.keys.json: ${what//@/}"
done

# Key parameters nested 100,000 deep (a later key after them), in a project's key-parameter file or
# as the adjusted set of a stored component (fuzz/regressions/), are one line naming the depth and
# the path of the object opened 65th.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
open(f"{work}/deep_keys.json", "w").write('{"capx": ' + '{"a": ' * 100000 + "{}" + "}" * 100000 + ', "later": 1}')
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/deep_keys.json"
json.dump(d, open(f"{work}/project_deep_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
deep="objects and lists nested more than 64 deep"
expect 2 "design with keys nested 100000 deep" "$pm001" design "$work/project_deep_keys.json"
has "$work/err" "pm001: key-parameter file $work/deep_keys.json: capx$(printf '.a%.0s' $(seq 63)): $deep"
expect 2 "load of a stored adjusted set nested 16500 deep" "$pm001" load \
    "$source_dir/fuzz/regressions/container_load/deep-adjusted-key-parameters.pm001"
[ "$(wc -l < "$work/err")" = 1 ] && grep -qF "user-adjusted key parameters.capx$(printf '.%.0s' $(seq 63)): $deep" "$work/err" \
    || fail "deep stored adjusted set"

# A check does not read the key parameters.
expect 0 "check with damaged key parameters in the project" "$pm001" check "$work/inline_keys.json"
# A spacing text with an item that is not a number fails the diagnosis under its key.
expect 1 "check of a spacing text with a bad item" "$pm001" check "$work/bad_spacing.json"
grep -qF "diagnose [bBz] “墩柱横桥向间距”中第3个数据“abc”不是有效的数字，bBz有错误．" "$work/out" || fail "bad spacing item not reported"
# So does a load list, whose items reach the calculation only when every one is a number.
expect 1 "check of a load list with a bad item" "$pm001" check "$work/bad_load_list.json"
grep -qF "diagnose [LoadList1] “荷载列表1”中第2个数据“abc”不是有效的数字，LoadList1有错误．" "$work/out" || fail "bad load item not reported"
expect 1 "design of a load list with a bad item" "$pm001" design "$work/bad_load_list.json"
expect 1 "check of a load list of 10001 values" "$pm001" check "$work/long_load_list.json"
grep -qF "diagnose [LoadList1] “荷载列表1”中数据个数过大,不能大于10000，LoadList1有错误．" "$work/out" || fail "long load list not reported"

# A run whose reports hold an error has not passed, though its steps went through: the footing at
# 10° skew designs completely, but the design reports the densified counts at both outer support
# lines as possibly too large, as errors. Every designing command ends in one place: it prints
# what it hands on and exits 1; the design is still saved. Warnings alone pass (an end height the
# slopes correct).
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["road"]["skewAngle"] = 10
d["keyParameterFile"] = f"{src}/examples/keyparams/footing.json"
json.dump(d, open(f"{work}/skewed.json", "w", encoding="utf-8"), ensure_ascii=False)
k = json.load(open(f"{src}/examples/keyparams/footing.json", encoding="utf-8"))
k["cap"]["sg_lns2"] = [20, 8, 8]
json.dump(k, open(f"{work}/dense_left_keys.json", "w", encoding="utf-8"))
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/dense_left_keys.json"
json.dump(d, open(f"{work}/dense_left.json", "w", encoding="utf-8"), ensure_ascii=False)
d = json.load(open(f"{src}/examples/square_ends.json", encoding="utf-8"))
d["pier"]["hXbl"] += 100
d["keyParameterFile"] = f"{src}/examples/keyparams/square_ends.json"
json.dump(d, open(f"{work}/end_height.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
loads_alike_from_root() {  # loads_alike_from_root <what> <stored file>: loaded again from /, it prints what it just did
    mv "$work/out" "$work/first_load"
    cd / && expect 1 "$1 elsewhere" "$pm001" load "$2"
    cd "$OLDPWD" && cmp -s "$work/out" "$work/first_load" || fail "$1 elsewhere: not as from its own folder"
}
reported_errors() {  # reported_errors <summary's step> <a line printed> <command...>
    local step="$1" line="$2"
    shift 2
    expect 1 "$* at 10° skew" "$pm001" "$@"
    has "$work/out" "error 可能最左侧支承线左侧给定的箍筋加密间距数过大,请检查"
    has "$work/out" "error 可能最右侧支承线右侧给定的箍筋加密间距数过大，请检查"
    grep -q "^$line" "$work/out" || fail "$* at 10° skew: no '$line'"
    grep -q "^$step reported errors: 0 diagnostics, [0-9]* errors, 0 warnings" "$work/out" || fail "$*: summary"
}
reported_errors design "PM001_T0101_sg_s = 150.0" design "$work/skewed.json" --save "$work/skewed.pm001"
[ -s "$work/skewed.pm001" ] || fail "design at 10° skew not saved"
# The stored component keeps no reports: the summary says the saved design is without them.
grep -qx "design reported errors: 0 diagnostics, 2 errors, 0 warnings, [0-9]* values; saved $work/skewed.pm001 without its reports" \
    "$work/out" || fail "design at 10° skew: the save's summary"
# Its load is refused on the densified counts the design reported, named under the set the design
# took, from any folder. footing with 20 densified spacings of 100 left of its first support line:
# the cantilever of 1750 less 2000 and the 1021.05 to the bottom bars' kink, where the 60 cover
# parallel to its 800-in-1000 slope (60 × 1.2806 = 76.84 above the slope) meets the bottom line at
# 60: 1000 + 16.84 / 0.8; (1750 - 2000 - 1021.05) / 150 = -8.47 counts -8. 8 × 100 < 1750 - 1021.05 +
# 150 = 878.95 leaves 8.
dense_left="error designed key parameters.cap.sg_lns2: runs the densified stirrups (sg) left of the first support line past the room the left cantilever has for them; expected at most 8 spacings of 100 mm (sg_s2), less than the cantilever's 1750 mm at the skeleton's inner edges less the 1021 mm from the end to the bottom bars' kink over its tapered part, plus one normal spacing of 150 mm (sg_s) (20 given)"
expect 1 "design of 20 densified spacings left" "$pm001" design "$work/dense_left.json" --save "$work/dense_left.pm001"
has "$work/out" "error 可能最左侧支承线左侧给定的箍筋加密间距数过大,请检查"
declare -A named=([skewed]="cap.sg_lns2 cap.sg_rns2 " [dense_left]="cap.sg_lns2 ")
for stored in skewed dense_left; do
    expect 1 "load of $stored" "$pm001" load "$work/$stored.pm001"
    loads_alike_from_root "load of $stored" "$work/$stored.pm001"
    [ "$(sed -n 's/^error designed key parameters\.\([^:]*\): .*/\1/p' "$work/out" | tr '\n' ' ')" = "${named[$stored]}" ] \
        || fail "load of $stored: the lists named"
done
has "$work/out" "$dense_left"
reported_errors drawing "drawn = true" draw "$work/skewed.json"
expect 1 "design --json at 10° skew" "$pm001" design --json "$work/skewed.json"
python3 -c "
import json, sys
d = json.load(open(sys.argv[1]))
assert d['result'] == 'failed' and d['outputs'] and d['summary'].startswith('design reported errors: 0 diagnostics, 2 errors')
assert [r['kind'] for r in d['reports']] == ['error', 'error'], d['reports']" "$work/out" || fail "design --json at 10° skew"
expect 0 "design of an end height the slopes correct" "$pm001" design "$work/end_height.json"
has "$work/out" "warning “左梁端高度”输入有误,系统会自动计算!"
grep -q "^design passed: 0 diagnostics, 0 errors, 1 warnings, " "$work/out" || fail "warning: summary"

# Key values that put the cap's bars outside the beam, or out of order, are errors of the design
# named by their keys; the design goes on and prints what they lead to. The piles' end cover 60
# becomes 6: the end-face bars stand 6 - 31.6 / 2 - 18.4 / 2 = -19 from the end, their surface
# 9.2 nearer, where the cover holds 31.6 / 2 + 18.4 = 34.2; the skeleton's end bars, their axes 6
# from it, reach 6 - 31.6 / 2 = -9.8 with their surface. A bar station of
# its first frame record, 1100, becomes 110, below the 500 before it.
# So are keys no cap can be built with, named first. Rows <name> <sample> <change of its cap>|<the
# first error>, worked by hand: ducts 87 across 80 apart; arcs of 28 mm HRB400 bent round 5 × 28,
# half of it 70; frame 4 15 from frame 1, a 28 mm bar 31.6 thick; top bars in sections 1000 high at
# the ends, (1000 - 31.6) / 2 = 484.2; end legs short of footing's tapers' kinks, 1000 from
# its ends; the outermost stirrups short of square_ends' first support line, 2000 from its left
# end, and of piles_offset_skew's right one, 2200 - tan 15° × 200 = 2146.4 along its skew over vP
# -200; welds on both sides of 2.5 × 28 = 70; fillets of 15.2 mm strands at least 4000; stirrups
# spaced at most footing's 1750 + 2 × 5000 + 1750 = 13500 long beam, side bars at most its 1800 high
# crown, end-face bars at least the 18.4 outer diameter of a 16 mm bar apart, the bars along
# prestressed's tendons at most its 3750 + 9000 + 3750 = 16500 long beam; the through bars' kinks
# bent as the arcs, 70; a bar of footing's first frame record welded on with the laid weld, both
# sides of 5 × 28 = 140, the legs' 140 no shorter. A design that goes through is saved: its load
# names the same error first. A row may end |<the number of errors> <the key each names first, in
# order>.
keys_changed="
ducts_apart prestressed c['SteelAr'][1]['Y']=[-40.0,40.0]|cap.SteelAr[1].Y[1]: lays the tendon's duct into that of the tendon at Y[0] (-40 mm); expected at least 87 mm from it, the duct's size across (40 given)
tight_arcs footing c['KeyLen2']=50|cap.KeyLen2: bends the arcs of the bent-up bars tighter than the bars can be bent; expected 0 (a sharp bend) or at least 70 mm, half the bend diameter of st_d 28 of st_type 3 (50 given)
frames_apart footing c['FrameY']=[-825,-275,275,-810]|cap.FrameY[3]: lays frame 4 15 mm from frame 1 (FrameY[0]); expected frames at least 31.6 mm apart, the outer diameter of st_d 28 (-810 given)
top_cover footing c['st_ua']=600|cap.st_ua: puts the top bars below the middle of the section where it is least high by 115.8 mm; expected at most 484.2 mm, so that twice it and the 31.6 mm outer diameter of st_d 28 fit the section's 1000 mm height at station 0 (600 given)
end_legs footing c['st_sa']=6000|cap.st_sa: puts the skeleton's end legs at or past the left tapered part's kink; expected below 1000 mm, the kink's distance from that end (6000 given)
stirrups_past_support square_ends c['sg_a']=6000|cap.sg_a: puts the outermost stirrups (sg) at or past the first support line from the left end; expected below 2000 mm, that line's distance from the end (6000 given)
stirrups_past_skewed_support ../tests/data/projects/piles_offset_skew c['sg_a']=2150|cap.sg_a: puts the outermost stirrups (sg) at or past the first support line from the right end; expected below 2146.4 mm, that line's distance from the end (2150 given)
short_welds footing c['st_LstWeld']=0.14|cap.st_LstWeld: makes the welded end legs shorter than the short weld between the skeleton's bars; expected at least 70 mm, a weld on both sides of 2.5 × st_d 28 (0.14 given)
tight_tendon prestressed c['SteelAr'][0]['Node'][1]['R']=6|cap.SteelAr[0].Node[1].R: bends the tendon tighter than its strands take in their duct; expected 0 (a sharp corner) or at least 4000 mm (6 given)
tendon_corner_far_above prestressed c['SteelAr'][1]['Node'][2]['refZ']=5500|cap.SteelAr[1].Node[2].refZ: puts the fillet's corner 3500 mm above the beam's top at station 8250, too far for its arc of radius 6000 mm to bring the tendon back in: the arc comes back only 2027.7 mm from the corner, where its duct (87 mm) reaches 1515.8 mm above the top; expected the corner nearer the top (5500 given)
tendon_corner_farthest prestressed c['SteelAr'][1]['Node'][2]['refZ']=550000|cap.SteelAr[1].Node[2].refZ: puts the fillet's corner 548000 mm above the beam's top at station 8250, too far for its arc of radius 6000 mm to fit its legs: the tendon's fillets outgrow them there, and fit with the corner on the top; expected the corner nearer the top (550000 given)|5 cap.SteelAr[1].Node[2].refZ PM001_T0104_Steel[2]_YZ PM001_T0104_Steel[2]_Ysx PM001_T0104_Steel[2]_Z cap.SteelAr[1].Node[1]
tendon_corner_wrong_face prestressed_one_end c['SteelAr'][2]['Node'][2]['refZ']=-700|cap.SteelAr[2].Node[2].refZ: puts the fillet's corner 700 mm below the beam's underside at station 8250, too far for its arc of radius 8000 mm to fit its legs: the tendon's fillets outgrow them there, and fit with the corner on the underside; expected the corner nearer the underside (-700 given)
tendon_arc_above prestressed c['SteelAr'][0]['Node'][1]['refZ']=-300|cap.SteelAr[0].Node[1].refZ: puts the duct of the tendon's arc about the node (radius 6000 mm, duct 87 mm) 85.9 mm above the beam's top at station 3056.3; expected the arc and its duct within the beam (-300 given)
stirrups_apart footing c['sg_Max']=20000|cap.sg_Max: spaces the stirrups (sg) farther apart than the beam's length; expected at most 13500 mm (20000 given)
side_bars_apart footing c['sh_Max']=2000|cap.sh_Max: spaces the side bars (sh) farther apart than the beam's height; expected at most 1800 mm (2000 given)
end_face_bars_close footing c['sd_Min']=10|cap.sd_Min: lays the end-face bars (sd) closer than they are thick; expected at least 18.4 mm, the outer diameter of sd_d 16 (10 given)
tendon_bars_apart prestressed c['Cdis']=20000|cap.Cdis: spaces the bars along the tendons farther apart than the beam's length; expected at most 16500 mm (20000 given)
tight_kinks footing c['st_LeadPointR']=50|cap.st_LeadPointR: bends the kinks of the through bars tighter than the bars can be bent; expected 0 (a sharp bend) or at least 70 mm, half the bend diameter of st_d 28 of st_type 3 (50 given)
short_station_weld footing c['FrameAr'][0]['GJJ'][0][0]['dx']=100|cap.FrameAr[0].GJJ[0][0].dx: welds its bar on closer to the support line than one weld; expected at least 140 mm, a weld on both sides of 5 × st_d 28 (100 given)"
python3 - "$source_dir" "$work" "$keys_changed" <<'PY'
import json, os, sys
src, work, rows = sys.argv[1], sys.argv[2], [row.split("|")[0] for row in sys.argv[3].strip().split("\n")]
changes = [("end_cover piles c.update(st_sa=6.0)"), ("bar_station piles c['FrameAr'][0]['GJJ'][1][1].update(dx=110)"),
           ("revision footing c.update()"), ("bent_up_reversed continuous_bent_up c['FrameAr'].reverse()")]
for row in changes + rows:
    name, sample, change = row.split(" ", 2)
    project = os.path.normpath(f"{src}/examples/{sample}.json")
    d = json.load(open(project, encoding="utf-8"))
    k = json.load(open(os.path.join(os.path.dirname(project), d["keyParameterFile"]), encoding="utf-8"))
    exec(change, {"c": k["cap"]})
    json.dump(k, open(f"{work}/{name}_keys.json", "w", encoding="utf-8"), ensure_ascii=False)
    d["keyParameterFile"] = f"{work}/{name}_keys.json"
    json.dump(d, open(f"{work}/{name}.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
while IFS="|" read -r row error all; do
    expect 1 "design of ${row%% *}" "$pm001" design "$work/${row%% *}.json" --save "$work/${row%% *}.pm001"
    [ "$(grep -m1 '^error ' "$work/out")" = "error $error" ] || fail "design of ${row%% *}: the first error"
    [ -z "$all" ] || [ "$(awk '/^error /{n++; if (match($0, /(cap\.|PM001_)[^ :,]*/)) k = k " " substr($0, RSTART, RLENGTH)}
        END {print n k}' "$work/out")" = "$all" ] || fail "design of ${row%% *}: the errors and their keys"
    ! grep -q "^design failed: " "$work/out" || continue   # what it leads to stops the design: nothing saved
    expect 1 "load of ${row%% *}" "$pm001" load "$work/${row%% *}.pm001"
    [ "$(grep -m1 '^error ' "$work/out")" = "error designed key parameters.$error" ] || fail "load of ${row%% *}: the first error"
    # The stored design is judged by what it holds: its key file gone, loaded from another folder,
    # it prints the same.
    mv "$work/${row%% *}_keys.json" "$work/gone.json"
    loads_alike_from_root "load of ${row%% *} with its key file gone" "$work/${row%% *}.pm001"
    mv "$work/gone.json" "$work/${row%% *}_keys.json"
done <<< "${keys_changed#$'\n'}"
# Frame records in reverse order, the last one ending in a group of two bars, design soundly and load
# as designed.
expect 0 "design of frame records in reverse order" "$pm001" design "$work/bent_up_reversed.json" \
    --save "$work/bent_up_reversed.pm001"
grep " = " "$work/out" > "$work/bent_up_reversed.designed"
expect 0 "load of frame records in reverse order" "$pm001" load "$work/bent_up_reversed.pm001"
grep " = " "$work/out" | cmp -s - "$work/bent_up_reversed.designed" || fail "frame records in reverse order: values after load differ"
# A sound design stays sound when its key file is edited after the save (the next revision's weld
# legs of 0.14); a redesign from the user-adjusted legs is judged by them, named once under their set.
expect 0 "design of a revision" "$pm001" design "$work/revision.json" --save "$work/revision.pm001"
python3 -c "import json,sys; k=json.load(open(sys.argv[1])); k['cap']['st_LstWeld']=0.14; json.dump(k, open(sys.argv[1], 'w'))" \
    "$work/revision_keys.json"
expect 0 "load of a revision whose key file changed since" "$pm001" load "$work/revision.pm001"
python3 -c "import json,sys; k=json.load(open(sys.argv[1])); k['cap']['st_LstWeld']=0.14; json.dump(k, open(sys.argv[2], 'w'))" \
    "$source_dir/examples/keyparams/footing.json" "$work/short_legs.json"
expect 1 "redesign from short weld legs" "$pm001" design "$source_dir/examples/footing.json" --redesign \
    --adjusted "$work/short_legs.json" --save "$work/short_legs.pm001"
expect 1 "load of a redesign from short weld legs" "$pm001" load "$work/short_legs.pm001"
has "$work/out" "error user-adjusted key parameters.cap.st_LstWeld: makes the welded end legs shorter than the short weld between the skeleton's bars; expected at least 70 mm, a weld on both sides of 2.5 × st_d 28 (0.14 given)"
grep -q "^load reported errors: 0 diagnostics, 1 errors, " "$work/out" || fail "load of a redesign: the weld legs not named once"
# A redesign whose tendon design stops keeps less than its set: the set is judged whole as it
# loads, and a fault its design names is not named again (node 3 at 20000, past the 16500 of the beam).
python3 -c "import json,sys; k=json.load(open(sys.argv[1])); k['cap']['SteelAr'][0]['Node'][3]['X']=20000.0; json.dump(k, open(sys.argv[2], 'w'))" \
    "$source_dir/examples/keyparams/prestressed.json" "$work/far_node.json"
"$pm001" design "$source_dir/examples/prestressed.json" --redesign --adjusted "$work/far_node.json" --save "$work/far_node.pm001" >/dev/null
expect 1 "load of a redesign whose tendon design stopped" "$pm001" load "$work/far_node.pm001"
[ "$(grep -c "^error user-adjusted key parameters.cap.SteelAr\[0\].Node\[3\].X: beyond the beam's ends" "$work/out")" = 1 ] ||
    fail "load of a redesign whose tendon design stopped: the node not named once"
# A tendon corner too far out names its depth, not the radii of the fillets its legs then outgrow.
# 3500 above the top between (3750, 1500) and (12750, 1500), tan(alf / 2) = 4000 / 4500: the arc of
# 6000 comes back 6000 / cos 41.63° - 6000 = 2027.7, its duct 3500 - 2027.7 + 43.5 = 1515.8 above.
# 548000 above, T = 6000 × 548500 / 4500 = 731333.3 outgrows the leg's 548518.5 (on the top 666.7
# and node 1's 92.5 fit 4527.7); node 1's 6000 tan((89.53° - 4.57°) / 2) = 5493.8 outgrows its leg
# 3762.0, yet no radius is named. Then the result check: node 2's tangent points 731333.3 down its
# legs, at 550000 - 731308.7 = -181308.7 (YZ, the profile's levels Z and Ysx with them), and node
# 1's arc up to 1500 + 5493.8 × 548500 / 548518.5 = 6993.6: 5 errors.
# 700 below the underside (one end's third
# tendon, 8000 and 5000): T = 8000 × 2400 / 4500 = 4266.7 and node 1's 1099.4 outgrow the leg's 5100,
# though the arc comes back sqrt(4266.7² + 8000²) - 8000 = 1066.7, to 366.7; on the underside 3022.2
# and 766.2 fit 4810.4. The result check names a node by its key.
expect 1 "design of a tendon arc above the top" "$pm001" design "$work/tendon_arc_above.json"
has "$work/out" "error Design result out of the cap: a tendon's arc, about node cap.SteelAr[0].Node[1] of tendon N1 (refZ -300.0 mm from the top, radius 6000.0 mm), at x = 3056.3, z = 2042.4, lies outside the beam (x 0 to 16500.0, z 0 to 2000.0 there)"
expect 1 "design of an end cover that puts the end-face bars outside" "$pm001" design "$work/end_cover.json"
has "$work/out" "error cap.st_sa: puts the end-face bars (sd) outside the beam's end by 28.2 mm; expected at least 34.2 mm with st_d 28 and sd_d 16 (6 given)"
has "$work/out" "PM001_T0101_sd_a = -19.0"
has "$work/out" "error Design result out of the cap: a bar's vertex, vertex 1 of bar 1 in frame 1 (W1), its surface (half the bar's 31.6 mm about x = 6.0, z = 769.0), reaches x = -9.8, z = 769.0, outside the beam (x 0 to 10400.0, z 700.0 to 1600.0 there) (3 bars of this mark fail)"
grep -q "^design reported errors: 0 diagnostics, 4 errors, 0 warnings, " "$work/out" || fail "end cover: summary"
expect 1 "design of a bar station out of order" "$pm001" design "$work/bar_station.json"
has "$work/out" "error cap.FrameAr[0].GJJ[1][1].dx: below the dx before it in its group; expected at least 500 mm (110 given)"
grep -q "^design reported errors: 0 diagnostics, 1 errors, 0 warnings, " "$work/out" || fail "bar station: summary"

# Results that do not fit the cap fail the run though every step went through: the end-face bars
# touch the skeleton's end bars inside them, at the end cover less half the outer diameters of a
# 28 and a 16 bar (31.6 and 18.4); an end cover of 6 puts them at 6 - 15.8 - 9.2 = -19.0, outside
# the beam's end (their surface 9.2 further), and the skeleton's end bars' surface at 6 - 15.8 =
# -9.8. The values are printed and the design saved; the stored design is judged again as it
# loads, and fails the load as well.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
k = json.load(open(f"{src}/examples/keyparams/footing.json", encoding="utf-8"))
k["cap"]["st_sa"] = 6.0
json.dump(k, open(f"{work}/footing_end_cover_keys.json", "w", encoding="utf-8"))
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/footing_end_cover_keys.json"
json.dump(d, open(f"{work}/footing_end_cover.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
end_cover="error Design result out of the cap: PM001_T0101_sd_a = -19.0, a length, cannot be negative"
end_face="error Design result out of the cap: the end-face bars (sd), their axis -19.0 mm inside the beam's ends (sd_a), reach with their surface (half the bar's 18.4 mm) 28.2 mm past it"
end_bars="error Design result out of the cap: a bar's vertex, vertex 1 of bar 1 in frame 1 (W1), its surface (half the bar's 31.6 mm about x = 6.0, z = 872.0), reaches x = -9.8, z = 872.0, outside the beam (x 0 to 13500.0, z 800.0 to 1800.0 there) (4 bars of this mark fail)"
# <command> <summary's step> <errors: the key named, the value and the bars it leads to, for each
# design the run makes; a load judges the designed set, read again, and the stored values and bars>
for run in "design design 4" "design,--redesign redesign 8" "load load 4"; do
    read -r command step errors <<< "$run"
    if [ "$command" = load ]; then
        expect 1 "load of a design whose results do not fit the cap" "$pm001" load "$work/footing_end_cover.pm001"
        has "$work/out" "error designed key parameters.cap.st_sa: puts the end-face bars (sd) outside the beam's end by 28.2 mm; expected at least 34.2 mm with st_d 28 and sd_d 16 (6 given)"
    else
        expect 1 "$command of results that do not fit the cap" "$pm001" ${command/,/ } "$work/footing_end_cover.json" \
            --save "$work/footing_end_cover.pm001"
    fi
    has "$work/out" "$end_cover"
    has "$work/out" "$end_face"
    has "$work/out" "$end_bars"
    has "$work/out" "PM001_T0101_st_sa = 6.0"
    [ "$(grep -c '^error ' "$work/out")" = "$errors" ] || fail "$command of results that do not fit the cap: errors"
    grep -q "^$step reported errors: 0 diagnostics, $errors errors, 0 warnings, " "$work/out" \
        || fail "$command of results that do not fit the cap: summary"
done

expect 0 "design --json" "$pm001" design "$source_dir/examples/piles.json" --json
python3 -c "import json,sys; d=json.load(open(sys.argv[1])); assert d['result']=='done' and d['outputs']" "$work/out" \
    || { echo "FAIL: --json document"; failures=$((failures + 1)); }

# A report repeated in a row is printed once with how many times: 1000 densified spacings left of
# the prestressed cap's first support line, each 100, in a cantilever of 3750 with a = 50 leave a
# rest 3700 - 100 n below the least 50 until n = 37 (rest 0): 963 corrections, one warning line.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
k = json.load(open(f"{src}/examples/keyparams/prestressed.json", encoding="utf-8"))
k["cap"]["sg_lns2"][0] = 1000
json.dump(k, open(f"{work}/dense_keys.json", "w", encoding="utf-8"))
d = json.load(open(f"{src}/examples/prestressed.json", encoding="utf-8"))
d["keyParameterFile"] = f"{work}/dense_keys.json"
json.dump(d, open(f"{work}/dense.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
dense="第一个支承线左侧的箍筋加密钢筋过多，系统进行了自动处理！"
expect 0 "design with 1000 densified spacings left" "$pm001" design "$work/dense.json"
[ "$(grep -c "^warning" "$work/out")" = 1 ] || fail "repeated warning: not one line"
has "$work/out" "warning $dense (×963)"
grep -q "^design passed: 0 diagnostics, 0 errors, 963 warnings, " "$work/out" || fail "repeated warning: summary"
expect 0 "design --json with 1000 densified spacings left" "$pm001" design --json "$work/dense.json"
python3 -c "
import json, sys
r = json.load(open(sys.argv[1]))['reports']
assert [(e['kind'], e['message'], e['count']) for e in r] == [('warning', sys.argv[2], 963)], r" "$work/out" "$dense" \
    || fail "design --json: repeated warning"

# Output that cannot be written (a full device, a closed standard output) is never done: one line
# naming the system's reason, exit 2, on every way out: a run that passed or failed, each kind of
# document, info, --version and --help.
for args in "design" "design --json" "design $work/skewed.json" "check $work/narrow.json" \
            "draw --json" "query $source_dir/examples/footing.json ZhuSN" "info" "--version" "--help"; do
    for output in full closed; do
        if [ $output = full ]; then
            $pm001 $args > /dev/full 2> "$work/err"
        else
            $pm001 $args >&- 2> "$work/err"
        fi
        got=$?
        reason="No space left on device"
        [ $output = closed ] && reason="Bad file descriptor"
        [ $got = 2 ] && [ "$(cat "$work/err")" = "pm001: cannot write the output: $reason" ] \
            || fail "pm001 $args with the output $output: exit $got"
    done
done

# A save never replaces a file the run reads (however it is named), nor an existing file that is
# not a stored component: one line, exit 2, before anything is designed, the file kept. An empty
# file and an earlier stored component are replaced; a missing folder is named as the save's.
python3 - "$source_dir" "$work" <<'PY'
import json, shutil, sys
src, work = sys.argv[1], sys.argv[2]
shutil.copy(f"{src}/examples/keyparams/footing.json", f"{work}/keys.json")
d = json.load(open(f"{src}/examples/footing.json", encoding="utf-8"))
d["keyParameterFile"] = "keys.json"
json.dump(d, open(f"{work}/mine.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
ln "$work/mine.json" "$work/hard.json"
ln -s mine.json "$work/soft.json"
cp "$work/mine.json" "$work/mine.kept"
cp "$work/keys.json" "$work/keys.kept"
refused() {  # refused <file kept> <saved to> <why> <design arguments...>
    local kept="$1" saved="$2" why="$3"
    shift 3
    expect 2 "design $* --save $saved" "$pm001" design "$@" --save "$saved"
    [ "$(cat "$work/err")" = "pm001: cannot save to \"$saved\": $why" ] && [ ! -s "$work/out" ] \
        && cmp -s "$work/$kept.json" "$work/$kept.kept" || fail "design $* --save $saved: not refused"
}
refused mine "$work/mine.json" "the file exists and is not a stored pm001 component"
refused mine "$work/mine.json" "it is the project file \"$work/mine.json\" of this run" "$work/mine.json"
refused mine "$work/hard.json" "it is the project file \"$work/mine.json\" of this run" "$work/mine.json"
refused mine "$work/soft.json" "it is the project file \"$work/./mine.json\" of this run" "$work/./mine.json"
refused keys "$work/keys.json" "it is the key-parameter file \"$work/keys.json\" of this run" "$work/mine.json"
refused keys "$work/keys.json" "it is the adjusted key-parameter file \"$work/keys.json\" of this run" \
    --redesign --adjusted "$work/keys.json"
: > "$work/empty.pm001"
expect 0 "design --save onto an empty file" "$pm001" design --save "$work/empty.pm001"
expect 0 "load of what was saved onto an empty file" "$pm001" load "$work/empty.pm001"
expect 2 "design --save into a missing folder" "$pm001" design --save "$work/none/x.pm001"
has "$work/err" "pm001: cannot save to \"$work/none/x.pm001\": No such file or directory"

# The target is judged again as the component is written: a file made at that name while the pier
# is designed (the prestressed sample with 1000 tendon definitions: a design of about a second) is
# refused and kept. The file is made once the component module is loaded, after the first judgement.
python3 - "$source_dir" "$work" <<'PY'
import json, sys
src, work = sys.argv[1], sys.argv[2]
project = json.load(open(f"{src}/examples/prestressed.json", encoding="utf-8"))
keys = json.load(open(f"{src}/examples/keyparams/prestressed.json", encoding="utf-8"))
profiles, cap = keys["cap"]["SteelAr"], keys["cap"]
cap["SteelAr"] = [dict(profiles[t % 2], name=f"N{t + 1}", n=1, Y=[round(-8000 + 16000 * t / 999) / 10]) for t in range(1000)]
cap["ZLName"] = [{"name": f"N{t + 1}", "n": 1} for t in range(1000)]
del project["keyParameterFile"]
project["keyParameters"] = keys
json.dump(project, open(f"{work}/long_design.json", "w", encoding="utf-8"), ensure_ascii=False)
PY
# late <target> <why> <file it holds> <command that makes it>: the command makes the file at the
# target's name once the module is loaded; the design is refused with why and the file kept.
late() {
    local target="$1" why="$2" holds="$3" designing made=0 got
    shift 3
    "$pm001" design "$work/long_design.json" --save "$target" > "$work/out" 2> "$work/err" &
    designing=$!
    until grep -q "/libpm001\.so$" "/proc/$designing/maps" 2> /dev/null || ! kill -0 "$designing" 2> /dev/null; do sleep 0.01; done
    "$@" 2> /dev/null && made=1
    wait "$designing"
    got=$?
    [ "$made" = 1 ] || { echo "note: the design ended before a file could be made at $target; the second judgement was not tried"; return; }
    [ "$got" = 2 ] && cmp -s "$target" "$holds" || fail "a file made during the design: exit $got, or replaced"
    has "$work/err" "pm001: cannot save to \"$target\": $why"
}
echo "made while the pier was designed" > "$work/late.kept"
late "$work/late.pm001" "the file exists and is not a stored pm001 component" "$work/late.kept" \
    sh -c 'set -o noclobber; cat "$1" > "$2"' - "$work/late.kept" "$work/late.pm001"
# The run's own files are judged again too: the project, linked in at the target's name.
late "$work/late_link.pm001" "it is the project file \"$work/long_design.json\" of this run" "$work/long_design.json" \
    ln "$work/long_design.json" "$work/late_link.pm001"

[ "$failures" = 0 ] && echo "all host command checks passed"
exit "$failures"
