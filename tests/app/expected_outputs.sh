#!/usr/bin/env bash
# Every published value, held: each row of the table below runs the host on one project and
# compares what it prints with the output stored in tests/data/expected/<project>.<command>.txt.
# A stored output is the standard output as printed, then "[stderr]" and the standard error when
# there is any, then "[exit N]". Paths of the source folder are printed as "<source>".
#   expected_outputs.sh PM001 SOURCE_DIR            compare (CTest: app.expected_outputs)
#   expected_outputs.sh PM001 SOURCE_DIR --rewrite  store what the host prints now (scripts/rewrite-expected)
set -u
pm001="$1"
source_dir="$2"
rewrite=0
[ "${3:-}" = "--rewrite" ] && rewrite=1
expected="$source_dir/tests/data/expected"
[ -x "$pm001" ] || { echo "no host at $pm001"; exit 2; }
work=$(mktemp -d) || { echo "expected_outputs.sh: cannot make a temporary folder" >&2; exit 1; }
trap 'rm -rf "$work"' EXIT

# project (from the source folder)                  commands
table="
examples/footing.json                               design draw report
examples/piles.json                                 design draw report
examples/pile_cap.json                              design draw report
examples/prestressed.json                           design draw report
examples/square_ends.json                           design draw report
examples/hammerhead.json                            design draw report
examples/continuous_bent_up.json                    design draw report
examples/prestressed_one_end.json                   design draw report
examples/prestressed_symmetric.json                 design draw report
tests/data/projects/footing_spacings.json           design
tests/data/projects/footing_densified.json          design
tests/data/projects/prestressed_densified.json      design
tests/data/projects/footing_taper_slopes.json       design
tests/data/projects/pile_cap_cross_slopes.json      design
tests/data/projects/continuous_bent_up_ends.json    design
tests/data/projects/footing_skew12.json             design
tests/data/projects/footing_skew20.json             design draw
tests/data/projects/footing_laid_across.json        design draw
tests/data/projects/footing_four_columns.json       design draw
tests/data/projects/piles_offset_skew.json          design
tests/data/projects/prestressed_side_by_side.json   design draw
tests/data/projects/square_ends_one_tapered.json    design
tests/data/projects/prestressed_densified_short.json design
tests/data/projects/footing_frames_off_axis.json    design
tests/data/projects/prestressed_every_key.json     design
tests/data/projects/hammerhead_crown_over_taper.json design
tests/data/projects/piles_skew_other_way.json      design
tests/data/projects/square_ends_right_tapered.json design
tests/data/projects/footing_two_frames.json        design
tests/data/projects/footing_welds_lowered.json     design
"

failures=0
changed=0
mkdir -p "$work/run" "$work/new"
while read -r project commands; do
    [ -n "$project" ] || continue
    name=$(basename "$project" .json)
    for command in $commands; do
        stored="$name.$command.txt"
        # The host runs in a folder of its own: whatever it might write stays in the temporary folder.
        (cd "$work/run" && "$pm001" "$command" "$source_dir/$project" < /dev/null > "$work/out" 2> "$work/err")
        status=$?
        {
            cat "$work/out"
            [ -s "$work/err" ] && { echo "[stderr]"; cat "$work/err"; }
            echo "[exit $status]"
        } | sed "s#$(printf '%s' "$source_dir" | sed 's/[#.[\*^$]/\\&/g')#<source>#g" > "$work/new/$stored"
        if [ -f "$expected/$stored" ] && cmp -s "$expected/$stored" "$work/new/$stored"; then
            continue
        fi
        if [ $rewrite = 1 ]; then
            echo "rewritten: $stored"
            diff -u --label "stored $stored" --label "now $stored" "$expected/$stored" "$work/new/$stored" 2>/dev/null
            changed=$((changed + 1))
        elif [ -f "$expected/$stored" ]; then
            echo "FAIL: pm001 $command $project differs from tests/data/expected/$stored:"
            diff -u --label "stored $stored" --label "now $stored" "$expected/$stored" "$work/new/$stored" | head -40
            failures=$((failures + 1))
        else
            echo "FAIL: pm001 $command $project: no stored output tests/data/expected/$stored"
            failures=$((failures + 1))
        fi
    done
done <<< "$table"

# A stored output that no row makes any more.
for file in "$expected"/*.txt; do
    [ -e "$file" ] || continue
    stored=$(basename "$file")
    [ -f "$work/new/$stored" ] && continue
    if [ $rewrite = 1 ]; then
        echo "removed: $stored"
        changed=$((changed + 1))
    else
        echo "FAIL: tests/data/expected/$stored: no row of the table makes it"
        failures=$((failures + 1))
    fi
done

if [ $rewrite = 1 ]; then
    rm -f "$expected"/*.txt
    mkdir -p "$expected"
    cp "$work/new"/*.txt "$expected/"
    echo "$changed stored outputs rewritten or removed"
    exit 0
fi
if [ $failures -gt 0 ]; then
    echo "$failures stored outputs do not match. If every change is meant: scripts/rewrite-expected, and list"
    echo "the values it changed (git diff tests/data/expected) in the closing note."
    exit 1
fi
echo "every stored output matches"
