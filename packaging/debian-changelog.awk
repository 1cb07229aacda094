# Debian's changelog from CHANGELOG.md (packaging/CMakeLists.txt runs it):
# each released version, "## [1.0.0.0] - 2026-12-07", becomes an entry
# dated at noon UTC of its day and signed by -v maintainer="Name <mail>";
# its "### Added" and the like head their items; Markdown's backticks go.
# Unreleased changes and the file's introduction are left out.

function close_entry() {
    if (version != "")
        printf "\n -- %s  %s\n", maintainer, stamp
    version = ""
}

/^## / {
    close_entry()
    if ($0 ~ /^## \[[^]]+\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/) {
        version = $0
        sub(/^## \[/, "", version)
        sub(/\].*$/, "", version)
        day = substr($0, length($0) - 9)
        command = "date -u -R -d '" day " 12:00'"
        if ((command | getline stamp) <= 0) {
            print "debian-changelog: no date for " $0 > "/dev/stderr"
            exit 1
        }
        close(command)
        if (entries++)
            print ""
        printf "bitloom (%s) unstable; urgency=medium\n\n", version
        indent = "  "
    }
    next
}

version == "" || /^[ \t]*$/ { next }

{ gsub(/`/, "") }

/^### / {
    if (indent != "  ")
        print ""
    printf "  * %s\n", substr($0, 5)
    indent = "    "
    next
}

/^- / {
    printf "%s%s %s\n", indent, indent == "  " ? "*" : "-", substr($0, 3)
    next
}

/^  / {
    printf "%s  %s\n", indent, substr($0, 3)
    next
}

{
    print "debian-changelog: line " NR " is not an item: " $0 > "/dev/stderr"
    exit 1
}

END { close_entry() }
