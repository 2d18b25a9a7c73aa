# Turns the enabled Debian binary entries of apt source files into matching deb-src entries.
#
# Usage: awk -v codename=bookworm -v list_out=FILE -v sources_out=FILE -f deb-src-entries.awk \
#          /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources
# One-line files (sources.list, *.list) give one-line entries in list_out; deb822 files give
# stanzas in sources_out. Only suites of the running release (codename, codename-updates,
# codename-security, ...) are kept: a third-party repository rarely publishes sources, and one
# that is down would only make the private update fail. Options such as signed-by are copied,
# so the source indexes are checked against the same keys as the binary ones.

function keep_suite(suite) {
  return codename == "" || suite ~ ("^" codename "([-/].*)?$")
}

function flush_stanza(    i, key, words, count, kept, enabled) {
  if (fields == 0) return
  enabled = tolower(value["enabled"])
  gsub(/[ \t]/, "", enabled)
  if (has_word(value["types"], "deb") && enabled != "no") {
    count = split(value["suites"], words, /[ \t\n]+/)
    kept = ""
    for (i = 1; i <= count; i++)
      if (words[i] != "" && keep_suite(words[i])) kept = kept " " words[i]
    if (kept != "") {
      print "Types: deb-src" > sources_out
      print "Suites:" kept > sources_out
      for (i = 1; i <= fields; i++) {
        key = order[i]
        # Binary architectures mean nothing for sources; Enabled was checked above.
        if (key == "types" || key == "suites" || key == "enabled" || key == "architectures") continue
        print name[key] ":" value[key] > sources_out
      }
      print "" > sources_out
      stanzas++
    }
  }
  for (key in value) delete value[key]
  fields = 0
  current = ""
}

function has_word(text, word,    words, count, i) {
  count = split(text, words, /[ \t\n]+/)
  for (i = 1; i <= count; i++)
    if (words[i] == word) return 1
  return 0
}

function one_line(line,    rest, options, words, count, suite_at) {
  sub(/#.*/, "", line)
  if (line !~ /^[ \t]*deb[ \t[]/) return
  rest = line
  sub(/^[ \t]*deb/, "", rest)
  options = ""
  if (rest ~ /^[ \t]*\[/) {
    options = substr(rest, index(rest, "["), index(rest, "]") - index(rest, "[") + 1)
    rest = substr(rest, index(rest, "]") + 1)
  }
  count = split(rest, words, /[ \t]+/)
  # split keeps an empty first word when the line had leading blanks.
  suite_at = (words[1] == "") ? 3 : 2
  if (count < suite_at || !keep_suite(words[suite_at])) return
  print "deb-src" (options == "" ? "" : " " options) rest > list_out
  lines++
}

FNR == 1 {
  flush_stanza()
  deb822 = (FILENAME ~ /\.sources$/)
}

!deb822 { one_line($0); next }

/^#/ { next }
/^[ \t]*$/ { flush_stanza(); next }
/^[ \t]/ {
  # A continuation line, as in an inline Signed-By key.
  if (current != "") value[current] = value[current] "\n" $0
  next
}
{
  colon = index($0, ":")
  if (colon == 0) next
  field = substr($0, 1, colon - 1)
  current = tolower(field)
  if (!(current in value)) order[++fields] = current
  name[current] = field
  value[current] = substr($0, colon + 1)
}

END {
  flush_stanza()
  # The caller reads this to tell "nothing usable found" from a working set of entries.
  print lines + stanzas
}
