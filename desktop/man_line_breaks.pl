#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets groff break and fill the Japanese lines of a manual page: Japanese
# has no spaces, so without a break point after each character groff cannot
# break long lines and warns on every one of them. Text is set ragged-right,
# as spaces between Japanese and Latin words are too few to justify with.
# Usage: man_line_breaks.pl IN.roff OUT.roff (both UTF-8).
use strict;
use warnings;
use open qw(:encoding(UTF-8));

my ($in_path, $out_path) = @ARGV;
die "usage: $0 IN OUT\n" unless defined $out_path;
open(my $in, '<', $in_path) or die "$in_path: $!\n";
open(my $out, '>', $out_path) or die "$out_path: $!\n";
while (my $line = <$in>) {
  if ($line =~ /^\.TH /) {
    print $out $line, ".ad l\n";
    next;
  }
  # Comments stay as written; every other line gets a zero-width break point
  # after each character outside ASCII.
  $line =~ s/([^\x00-\x7F])/$1\\:/g unless $line =~ /^\.\\"/;
  print $out $line;
}
close($out) or die "$out_path: $!\n";
